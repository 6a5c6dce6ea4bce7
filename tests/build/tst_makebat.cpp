#include "BatchArgument.h"
#include "MakeBat.h"
#include "Project.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class MakeBatTest : public QObject {
    Q_OBJECT

private slots:
    void grouping_data();
    void grouping();
    void batchArguments_data();
    void batchArguments();
    void writesThreeLinesIntoTheProjectFolder();
    void failureIsReported();
    void entriesNoLineCanCarry_data();
    void entriesNoLineCanCarry();
};

void MakeBatTest::grouping_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("filerLine");
    QTest::addColumn<QString>("vccLine");

    QTest::newRow("example") << QStringList{"main.c", "logo.pic", "root.inf", "util.c", "defs.h"}
                             << "filer a logo.pic defs.h"
                             << "vcc main.c root.inf util.c filer.list";
    QTest::newRow("no files") << QStringList{} << "filer a"
                              << "vcc filer.list";
    QTest::newRow("shortest names") << QStringList{".c", "x.c", ".inf"} << "filer a"
                                    << "vcc .c x.c .inf filer.list";
    QTest::newRow("endings are case-sensitive")
        << QStringList{"MAIN.C", "ROOT.INF", "a.cpp", "b.c.bak"}
        << "filer a MAIN.C ROOT.INF a.cpp b.c.bak"
        << "vcc filer.list";
    QTest::newRow("duplicates kept in place")
        << QStringList{"a.c", "p.pic", "a.c", "p.pic"} << "filer a p.pic p.pic"
        << "vcc a.c a.c filer.list";
    QTest::newRow("names the interpreter would split")
        << QStringList{"my file.c", "a&b.pic", "100%.pic"} << "filer a \"a&b.pic\" 100%%.pic"
        << "vcc \"my file.c\" filer.list";
}

void MakeBatTest::grouping()
{
    QFETCH(QStringList, files);
    QFETCH(QString, filerLine);
    QFETCH(QString, vccLine);
    QCOMPARE(makeBatLines(files), (QStringList{"@echo off", filerLine, vccLine}));
}

void MakeBatTest::batchArguments_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("argument");

    QTest::newRow("ordinary") << "logo_2.pic"
                              << "logo_2.pic";
    QTest::newRow("path characters") << "C:\\Proj\\logo"
                                     << "C:\\Proj\\logo";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blank") << "my logo.pic"
                           << "\"my logo.pic\"";
    QTest::newRow("tab") << "a\tb"
                         << "\"a\tb\"";
    for (const char* special : {"&", "|", "<", ">", "^", "(", ")", ",", ";", "="}) {
        const QString entry = QString("a%1b").arg(QLatin1String(special));
        QTest::newRow(qPrintable(entry)) << entry << "\"" + entry + "\"";
    }
    QTest::newRow("percent") << "50%off"
                             << "50%%off";
    QTest::newRow("percent and blank") << "%PATH% x"
                                       << "\"%%PATH%% x\"";
    // An inner quote must not end the quoting and let the rest run as a command.
    QTest::newRow("quote") << "a\"&calc"
                           << "\"a\"\"&calc\"";
    // A C program takes a backslash before a quote as an escape.
    QTest::newRow("backslash before a quote") << "a\\\"b"
                                              << "\"a\\\\\"\"b\"";
    QTest::newRow("backslash at the end") << "my\\dir \\"
                                          << "\"my\\dir \\\\\"";
}

void MakeBatTest::batchArguments()
{
    QFETCH(QString, entry);
    QFETCH(QString, argument);
    QCOMPARE(batchArgument(entry), argument);
    // On the interpreter's own command line a % stays single.
    QCOMPARE(commandLineArgument(entry), argument.replace("%%", "%"));
}

void MakeBatTest::writesThreeLinesIntoTheProjectFolder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("make.bat");
    putFile(path, QByteArray(500, 'z'));
    Project& project = Project::current();
    project.setProjectFolder(QDir::toNativeSeparators(dir.path()));
    project.setFiles({"main.c", "logo.pic", "root.inf", "util.c", "defs.h"});

    ScriptedDialogs dialogs;
    const QByteArray expected =
        "@echo off\r\nfiler a logo.pic defs.h\r\nvcc main.c root.inf util.c filer.list\r\n";
    WriteMakeBat(Project::current().ProjectFolder(), Project::current().Files());
    QCOMPARE(contentOf(path), expected);
    WriteMakeBat(Project::current().ProjectFolder(), Project::current().Files());
    QCOMPARE(contentOf(path), expected);
    QCOMPARE(dialogs.messages.size(), 0);

    // In the OEM page, in which the interpreter reads it.
    qputenv("LC_ALL", "ru_RU.UTF-8");
    project.setFiles({"\u044f.c"});
    WriteMakeBat(Project::current().ProjectFolder(), Project::current().Files());
    QCOMPARE(contentOf(path), QByteArray("@echo off\r\nfiler a\r\nvcc \xef.c filer.list\r\n"));
}

void MakeBatTest::failureIsReported()
{
    QTemporaryDir dir;
    Project& project = Project::current();
    project.setFiles({"main.c"});
    ScriptedDialogs dialogs;

    // No folder: refused, rather than written at the root of the file system.
    project.setProjectFolder("");
    WriteMakeBat(Project::current().ProjectFolder(), Project::current().Files());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].text.contains("make.bat"), qPrintable(dialogs.messages[0].text));
    QCOMPARE(dialogs.messages[0].title, QString("LKS"));

    const QString missing = dir.filePath("gone");
    project.setProjectFolder(missing);
    WriteMakeBat(Project::current().ProjectFolder(), Project::current().Files());
    QCOMPARE(dialogs.messages.size(), 2);
    QVERIFY2(dialogs.messages[1].text.contains(QDir::toNativeSeparators(missing)),
             qPrintable(dialogs.messages[1].text));
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(project.Files(), QStringList{"main.c"});
}

void MakeBatTest::entriesNoLineCanCarry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("refused");

    QTest::newRow("tab") << "name\tb.c" << false;
    QTest::newRow("CR LF") << "name\r\nb.c" << true;
    QTest::newRow("NUL") << QString("name") + QChar(0) + "b.c" << true;
    QTest::newRow("escape") << "name\x1b.pic" << true;
    QTest::newRow("huge") << "name" + QString(5'000'000, 'n') + "\n.c" << true;
}

void MakeBatTest::entriesNoLineCanCarry()
{
    QFETCH(QString, entry);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    Project::current().setProjectFolder(dir.path());
    Project::current().setFiles({"main.c", entry});
    ScriptedDialogs dialogs;
    WriteMakeBat(Project::current().ProjectFolder(), Project::current().Files());
    QCOMPARE(QFileInfo::exists(dir.filePath("make.bat")), !refused);
    QCOMPARE(dialogs.messages.size(), int(refused));
    const QString text = dialogs.messages.value(0).text;
    QVERIFY2(text.contains("\"name") == refused && text.size() < 300, qPrintable(text.left(300)));
}

QTEST_MAIN(MakeBatTest)
#include "tst_makebat.moc"

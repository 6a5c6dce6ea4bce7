#include "BatchArgument.h"
#include "MakeBat.h"
#include "Project.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "frmProject.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class MakeBatTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheGroups_data();
    void writesTheGroups();
    void batchArguments_data();
    void batchArguments();
    void refusals_data();
    void refusals();
};

void MakeBatTest::writesTheGroups_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("groups"); // the lines of filer and of the compiler

    QTest::newRow("example") << QStringList{"main.c", "logo.pic", "root.inf", "util.c", "defs.h"}
                             << QByteArray("filer a logo.pic defs.h\r\n"
                                           "vcc main.c root.inf util.c filer.list");
    QTest::newRow("no files") << QStringList{} << QByteArray("filer a\r\nvcc filer.list");
    QTest::newRow("shortest names")
        << QStringList{".c", "x.c", ".inf"} << QByteArray("filer a\r\nvcc .c x.c .inf filer.list");
    QTest::newRow("endings are case-sensitive")
        << QStringList{"MAIN.C", "ROOT.INF", "a.cpp", "b.c.bak"}
        << QByteArray("filer a MAIN.C ROOT.INF a.cpp b.c.bak\r\nvcc filer.list");
    QTest::newRow("duplicates kept") << QStringList{"a.c", "p.pic", "a.c", "p.pic"}
                                     << QByteArray("filer a p.pic p.pic\r\nvcc a.c a.c filer.list");
    QTest::newRow("names the interpreter would split")
        << QStringList{"my file.c", "a&b.pic", "100%.pic", "a\tb.c"}
        << QByteArray("filer a \"a&b.pic\" 100%%.pic\r\nvcc \"my file.c\" \"a\tb.c\" filer.list");
    // In the OEM page, in which the interpreter reads it, not the ANSI page (0xE9).
    QTest::newRow("OEM page") << QStringList{"caf\u00e9.c"}
                              << QByteArray("filer a\r\nvcc caf\x82.c filer.list");
}

void MakeBatTest::writesTheGroups()
{
    QFETCH(QStringList, files);
    QFETCH(QByteArray, groups);
    QTemporaryDir dir;
    const QString path = dir.filePath("make.bat");
    putFile(path, QByteArray(500, 'z')); // replaced whole
    Project::current().setProjectFolder(QDir::toNativeSeparators(dir.path()));
    Project::current().setFiles(files);
    ScriptedDialogs dialogs;
    frmProject().mnuCompile_Click();
    QCOMPARE(contentOf(path), "@echo off\r\n" + groups + "\r\n");
    QCOMPARE(dialogs.messages.size(), 0);
}

void MakeBatTest::batchArguments_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("argument");

    const struct {
        const char *tag, *entry, *argument;
    } rows[] = {
        {"ordinary", "C:\\Proj\\logo_2.pic", "C:\\Proj\\logo_2.pic"},
        {"empty", "", ""},
        {"blank", "my logo.pic", "\"my logo.pic\""},
        {"tab", "a\tb", "\"a\tb\""},
        {"percent", "50%off", "50%%off"},
        {"percent and blank", "%PATH% x", "\"%%PATH%% x\""},
        // An inner quote must not end the quoting and let the rest run as a command.
        {"quote", "a\"&calc", "\"a\"\"&calc\""},
        // A C program takes a backslash before a quote as an escape.
        {"backslash before a quote", "a\\\"b", "\"a\\\\\"\"b\""},
        {"backslash at the end", "my\\dir \\", "\"my\\dir \\\\\""},
    };
    for (const auto& row : rows)
        QTest::newRow(row.tag) << QString(row.entry) << QString(row.argument);
    for (const char* special : {"&", "|", "<", ">", "^", "(", ")", ",", ";", "="}) {
        const QString entry = QString("a%1b").arg(QLatin1String(special));
        QTest::newRow(qPrintable(entry)) << entry << "\"" + entry + "\"";
    }
}

void MakeBatTest::batchArguments()
{
    QFETCH(QString, entry);
    QFETCH(QString, argument);
    QCOMPARE(batchArgument(entry), argument);
    // On the interpreter's own command line a % stays single.
    QCOMPARE(commandLineArgument(entry), argument.replace("%%", "%"));
}

void MakeBatTest::refusals_data()
{
    QTest::addColumn<QString>("folder"); // in the test's folder; empty: the project has none
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("problem"); // what the message names

    const struct {
        const char* tag;
        QString folder, entry, problem;
    } rows[] = {
        // Refused, rather than written at the root of the file system.
        {"no folder", "", "b.c", "make.bat: the project has no folder. Choose one in Project"},
        {"missing folder", "gone", "b.c", "gone/make.bat"},
        {"CR LF", ".", "name\r\nb.c", "\"name"},
        {"NUL", ".", QString("name") + QChar(0) + "b.c", "\"name"},
        {"escape", ".", "name\x1b.pic", "\"name"},
        {"huge", ".", "name" + QString(5'000'000, 'n') + "\n.c", "\"name"},
    };
    for (const auto& row : rows)
        QTest::newRow(row.tag) << row.folder << row.entry << row.problem;
}

void MakeBatTest::refusals()
{
    QFETCH(QString, folder);
    QFETCH(QString, entry);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    Project::current().setProjectFolder(folder.isEmpty() ? folder : dir.filePath(folder));
    Project::current().setFiles({"main.c", entry});
    ScriptedDialogs dialogs;
    frmProject().mnuCompile_Click();
    // Nothing made in the folder, neither the file nor a missing folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
    QCOMPARE(dialogs.messages.size(), 1);
    const QString text = dialogs.messages.value(0).text;
    QVERIFY2(text.contains(problem) && text.size() < 300, qPrintable(text.left(300)));
}

QTEST_MAIN(MakeBatTest)
#include "tst_makebat.moc"

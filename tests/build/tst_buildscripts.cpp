#include "BatchArgument.h"
#include "FakeWine.h"
#include "LoadedWindows.h"
#include "Project.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "frmDialog.h"
#include "frmProject.h"
#include "modShellExec.h"

#include <QLineEdit>
#include <QtTest>

// make.bat from the Explorer's Compile, root.inf from the wizard's Create, and the shell that
// starts a script.
class BuildScriptsTest : public QObject {
    Q_OBJECT

private slots:
    void makeBatGroups_data();
    void makeBatGroups();
    void batchArguments_data();
    void batchArguments();
    void rootInfLines();
    void refusals_data();
    void refusals();
    void shellOpenFile();
};

void BuildScriptsTest::makeBatGroups_data()
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

void BuildScriptsTest::makeBatGroups()
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

void BuildScriptsTest::batchArguments_data()
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

void BuildScriptsTest::batchArguments()
{
    QFETCH(QString, entry);
    QFETCH(QString, argument);
    QCOMPARE(batchArgument(entry), argument);
    // On the interpreter's own command line a % stays single.
    QCOMPARE(commandLineArgument(entry), argument.replace("%%", "%"));
}

void BuildScriptsTest::rootInfLines()
{
    QTemporaryDir dir;
    Project::current().setProjectFolder(dir.path());
    frmDialog& dialog = LoadedWindows::instance().form<frmDialog>();
    dialog.Text5->setText("game");
    dialog.Text8->setText(" Demo ");
    dialog.Text7->setText("1.0");
    dialog.Text6->setText("1.2");
    dialog.Text4->setText("(c) Someone");
    ScriptedDialogs dialogs;
    dialog.Command6_Click();
    QCOMPARE(
        contentOf(dir.filePath("root.inf")),
        QByteArray("game\r\n Demo \r\n\r\n\r\n\r\n\r\n Demo \r\n1.0\r\n1.2\r\n(c) Someone\r\n"));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QString("Root.inf Created!"));
    QCOMPARE(dialogs.messages[0].title, QString("LKS"));
    QCOMPARE(dialog.visiblePage(), dialog.Frame1); // the page is not changed
}

void BuildScriptsTest::refusals_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("folder"); // in the test's folder; empty: the project has none
    QTest::addColumn<QString>("field");  // the wizard's field, or a project file's name
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("problem"); // what the message names

    const struct {
        const char* tag;
        QString script, folder, field, value, problem;
    } rows[] = {
        // Refused, rather than written at the root of the file system.
        {"make.bat, no folder", "make.bat", "", "b.c", "b.c",
         "Cannot write make.bat: the project has no folder. Choose one in Project"},
        {"make.bat, missing folder", "make.bat", "gone", "b.c", "b.c", "gone/make.bat\": "},
        {"make.bat, CR LF", "make.bat", ".", "", "name\r\nb.c", "the project file \"name"},
        {"make.bat, NUL", "make.bat", ".", "", QString("name") + QChar(0) + "b.c", "file \"name"},
        {"make.bat, escape", "make.bat", ".", "", "name\x1b.pic", "file \"name"},
        {"make.bat, huge", "make.bat", ".", "", "name" + QString(5'000'000, 'n') + "\n.c",
         "file \"name"},
        {"root.inf, no folder", "root.inf", "", "Text8", "",
         "Cannot write root.inf: the project has no folder. Choose one in Project"},
        {"root.inf, missing folder", "root.inf", "gone", "Text8", "", "gone/root.inf\": "},
        {"Name", "root.inf", ".", "Text8", QString("De") + QChar(0) + "mo", "Name \""},
        {"Version", "root.inf", ".", "Text7", "1\x1b", "Version \""},
        {"App Type", "root.inf", ".", "Text5", "\f", "App Type (game/app) \""},
        {"Halvos Version", "root.inf", ".", "Text6", QString(32000, 'v') + "\x1f",
         "Halvos Version \""},
    };
    for (const auto& row : rows)
        QTest::newRow(row.tag) << row.script << row.folder << row.field << row.value << row.problem;
}

// Nothing is written, and nothing made in the folder, when a value cannot stand on a line.
void BuildScriptsTest::refusals()
{
    QFETCH(QString, script);
    QFETCH(QString, folder);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    putFile(dir.filePath(script), "old");
    Project::current().setProjectFolder(folder.isEmpty() ? folder : dir.filePath(folder));
    ScriptedDialogs dialogs;
    if (script == "make.bat") {
        Project::current().setFiles({"main.c", value});
        frmProject().mnuCompile_Click();
    } else {
        frmDialog& dialog = LoadedWindows::instance().form<frmDialog>();
        dialog.findChild<QLineEdit*>(field)->setText(value);
        dialog.Command6_Click();
        dialog.findChild<QLineEdit*>(field)->clear();
    }
    QCOMPARE(dialogs.messages.size(), 1);
    const QString& text = dialogs.messages[0].text;
    QVERIFY2(text.contains(problem) && text.size() < 300, qPrintable(text.left(300)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{script});
    QCOMPARE(contentOf(dir.filePath(script)), QByteArray("old"));
}

void BuildScriptsTest::shellOpenFile()
{
    FakeWine wine;
    QTemporaryDir dir;
    QCOMPARE(ShellOpenFile(dir.filePath("missing.bat"), "", ""), 2);
    putFile(dir.filePath("2piclaunch.bat"), "@echo off\r\n");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const qint32 result = ShellOpenFile("2piclaunch.bat", "", "");
    QDir::setCurrent(previous);
    QVERIFY(result > 32);
    // Wine would escape the quotes of its arguments: the command line travels in a variable.
    QCOMPARE(wine.waitForRun(), (QStringList{QDir(dir.path()).canonicalPath(), "-all",
                                             "2piclaunch.bat", "cmd", "/c", "%LARKSPAN_COMMAND%"}));

    // A program is started directly.
    const QString program = dir.filePath("tool");
    putFile(program, "#!/bin/sh\necho \"$@\" > \"$0.out\"\n");
    QFile(program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(ShellOpenFile(program, "", "one two") > 32);
    QTRY_COMPARE(contentOf(program + ".out"), QByteArray("one two\n"));

    // Without Wine a batch file cannot be started.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()));
    const qint32 withoutWine = ShellOpenFile(dir.filePath("2piclaunch.bat"), "", "");
    qputenv("PATH", path);
    QCOMPARE(withoutWine, 31);
}

QTEST_MAIN(BuildScriptsTest)
#include "tst_buildscripts.moc"

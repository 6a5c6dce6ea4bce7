#include "FakeWine.h"
#include "LoadedWindows.h"
#include "Project.h"
#include "RootInf.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "frmDialog.h"
#include "modShellExec.h"

#include <QLineEdit>
#include <QtTest>

class RootInfShellTest : public QObject {
    Q_OBJECT

private slots:
    void writesTenLines();
    void rootInfRefusals_data();
    void rootInfRefusals();
    void shellOpenFile();
};

void RootInfShellTest::writesTenLines()
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

void RootInfShellTest::rootInfRefusals_data()
{
    QTest::addColumn<QString>("folder"); // in the test's folder; empty: the project has none
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("problem"); // what the message names

    const struct {
        const char* tag;
        QString folder, box, value, problem;
    } rows[] = {
        {"no folder", "", "Text8", "", "root.inf: the project has no folder"},
        {"missing folder", "gone", "Text8", "", "gone/root.inf"},
        {"Name", ".", "Text8", QString("De") + QChar(0) + "mo", "Name \""},
        {"Version", ".", "Text7", "1\x1b", "Version \""},
        {"App Type", ".", "Text5", "\f", "App Type (game/app) \""},
        {"Halvos Version", ".", "Text6", QString(32000, 'v') + "\x1f", "Halvos Version \""},
    };
    for (const auto& row : rows)
        QTest::newRow(row.tag) << row.folder << row.box << row.value << row.problem;
}

void RootInfShellTest::rootInfRefusals()
{
    QFETCH(QString, folder);
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    putFile(dir.filePath("root.inf"), "old");
    Project::current().setProjectFolder(folder.isEmpty() ? folder : dir.filePath(folder));
    QLineEdit* field = LoadedWindows::instance().form<frmDialog>().findChild<QLineEdit*>(box);
    field->setText(value);
    ScriptedDialogs dialogs;
    LoadedWindows::instance().form<frmDialog>().Command6_Click();
    field->clear();
    QCOMPARE(dialogs.messages.size(), 1);
    const QString& text = dialogs.messages[0].text;
    QVERIFY2(text.contains(problem) && text.size() < 300, qPrintable(text.left(300)));
    // Nothing made in the folder, neither the file nor a missing folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"root.inf"});
    QCOMPARE(contentOf(dir.filePath("root.inf")), QByteArray("old"));
}

void RootInfShellTest::shellOpenFile()
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

QTEST_MAIN(RootInfShellTest)
#include "tst_rootinfshell.moc"

#include "FakeWine.h"
#include "LoadedWindows.h"
#include "Project.h"
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
    void rootInfFailureIsReported();
    void rootInfRefusesControlCharacters_data();
    void rootInfRefusesControlCharacters();
    void startsBatchFilesWithWine();
    void reportsWhatCannotBeStarted();
};

void RootInfShellTest::writesTenLines()
{
    QTemporaryDir dir;
    Project::current().setProjectFolder(dir.path());
    frmDialog& dialog = LoadedWindows::instance().form<frmDialog>();
    ScriptedDialogs dialogs;
    dialog.Command6_Click();
    QCOMPARE(contentOf(dir.filePath("root.inf")), QByteArray(10, '?').replace('?', "\r\n"));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QString("Root.inf Created!"));
    QCOMPARE(dialogs.messages[0].title, QString("LKS"));

    dialog.Text5->setText("game");
    dialog.Text8->setText(" Demo ");
    dialog.Text7->setText("1.0");
    dialog.Text6->setText("1.2");
    dialog.Text4->setText("(c) Someone");
    dialog.Command6_Click();
    QCOMPARE(
        contentOf(dir.filePath("root.inf")),
        QByteArray("game\r\n Demo \r\n\r\n\r\n\r\n\r\n Demo \r\n1.0\r\n1.2\r\n(c) Someone\r\n"));
    QCOMPARE(dialog.visiblePage(), dialog.Frame1); // the page is not changed
}

void RootInfShellTest::rootInfFailureIsReported()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Project::current().setProjectFolder("");
    LoadedWindows::instance().form<frmDialog>().Command6_Click();
    const QString missing = dir.filePath("gone");
    Project::current().setProjectFolder(missing);
    LoadedWindows::instance().form<frmDialog>().Command6_Click();
    QCOMPARE(dialogs.messages.size(), 2);
    QVERIFY(dialogs.messages[0].text.contains("no folder"));
    QVERIFY(dialogs.messages[1].text.contains(QDir::toNativeSeparators(missing)));
    QVERIFY(!QFileInfo::exists(missing));
}

void RootInfShellTest::rootInfRefusesControlCharacters_data()
{
    QTest::addColumn<QString>("box"); // the row is named after the field's label
    QTest::addColumn<QString>("value");

    QTest::newRow("Name") << "Text8" << QString("De") + QChar(0) + "mo";
    QTest::newRow("Version") << "Text7" << QString("1\x1b");
    QTest::newRow("App Type (game/app)") << "Text5" << QString("\f");
    QTest::newRow("Halvos Version") << "Text6" << QString(32000, 'v') + "\x1f";
}

void RootInfShellTest::rootInfRefusesControlCharacters()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QTemporaryDir dir;
    putFile(dir.filePath("root.inf"), "old");
    Project::current().setProjectFolder(dir.path());
    QLineEdit* field = LoadedWindows::instance().form<frmDialog>().findChild<QLineEdit*>(box);
    field->setText(value);
    ScriptedDialogs dialogs;
    LoadedWindows::instance().form<frmDialog>().Command6_Click();
    field->clear();
    QCOMPARE(dialogs.messages.size(), 1);
    const QString& text = dialogs.messages[0].text;
    QVERIFY2(text.contains(QTest::currentDataTag() + QString(" \"")) && text.size() < 300,
             qPrintable(text.left(300)));
    QCOMPARE(contentOf(dir.filePath("root.inf")), QByteArray("old"));
}

void RootInfShellTest::startsBatchFilesWithWine()
{
    FakeWine wine;
    QTemporaryDir dir;
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
}

void RootInfShellTest::reportsWhatCannotBeStarted()
{
    QTemporaryDir dir;
    QCOMPARE(ShellOpenFile(dir.filePath("missing.bat"), "", ""), 2);
    putFile(dir.filePath("run.bat"), "@echo off\r\n");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()));
    const qint32 result = ShellOpenFile(dir.filePath("run.bat"), "", "");
    qputenv("PATH", path);
    QCOMPARE(result, 31);
}

QTEST_MAIN(RootInfShellTest)
#include "tst_rootinfshell.moc"

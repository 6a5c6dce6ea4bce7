#include "Project.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "TextEditor.h"
#include "frmDocument.h"
#include "frmMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A main window whose project folder is a fresh one, its dialogs answered from a script.
struct Session {
    Session()
    {
        Project::current().setProjectFolder(dir.path());
        main.show();
    }
    QString caption() const
    {
        return main.activeDocument() ? main.activeDocument()->windowTitle() : QString("<none>");
    }
    TextEditor& editor() const { return *main.activeDocument()->rtfText; }
    // Runs a menu command; its file dialog gets the answer given, or is cancelled.
    void run(void (frmMain::*command)(), const QString& answer = QString())
    {
        if (!answer.isEmpty())
            dialogs.answerFile(answer);
        (main.*command)();
    }
    QString file(const QString& name, const QByteArray& bytes) const
    {
        putFile(dir.filePath(name), bytes);
        return dir.filePath(name);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    frmMain main;
};

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void saveAsksOnlyForUntitledDocuments();
    void openAndSaveKeepEveryByte_data();
    void openAndSaveKeepEveryByte();
    void failuresAreReportedAndChangeNothing();
};

void FileCommandsTest::saveAsksOnlyForUntitledDocuments()
{
    Session s;
    // Without a document Save, Save As and Close do nothing.
    for (const auto command :
         {&frmMain::mnuFileSave_Click, &frmMain::mnuFileSaveAs_Click, &frmMain::mnuFileClose_Click})
        s.run(command);
    QCOMPARE(s.dialogs.fileDialogs.size(), 0);
    s.main.mnuFileNewC_Click();
    s.main.mnuFileNewRoot_Click();
    s.main.mnuFileClose_Click();
    s.main.mnuFileClose_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    s.main.mnuFileNewH_Click();
    s.editor().setText("int x;");
    // Cancelled dialogs write and open nothing.
    for (const auto command :
         {&frmMain::mnuFileSave_Click, &frmMain::mnuFileSaveAs_Click, &frmMain::mnuFileOpen_Click})
        s.run(command);
    QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files), QStringList{});
    // Both written, each under the name typed; the document stays untitled.
    for (const QString name : {"first", "second.h"}) {
        s.run(&frmMain::mnuFileSave_Click, s.dir.filePath(name));
        QCOMPARE(contentOf(s.dir.filePath(name)), QByteArray("int x;\r\n"));
    }
    QCOMPARE(s.caption(), QString("C Header File - Larkspan"));
    const FileDialogRequest asked = s.dialogs.fileDialogs.value(4);
    QCOMPARE(asked.kind, FileDialogKind::Save);
    // No name offered: a name from another file takes one Enter to overwrite.
    QCOMPARE(
        (QStringList{asked.title, asked.filter, asked.initialFolder, asked.fileName}),
        (QStringList{"Save", "C Header File (*.h)|*.h|All Files (*.*)|*.*", s.dir.path(), ""}));

    // Closed windows do not give their numbers back; Open makes a document to load into.
    s.main.mnuFileClose_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    s.main.mnuFileOpen_Click();
    QCOMPARE(s.caption(), QString("Document 4"));
    QCOMPARE(s.editor().Text(), QString());
    // A numbered caption counts as a path, relative to the current folder.
    s.editor().setText("numbered");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(s.dir.path());
    s.main.mnuFileSave_Click();
    QDir::setCurrent(previous);
    QCOMPARE(contentOf(s.dir.filePath("Document 4")), QByteArray("numbered\r\n"));

    // Open a file, save it as another, edit, save: the edit goes to the first file.
    // Save As offers the document's own file, in its own folder.
    QVERIFY(QDir(s.dir.path()).mkdir("src"));
    const QString original = QDir::toNativeSeparators(s.file("src/main.c", "old\r\n"));
    s.run(&frmMain::mnuFileOpen_Click, original);
    const QString copy = s.dir.filePath("copy.c");
    s.run(&frmMain::mnuFileSaveAs_Click, copy);
    const FileDialogRequest& saveAs = s.dialogs.fileDialogs.last();
    QCOMPARE(saveAs.fileName, original);
    QCOMPARE(QDir(saveAs.initialFolder), QDir(s.dir.filePath("src")));
    // A titled document keeps the filter of the dialog's last use: Open's.
    QCOMPARE(saveAs.filter, s.dialogs.fileDialogs.value(6).filter);
    s.editor().setText("new");
    s.main.mnuFileSave_Click();
    QCOMPARE(s.dialogs.fileDialogs.size(), 8);
    QCOMPARE(contentOf(original), QByteArray("new\r\n"));
    QCOMPARE(contentOf(copy), QByteArray("old\r\n\r\n"));
    QCOMPARE(s.caption(), original);
}

void FileCommandsTest::openAndSaveKeepEveryByte_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved");
    QByteArray all, saved;
    for (int b = 0; b < 256; ++b) {
        all.append(char(b));
        saved.append(b == '\n' || b == '\r' ? QByteArray("\r\n") : QByteArray(1, char(b)));
    }
    QTest::newRow("every byte") << all << saved + "\r\n";
    QTest::newRow("any line break")
        << QByteArray("unix\nmac\rdos\r\n") << QByteArray("unix\r\nmac\r\ndos\r\n\r\n");
    // Files are read a megabyte at a time.
    const QByteArray piece((1 << 20) - 1, 'x');
    QTest::newRow("CR LF across pieces") << piece + "\r\ny" << piece + "\r\ny\r\n";
    QTest::newRow("CR ends a piece") << piece + "\ry" << piece + "\r\ny\r\n";
    QTest::newRow("character across pieces") << piece + "\xe9y" << piece + "\xe9y\r\n";
    QTest::newRow("LF starts a piece") << piece + "x\ny" << piece + "x\r\ny\r\n";
}

void FileCommandsTest::openAndSaveKeepEveryByte()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    Session s;
    const QString path = s.file("bytes.inf", file);
    s.run(&frmMain::mnuFileOpen_Click, path);
    s.main.mnuFileSave_Click();
    QCOMPARE(contentOf(path), saved);
}

void FileCommandsTest::failuresAreReportedAndChangeNothing()
{
    Session s;
    s.main.mnuFileNewC_Click();
    const QString old = s.file("old.c", "old\r\n");
    // Saved a megabyte at a time: the line is counted across pieces.
    s.editor().setText("\n\n" + QString(1 << 20, u'x') + "snow \u2603");
    s.run(&frmMain::mnuFileSaveAs_Click, old);
    QVERIFY2(s.dialogs.messages.value(0).text.endsWith(
                 "line 3 holds the character \"\u2603\" (U+2603), which the code page "
                 "Windows-1252 cannot store"),
             qPrintable(s.dialogs.messages.value(0).text));
    QCOMPARE(contentOf(old), QByteArray("old\r\n"));

    const QString unwritable = s.dir.filePath("no folder/x.c");
    s.editor().setText("fine");
    s.run(&frmMain::mnuFileSaveAs_Click, unwritable);
    QVERIFY(s.dialogs.messages.value(1).text.contains(QDir::toNativeSeparators(unwritable)));
    s.run(&frmMain::mnuFileOpen_Click, s.dir.filePath("missing.c"));
    QCOMPARE(s.dialogs.messages.size(), 3);
    QCOMPARE(s.caption(), QString("C File - Larkspan"));

    // Open loads into the active document as one change, the failed Open made none.
    const QString path = s.file("loaded.c", "line 1\r\nline 2\r\n");
    s.run(&frmMain::mnuFileOpen_Click, path);
    QCOMPARE(s.main.documents().size(), 1);
    QCOMPARE(s.dialogs.fileDialogs.last().kind, FileDialogKind::Open);
    QCOMPARE(s.editor().Text(), QString("line 1\r\nline 2\r\n"));
    s.main.activeDocument()->Undo();
    QCOMPARE(s.editor().Text(), QString("fine"));
    QCOMPARE(s.caption(), path);
}

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"

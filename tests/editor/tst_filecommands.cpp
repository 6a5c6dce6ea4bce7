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
    void closeActive()
    {
        main.mnuFileClose_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    frmMain main;
};

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void documentsAreNumberedAndClosed();
    void saveAsksOnlyForUntitledDocuments();
    void openAndSaveKeepEveryByte_data();
    void openAndSaveKeepEveryByte();
    void openReplacesTheActiveText();
    void failedSavesAreReportedAndChangeNothing();
};

void FileCommandsTest::documentsAreNumberedAndClosed()
{
    Session s;
    // Without a document Save, Save As and Close do nothing.
    s.main.mnuFileSave_Click();
    s.main.mnuFileSaveAs_Click();
    s.main.mnuFileClose_Click();
    QCOMPARE(s.dialogs.fileDialogs.size(), 0);

    s.main.mnuFileNewC_Click();
    QCOMPARE(s.caption(), QString("C File - Larkspan"));
    s.main.mnuFileNewH_Click();
    QCOMPARE(s.caption(), QString("C Header File - Larkspan"));
    s.main.mnuFileNewRoot_Click();
    QCOMPARE(s.caption(), QString("Root.inf - Larkspan"));
    s.closeActive();
    QCOMPARE(s.main.documents().size(), 2);
    QCOMPARE(s.main.documents().last()->windowTitle(), QString("C Header File - Larkspan"));
    QVERIFY(s.main.activeDocument() != nullptr);

    // Closed windows do not give their numbers back; Open makes a document to load into.
    s.closeActive();
    s.closeActive();
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
}

void FileCommandsTest::saveAsksOnlyForUntitledDocuments()
{
    Session s;
    s.main.mnuFileNewH_Click();
    s.editor().setText("int x;");
    // Cancelled dialogs write and open nothing.
    s.main.mnuFileSave_Click();
    s.main.mnuFileSaveAs_Click();
    s.main.mnuFileOpen_Click();
    QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files), QStringList{});

    const QString first = s.dir.filePath("first");
    const QString second = s.dir.filePath("second.h");
    s.dialogs.answerFile(first);
    s.main.mnuFileSave_Click();
    s.dialogs.answerFile(second);
    s.main.mnuFileSave_Click();
    const FileDialogRequest asked = s.dialogs.fileDialogs.value(4);
    QCOMPARE(asked.kind, FileDialogKind::Save);
    QCOMPARE(asked.title, QString("Save"));
    QCOMPARE(asked.filter, QString("C Header File (*.h)|*.h|All Files (*.*)|*.*"));
    QCOMPARE(asked.initialFolder, s.dir.path());
    QCOMPARE(asked.fileName, QString()); // a name from another file takes one Enter to overwrite
    // Both written, each under the name typed; the document stays untitled.
    QCOMPARE(contentOf(first), QByteArray("int x;\r\n"));
    QCOMPARE(contentOf(second), QByteArray("int x;\r\n"));
    QCOMPARE(s.caption(), QString("C Header File - Larkspan"));

    // Open a file, save it as another, edit, save: the edit goes to the first file.
    // Save As offers the document's own file, in its own folder.
    QVERIFY(QDir(s.dir.path()).mkdir("src"));
    const QString original = QDir::toNativeSeparators(s.dir.filePath("src/main.c"));
    putFile(original, "old\r\n");
    s.dialogs.answerFile(original);
    s.main.mnuFileOpen_Click();
    const QString copy = s.dir.filePath("copy.c");
    s.dialogs.answerFile(copy);
    s.main.mnuFileSaveAs_Click();
    const FileDialogRequest& saveAs = s.dialogs.fileDialogs.last();
    QCOMPARE(saveAs.title, QString("Save As"));
    QCOMPARE(saveAs.fileName, original);
    QCOMPARE(QDir(saveAs.initialFolder), QDir(s.dir.filePath("src")));
    // A titled document keeps the filter of the dialog's last use: Open's.
    QCOMPARE(saveAs.filter, QString("C File (*.c)|*.c|C Header File (*.h)|*.h|Inf File (*.inf)|"
                                    "*.inf|All Files (*.*)|*.*"));
    s.editor().setText("new");
    s.main.mnuFileSave_Click();
    QCOMPARE(s.dialogs.fileDialogs.size(), 7);
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
    const QString path = s.dir.filePath("bytes.inf");
    putFile(path, file);
    s.dialogs.answerFile(path);
    s.main.mnuFileOpen_Click();
    s.main.mnuFileSave_Click();
    QCOMPARE(contentOf(path), saved);
}

void FileCommandsTest::openReplacesTheActiveText()
{
    Session s;
    s.main.mnuFileNewC_Click();
    QTest::keyClicks(&s.editor(), "old");
    const QString missing = s.dir.filePath("missing.c");
    s.dialogs.answerFile(missing);
    s.main.mnuFileOpen_Click();
    QVERIFY(s.dialogs.messages.value(0).text.contains(QDir::toNativeSeparators(missing)));
    QCOMPARE(s.caption(), QString("C File - Larkspan"));

    const QString path = s.dir.filePath("loaded.c");
    putFile(path, "line 1\r\nline 2\r\n");
    s.dialogs.answerFile(path);
    s.main.mnuFileOpen_Click();
    QCOMPARE(s.main.documents().size(), 1);
    QCOMPARE(s.dialogs.fileDialogs[1].title, QString("Open"));
    QCOMPARE(s.dialogs.fileDialogs[1].kind, FileDialogKind::Open);
    QCOMPARE(s.editor().Text(), QString("line 1\r\nline 2\r\n"));
    QCOMPARE(s.main.activeDocument()->LineCount, 3);

    // The load is one change, the failed one none: Undo brings the typed text back.
    s.main.activeDocument()->Undo();
    QCOMPARE(s.editor().Text(), QString("old"));
    QCOMPARE(s.caption(), path);
}

void FileCommandsTest::failedSavesAreReportedAndChangeNothing()
{
    Session s;
    s.main.mnuFileNewC_Click();
    const QString path = s.dir.filePath("old.c");
    putFile(path, "old\r\n");
    // Saved a megabyte at a time: the line is counted across pieces.
    s.editor().setText("\n\n" + QString(1 << 20, u'x') + "snow \u2603");
    s.dialogs.answerFile(path);
    s.main.mnuFileSaveAs_Click();
    QVERIFY2(s.dialogs.messages.value(0).text.endsWith(
                 "line 3 holds the character \"\u2603\" (U+2603), which the code page "
                 "Windows-1252 cannot store"),
             qPrintable(s.dialogs.messages.value(0).text));
    QCOMPARE(contentOf(path), QByteArray("old\r\n"));

    const QString unwritable = s.dir.filePath("no folder/x.c");
    s.editor().setText("fine");
    s.dialogs.answerFile(unwritable);
    s.main.mnuFileSaveAs_Click();
    QCOMPARE(s.dialogs.messages.size(), 2);
    QVERIFY(s.dialogs.messages[1].text.contains(QDir::toNativeSeparators(unwritable)));
    QCOMPARE(s.caption(), QString("C File - Larkspan"));
}

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"

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
    // The active document's caption and text, then the folder's files, each with its bytes.
    QString state() const
    {
        const frmDocument* document = main.activeDocument();
        QStringList parts{document ? document->windowTitle() + ": " + document->rtfText->Text()
                                   : "<none>"};
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            parts.append(name + '=' + contentOf(dir.filePath(name)));
        return parts.join(" | ");
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
    void saveAsksOnlyForUntitledDocuments()
    {
        Session s;
        // Without a document Save, Save As and Close do nothing; closed windows do not give
        // their numbers back.
        for (const auto command : {&frmMain::mnuFileSave_Click, &frmMain::mnuFileSaveAs_Click,
                                   &frmMain::mnuFileClose_Click, &frmMain::mnuFileNewC_Click,
                                   &frmMain::mnuFileNewRoot_Click, &frmMain::mnuFileClose_Click,
                                   &frmMain::mnuFileClose_Click, &frmMain::mnuFileNewH_Click})
            s.run(command);
        s.editor().setText("int x;");
        // Cancelled dialogs write and open nothing; both saves are written, each under the
        // name typed, and the document stays untitled.
        for (const auto command : {&frmMain::mnuFileSave_Click, &frmMain::mnuFileSaveAs_Click,
                                   &frmMain::mnuFileOpen_Click})
            s.run(command);
        for (const QString name : {"first", "second.h"})
            s.run(&frmMain::mnuFileSave_Click, s.dir.filePath(name));
        const QString saved = " | first=int x;\r\n | second.h=int x;\r\n";
        QCOMPARE(s.state(), "C Header File - Larkspan: int x;" + saved);
        const FileDialogRequest asked = s.dialogs.fileDialogs.value(4);
        QCOMPARE(asked.kind, FileDialogKind::Save);
        // No name offered: a name from another file takes one Enter to overwrite.
        QCOMPARE(
            (QStringList{asked.title, asked.filter, asked.initialFolder, asked.fileName}),
            (QStringList{"Save", "C Header File (*.h)|*.h|All Files (*.*)|*.*", s.dir.path(), ""}));

        // Open makes a document to load into; a numbered caption counts as a path, relative to
        // the current folder.
        s.main.mnuFileClose_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        s.main.mnuFileOpen_Click();
        QCOMPARE(s.state(), "Document 4: " + saved);
        s.editor().setText("numbered");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(s.dir.path());
        s.main.mnuFileSave_Click();
        QDir::setCurrent(previous);

        // Open a file, save it as another, edit, save: the edit goes to the first file.
        // Save As offers the document's own file, in its own folder.
        QVERIFY(QDir(s.dir.path()).mkdir("src"));
        const QString original = QDir::toNativeSeparators(s.file("src/main.c", "old\r\n"));
        s.run(&frmMain::mnuFileOpen_Click, original);
        s.run(&frmMain::mnuFileSaveAs_Click, s.dir.filePath("copy.c"));
        // A titled document keeps the filter of the dialog's last use: Open's.
        const FileDialogRequest& saveAs = s.dialogs.fileDialogs.last();
        QCOMPARE((QStringList{saveAs.fileName, QDir(saveAs.initialFolder).path(), saveAs.filter}),
                 (QStringList{original, s.dir.filePath("src"), s.dialogs.fileDialogs[6].filter}));
        s.editor().setText("new");
        s.main.mnuFileSave_Click();
        QCOMPARE(s.dialogs.fileDialogs.size(), 8);
        QCOMPARE(contentOf(original), QByteArray("new\r\n"));
        QCOMPARE(s.state(),
                 original + ": new | copy.c=old\r\n\r\n | Document 4=numbered\r\n" + saved);
    }

    void openAndSaveKeepEveryByte_data()
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

    void openAndSaveKeepEveryByte()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, saved);
        Session s;
        const QString path = s.file("bytes.inf", file);
        s.run(&frmMain::mnuFileOpen_Click, path);
        s.main.mnuFileSave_Click();
        QCOMPARE(contentOf(path), saved);
    }

    void failuresAreReportedAndChangeNothing()
    {
        Session s;
        s.main.mnuFileNewC_Click();
        // Saved a megabyte at a time: the line is counted across pieces.
        s.editor().setText("\n\n" + QString(1 << 20, u'x') + "snow \u2603");
        s.run(&frmMain::mnuFileSaveAs_Click, s.file("old.c", "old\r\n"));
        QVERIFY2(s.dialogs.messages.value(0).text.endsWith(
                     "line 3 holds the character \"\u2603\" (U+2603), which the code page "
                     "Windows-1252 cannot store"),
                 qPrintable(s.dialogs.messages.value(0).text));
        const QString unwritable = s.dir.filePath("no folder/x.c");
        s.editor().setText("fine");
        s.run(&frmMain::mnuFileSaveAs_Click, unwritable);
        QVERIFY(s.dialogs.messages.value(1).text.contains(QDir::toNativeSeparators(unwritable)));
        s.run(&frmMain::mnuFileOpen_Click, s.dir.filePath("missing.c"));
        QCOMPARE(s.dialogs.messages.size(), 3);
        QCOMPARE(s.state(), QString("C File - Larkspan: fine | old.c=old\r\n"));

        // Open loads into the active document as one change, the failed Open made none.
        const QString path = s.file("loaded.c", "line 1\r\nline 2\r\n");
        s.run(&frmMain::mnuFileOpen_Click, path);
        QCOMPARE(s.dialogs.fileDialogs.last().kind, FileDialogKind::Open);
        QCOMPARE(s.editor().Text(), QString("line 1\r\nline 2\r\n"));
        s.main.activeDocument()->Undo();
        QCOMPARE(s.state(), path + ": fine | loaded.c=line 1\r\nline 2\r\n | old.c=old\r\n");
    }
};

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"

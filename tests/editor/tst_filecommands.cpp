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

QString caption(const frmMain& main)
{
    return main.activeDocument() ? main.activeDocument()->windowTitle() : QString("<none>");
}

TextEditor& editor(const frmMain& main)
{
    return *main.activeDocument()->rtfText;
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newDocumentsAreNumberedAndTakeTheirKind();
    void saveAsksOnlyForUntitledDocuments();
    void savedBytesAreTextAndOneCrLf();
    void openAndSaveKeepEveryByte_data();
    void openAndSaveKeepEveryByte();
    void openReplacesTheActiveText();
    void cancelledDialogsChangeNothing();
    void failuresAreReportedAndChangeNothing();
    void closeAndCommandsWithoutDocument();

private:
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

void FileCommandsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    Project::current().setProjectFolder(m_dir->path());
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_main = std::make_unique<frmMain>();
    m_main->show();
}

void FileCommandsTest::cleanup()
{
    m_main.reset();
    m_dialogs.reset();
    m_dir.reset();
}

void FileCommandsTest::newDocumentsAreNumberedAndTakeTheirKind()
{
    frmMain& main = *m_main;
    main.mnuFileNewC_Click();
    QCOMPARE(caption(main), QString("C File - Larkspan"));
    main.mnuFileNewH_Click();
    QCOMPARE(caption(main), QString("C Header File - Larkspan"));
    main.mnuFileNewRoot_Click();
    QCOMPARE(caption(main), QString("Root.inf - Larkspan"));
    QCOMPARE(main.DocumentCount, 3);
    QCOMPARE(main.documents().size(), 3);

    // Closed windows do not give their numbers back.
    for (int i = 0; i < 3; ++i) {
        main.mnuFileClose_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(main.documents().size(), 0);
    m_dialogs->answerFile("");
    main.mnuFileOpen_Click();
    QCOMPARE(caption(main), QString("Document 4"));
    QCOMPARE(editor(main).Text(), QString());
}

void FileCommandsTest::saveAsksOnlyForUntitledDocuments()
{
    frmMain& main = *m_main;
    ScriptedDialogs& dialogs = *m_dialogs;
    main.mnuFileNewH_Click();
    editor(main).setText("int x;");
    const QString first = m_dir->filePath("first");
    const QString second = m_dir->filePath("second.h");
    dialogs.answerFile(first);
    main.mnuFileSave_Click();
    dialogs.answerFile(second);
    main.mnuFileSave_Click();
    QCOMPARE(dialogs.fileDialogs.size(), 2);
    const FileDialogRequest& asked = dialogs.fileDialogs[1];
    QCOMPARE(asked.kind, FileDialogKind::Save);
    QCOMPARE(asked.title, QString("Save"));
    QCOMPARE(asked.filter, QString("C Header File (*.h)|*.h|All Files (*.*)|*.*"));
    QCOMPARE(asked.initialFolder, m_dir->path());
    QCOMPARE(asked.fileName, QString()); // a name from another file takes one Enter to overwrite
    // Both written, each under the name typed; the document stays untitled.
    QCOMPARE(contentOf(first), QByteArray("int x;\r\n"));
    QCOMPARE(contentOf(second), QByteArray("int x;\r\n"));
    QCOMPARE(caption(main), QString("C Header File - Larkspan"));

    // Open a file, save it as another, edit, save: the edit goes to the first file.
    // Save As offers the document's own file, in its own folder.
    QVERIFY(QDir(m_dir->path()).mkdir("src"));
    const QString original = QDir::toNativeSeparators(m_dir->filePath("src/main.c"));
    putFile(original, "old\r\n");
    dialogs.answerFile(original);
    main.mnuFileOpen_Click();
    QCOMPARE(caption(main), original);
    const QString copy = m_dir->filePath("copy.c");
    dialogs.answerFile(copy);
    main.mnuFileSaveAs_Click();
    QCOMPARE(dialogs.fileDialogs.last().title, QString("Save As"));
    QCOMPARE(dialogs.fileDialogs.last().fileName, original);
    QCOMPARE(QDir(dialogs.fileDialogs.last().initialFolder), QDir(m_dir->filePath("src")));
    // A titled document keeps the filter of the dialog's last use: Open's.
    QCOMPARE(dialogs.fileDialogs.last().filter,
             QString("C File (*.c)|*.c|C Header File (*.h)|*.h|Inf File (*.inf)|*.inf|"
                     "All Files (*.*)|*.*"));
    editor(main).setText("new");
    const int askedBefore = int(dialogs.fileDialogs.size());
    main.mnuFileSave_Click();
    QCOMPARE(dialogs.fileDialogs.size(), askedBefore);
    QCOMPARE(contentOf(original), QByteArray("new\r\n"));
    QCOMPARE(contentOf(copy), QByteArray("old\r\n\r\n"));
    QCOMPARE(caption(main), original);

    // A numbered caption counts as a path, relative to the current folder.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    m_dialogs->answerFile("");
    main.mnuFileClose_Click();
    main.mnuFileClose_Click();
    main.mnuFileOpen_Click();
    editor(main).setText("numbered");
    main.mnuFileSave_Click();
    QDir::setCurrent(previous);
    QCOMPARE(contentOf(m_dir->filePath(caption(main))), QByteArray("numbered\r\n"));
}

void FileCommandsTest::savedBytesAreTextAndOneCrLf()
{
    frmMain& main = *m_main;
    main.mnuFileNewC_Click();
    editor(main).setText("a");
    const QString path = m_dir->filePath("a.c");
    m_dialogs->answerFile(path);
    main.mnuFileSave_Click();
    QCOMPARE(contentOf(path), QByteArray("a\r\n"));
    m_dialogs->answerFile(path);
    main.mnuFileOpen_Click();
    main.mnuFileSave_Click();
    QCOMPARE(contentOf(path), QByteArray("a\r\n\r\n"));
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
    const QString path = m_dir->filePath("bytes.inf");
    putFile(path, file);
    m_dialogs->answerFile(path);
    m_main->mnuFileOpen_Click();
    m_main->mnuFileSave_Click();
    QCOMPARE(contentOf(path), saved);
}

void FileCommandsTest::openReplacesTheActiveText()
{
    frmMain& main = *m_main;
    main.mnuFileNewC_Click();
    QTest::keyClicks(main.activeDocument()->rtfText, "old");
    const QString path = m_dir->filePath("loaded.c");
    putFile(path, "line 1\r\nline 2\r\n");
    m_dialogs->answerFile(path);
    main.mnuFileOpen_Click();
    QCOMPARE(main.documents().size(), 1);
    QCOMPARE(m_dialogs->fileDialogs[0].title, QString("Open"));
    QCOMPARE(m_dialogs->fileDialogs[0].kind, FileDialogKind::Open);
    QCOMPARE(m_dialogs->fileDialogs[0].initialFolder, m_dir->path());
    QCOMPARE(editor(main).Text(), QString("line 1\r\nline 2\r\n"));
    QCOMPARE(main.activeDocument()->LineCount, 3);

    // The load is one change: Undo brings the old text back, the caption stays.
    main.activeDocument()->Undo();
    QCOMPARE(editor(main).Text(), QString("old"));
    QCOMPARE(caption(main), path);
}

void FileCommandsTest::cancelledDialogsChangeNothing()
{
    frmMain& main = *m_main;
    main.mnuFileNewC_Click();
    editor(main).setText("text");
    main.mnuFileSave_Click();
    main.mnuFileSaveAs_Click();
    main.mnuFileOpen_Click();
    QCOMPARE(m_dialogs->fileDialogs.size(), 3);
    QCOMPARE(caption(main), QString("C File - Larkspan"));
    QCOMPARE(editor(main).Text(), QString("text"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{});
    QCOMPARE(main.documents().size(), 1);
}

void FileCommandsTest::failuresAreReportedAndChangeNothing()
{
    frmMain& main = *m_main;
    main.mnuFileNewC_Click();
    editor(main).setText("kept");
    const QString missing = m_dir->filePath("missing.c");
    m_dialogs->answerFile(missing);
    main.mnuFileOpen_Click();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY(m_dialogs->messages[0].text.contains(QDir::toNativeSeparators(missing)));
    QCOMPARE(editor(main).Text(), QString("kept"));
    QCOMPARE(caption(main), QString("C File - Larkspan"));

    const QString path = m_dir->filePath("old.c");
    putFile(path, "old\r\n");
    // Saved a megabyte at a time: the line is counted across pieces.
    editor(main).setText("\n\n" + QString(1 << 20, u'x') + "snow \u2603");
    m_dialogs->answerFile(path);
    main.mnuFileSaveAs_Click();
    QCOMPARE(m_dialogs->messages.size(), 2);
    QVERIFY2(m_dialogs->messages[1].text.endsWith("line 3 holds the character \"\u2603\" (U+2603), "
                                                  "which the code page Windows-1252 cannot store"),
             qPrintable(m_dialogs->messages[1].text));
    QCOMPARE(contentOf(path), QByteArray("old\r\n"));

    const QString unwritable = m_dir->filePath("no folder/x.c");
    editor(main).setText("fine");
    m_dialogs->answerFile(unwritable);
    main.mnuFileSaveAs_Click();
    QCOMPARE(m_dialogs->messages.size(), 3);
    QVERIFY(m_dialogs->messages[2].text.contains(QDir::toNativeSeparators(unwritable)));
    QCOMPARE(caption(main), QString("C File - Larkspan"));
}

void FileCommandsTest::closeAndCommandsWithoutDocument()
{
    frmMain& main = *m_main;
    main.mnuFileSave_Click();
    main.mnuFileSaveAs_Click();
    main.mnuFileClose_Click();
    QCOMPARE(m_dialogs->fileDialogs.size(), 0);
    QCOMPARE(main.documents().size(), 0);

    main.mnuFileNewC_Click();
    main.mnuFileNewH_Click();
    main.mnuFileNewRoot_Click();
    main.mnuFileClose_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(main.documents().size(), 2);
    QVERIFY(main.activeDocument() != nullptr);
    QVERIFY(caption(main) != QString("Root.inf - Larkspan"));
}

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"

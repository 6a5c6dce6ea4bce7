#include "Artwork.h"
#include "CommonDialog.h"
#include "DriveList.h"
#include "LoadedWindows.h"
#include "ScriptedDialogs.h"
#include "TextEditor.h"
#include "Toolkit.h"
#include "frmConvert.h"
#include "frmDialog.h"
#include "frmDocument.h"
#include "frmImport.h"
#include "frmMain.h"
#include "frmProject.h"
#include "frmSplash.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

frmMain* mainWindow()
{
    return LoadedWindows::instance().find<frmMain>();
}

TextEditor& editor()
{
    return *mainWindow()->activeDocument()->rtfText;
}

// The menu as lines "name|caption|shortcut", submenu items indented by two blanks a level.
void describe(const QMenu& menu, int depth, QStringList& lines)
{
    for (const QAction* action : menu.actions()) {
        lines.append(QString(depth * 2, u' ') + action->objectName() + u'|' +
                     (action->isSeparator() ? QString("-") : action->text()) + u'|' +
                     action->shortcut().toString());
        if (action->menu())
            describe(*action->menu(), depth + 1, lines);
    }
}

QString pdfText(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", pdf, "-"});
    pdftotext.waitForFinished(20000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

} // namespace

// One run of the program, from start-up to exit, in order.
class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void startsWithTheSplashOnly();
    void panelClickOpensTheMainWindow();
    void menuBarIsTheCommandTable();
    void menuKeysReachTheMenuCommands();
    void clipboardCommands();
    void printingAndPageSetup();
    void helpAndAbout();
    void everyControlHasAnAccessibleName();
    void exitEndsTheProgram();
};

// Run alone, a test first does what the tests before it would have done.
void ShellTest::init()
{
    const QByteArray test = QTest::currentTestFunction();
    if (test != "startsWithTheSplashOnly" && LoadedWindows::instance().count() == 0)
        startsWithTheSplashOnly();
    if (test != "startsWithTheSplashOnly" && test != "panelClickOpensTheMainWindow" &&
        !mainWindow())
        panelClickOpensTheMainWindow();
}

void ShellTest::startsWithTheSplashOnly()
{
    Main();
    const QList<QWidget*> loaded = LoadedWindows::instance().windows();
    QCOMPARE(loaded.size(), 1);
    auto* splash = qobject_cast<frmSplash*>(loaded[0]);
    QVERIFY(splash && splash->isVisible());
    QCOMPARE(splash->Label1->text(), QString("Larkspan"));
    QCOMPARE(splash->Image1->pixmap().deviceIndependentSize(), QSizeF(207, 254));
    // Painted with as many pixels as the screen has, the pictures stay sharp.
    QCOMPARE(splashPicture(2).size(), QSize(414, 508));
    QCOMPARE(splashPicture(2).devicePixelRatio(), 2);
    for (const QIcon& icon : {mainWindowIcon(), documentWindowIcon()})
        QCOMPARE(icon.pixmap(QSize(16, 16), 2).size(), QSize(32, 32));
    // A click on what the panel holds does nothing.
    for (QLabel* label : {splash->Label1, splash->Label2, splash->Label3, splash->Image1})
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(mainWindow(), nullptr);
}

void ShellTest::panelClickOpensTheMainWindow()
{
    frmSplash* splash = LoadedWindows::instance().find<frmSplash>();
    QTest::mouseClick(splash->Frame1, Qt::LeftButton, {}, QPoint(4, 4));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(LoadedWindows::instance().find<frmSplash>(), nullptr);
    frmMain* main = mainWindow();
    QVERIFY(main && main->isVisible());
    QCOMPARE(main->windowTitle(), QString("Larkspan"));
    QCOMPARE(main->documents().size(), 1);
    QCOMPARE(main->activeDocument()->windowTitle(), QString("C File - Larkspan"));
    QCOMPARE(main->DocumentCount, 1);
    QCOMPARE(editor().Text(), QString());
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
}

void ShellTest::menuBarIsTheCommandTable()
{
    QStringList lines;
    for (const QAction* top : mainWindow()->menuBar()->actions()) {
        lines.append(top->objectName() + u'|' + top->text() + u'|');
        describe(*top->menu(), 1, lines);
    }
    // The table's levels become menus, submenus and items, each with its name, caption and
    // shortcut, separators included.
    QCOMPARE(lines.size(), 35);
    for (const char* line :
         {"mnuFile|&File|", "  mnuFileNew|&New|", "    mnuFileNewRoot|&Root File|",
          "  mnuFileOpen|&Open...|Ctrl+O", "  mnuFileBar0|-|", "  mnuEditRedo|&Redo|Ctrl+Y",
          "  mnuHelpAbout|&About |"})
        QVERIFY2(lines.contains(line), line);

    // All Windows does nothing; Project Explorer shows the explorer, which has no menu bar.
    const int loaded = int(LoadedWindows::instance().count());
    mainWindow()->findChild<QAction*>("mnuViewAll")->trigger();
    QCOMPARE(LoadedWindows::instance().count(), loaded);
    mainWindow()->findChild<QAction*>("mnuViewProject")->trigger();
    frmProject* explorer = LoadedWindows::instance().find<frmProject>();
    QVERIFY(explorer && explorer->isVisible());
    QCOMPARE(explorer->findChild<QMenuBar*>(), nullptr);
    mainWindow()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
}

void ShellTest::menuKeysReachTheMenuCommands()
{
    frmMain& main = *mainWindow();
    QSignalSpy undo(main.findChild<QAction*>("mnuEditUndo"), &QAction::triggered);
    QSignalSpy paste(main.findChild<QAction*>("mnuEditPaste"), &QAction::triggered);
    QTest::keyClicks(&editor(), "ab");
    QTest::keyClick(&editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(undo.count(), 1);
    QCOMPARE(editor().Text(), QString("a"));
    Toolkit::ClipboardSetText("pasted");
    QTest::keyClick(&editor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(paste.count(), 1);
    QCOMPARE(editor().Text(), QString("apasted"));
    // One change: one Undo takes the paste back.
    QTest::keyClick(&editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor().Text(), QString("a"));
    QTest::keyClick(&editor(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(editor().Text(), QString("apasted"));
    // The widget's own clipboard keys do nothing.
    QTest::keyClick(&editor(), Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(editor().Text(), QString("apasted"));

    // While another top-level window is active the menu keys do nothing.
    main.mnuViewProject_Click();
    frmProject& explorer = *LoadedWindows::instance().find<frmProject>();
    QVERIFY(QTest::qWaitForWindowActive(&explorer));
    QTest::keyClick(&explorer, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(paste.count(), 1);
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
}

void ShellTest::clipboardCommands()
{
    frmMain& main = *mainWindow();
    editor().setText("one\r\ntwo");
    main.mnuEditSelectAll_Click();
    QCOMPARE(editor().SelLength(), 8);
    main.menuBar()->setFocus();
    main.mnuEditCopy_Click();
    QCOMPARE(Toolkit::ClipboardGetText(), QString("one\r\ntwo"));
    // The caret is back in the editor, ready for typing.
    QCOMPARE(QApplication::focusWidget(), &editor());

    // Copy and Cut with nothing selected empty the clipboard.
    editor().setSelStart(0);
    main.mnuEditCopy_Click();
    QCOMPARE(Toolkit::ClipboardGetText(), QString());
    Toolkit::ClipboardSetText("kept?");
    main.mnuEditCut_Click();
    QCOMPARE(Toolkit::ClipboardGetText(), QString());
    QCOMPARE(editor().Text(), QString("one\r\ntwo"));

    editor().setSelStart(0);
    editor().setSelLength(5);
    main.mnuEditCut_Click();
    QCOMPARE(Toolkit::ClipboardGetText(), QString("one\r\n"));
    QCOMPARE(editor().Text(), QString("two"));
    main.mnuEditUndo_Click();
    QCOMPARE(editor().Text(), QString("one\r\ntwo"));

    // Paste of an empty clipboard deletes the selection.
    Toolkit::ClipboardClear();
    editor().setSelStart(0);
    editor().setSelLength(3);
    main.mnuEditPaste_Click();
    QCOMPARE(editor().Text(), QString("\r\ntwo"));

    editor().setText("");
    main.menuBar()->setFocus();
    main.mnuEditSelectAll_Click();
    QCOMPARE(editor().SelStart(), 0);
    QCOMPARE(editor().SelLength(), 0);
    QCOMPARE(QApplication::focusWidget(), &editor());
}

void ShellTest::printingAndPageSetup()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QFAIL("pdftotext is needed (Debian package poppler-utils)");
    frmMain& main = *mainWindow();
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    editor().setText("first line\r\nsecond line\r\nthird line");
    editor().setSelStart(12);
    editor().setSelLength(11);
    // What is printed follows the editor's selection, not the range picked in the dialog.
    dialogs.answerPrinter(true, dir.filePath("selection.pdf"), false);
    main.mnuFilePrint_Click();
    QCOMPARE(dialogs.printerDialogs[0].title, QString("Print"));
    QCOMPARE(dialogs.printerDialogs[0].options, 265);
    QCOMPARE(dialogs.printerDialogs[0].cancelError, true);
    // The printout holds the selection only (and a page number).
    QCOMPARE(pdfText(dir.filePath("selection.pdf")), QString("second line 1"));

    // Page Setup keeps the options the last Print set.
    main.mnuFilePageSetup_Click();
    QCOMPARE(dialogs.printerDialogs[1].title, QString("Page Setup"));
    QCOMPARE(dialogs.printerDialogs[1].options, 265);

    editor().setSelStart(0);
    dialogs.answerPrinter(true, dir.filePath("whole.pdf"), true);
    main.mnuFilePrint_Click();
    QCOMPARE(dialogs.printerDialogs[2].options, 264);
    QCOMPARE(pdfText(dir.filePath("whole.pdf")), QString("first line second line third line 1"));

    // Cancelled, nothing is printed.
    dialogs.answerPrinter(false);
    main.mnuFilePrint_Click();
    QCOMPARE(dialogs.printerDialogs.size(), 4);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

void ShellTest::helpAndAbout()
{
    frmMain& main = *mainWindow();
    ScriptedDialogs dialogs;
    // Qt shows a maximised document's caption in the main window's title meanwhile.
    main.activeDocument()->showMaximized();
    main.mnuHelpContents_Click();
    main.activeDocument()->showNormal();
    main.mnuHelpSearchForHelpOn_Click();
    QCOMPARE(dialogs.messages.size(), 2);
    for (const MessageBoxRequest& message : dialogs.messages) {
        QCOMPARE(message.text, QString("Unable to display Help Contents. There is no Help "
                                       "associated with this project."));
        QCOMPARE(message.icon, MsgBoxIcon::Information);
        QCOMPARE(message.title, QString("Larkspan"));
    }

    main.mnuHelpAbout_Click();
    main.mnuHelpAbout_Click();
    const QList<QWidget*> loaded = LoadedWindows::instance().windows();
    QCOMPARE(std::count_if(loaded.cbegin(), loaded.cend(),
                           [](QWidget* w) { return qobject_cast<frmSplash*>(w); }),
             1);
    frmSplash* splash = LoadedWindows::instance().find<frmSplash>();
    QVERIFY(splash->isVisible());
    QTest::mouseClick(splash->Frame1, Qt::LeftButton, {}, QPoint(4, 4));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(LoadedWindows::instance().find<frmSplash>(), nullptr);
    QCOMPARE(main.documents().size(), 1);
}

void ShellTest::everyControlHasAnAccessibleName()
{
    frmMain& main = *mainWindow();
    LoadedWindows& windows = LoadedWindows::instance();
    for (frmDocument* document : main.documents())
        document->close();
    main.mnuFileNewC_Click();
    main.mnuHelpAbout_Click();
    windows.form<frmProject>().show();
    windows.form<frmDialog>().show();
    windows.form<frmImport>().show();
    windows.form<frmConvert>().show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Every control the keyboard reaches in each window, on hidden pages too, as a screen reader
    // names it.
    QStringList names;
    for (QWidget* window : windows.windows()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (window->isWindow() && control->window() == window &&
                control->focusPolicy() & Qt::TabFocus)
                names.append(QString("%1/%2: %3")
                                 .arg(window->objectName(), control->objectName(),
                                      QAccessible::queryAccessibleInterface(control)->text(
                                          QAccessible::Name)));
        }
    }
    names.sort();
    QCOMPARE(names,
             QStringList({"frmConvert/Command1: Convert", "frmConvert/Command2: Cancel",
                          "frmConvert/File1: Convert", "frmConvert/Text1: To",
                          "frmDialog/Command1: Project Properties",
                          "frmDialog/Command3: Config Root.inf", "frmDialog/Command4: OK",
                          "frmDialog/Command5: OK", "frmDialog/Command6: Create",
                          "frmDialog/Dir1: Project folder",
                          "frmDialog/Option1: Use Root.inf file and compile with project",
                          "frmDialog/Option2: Create Root.inf file using Wizard",
                          "frmDialog/Text1: Project Name", "frmDialog/Text2: Output App Name",
                          "frmDialog/Text3: Output Path:", "frmDialog/Text4: Copyright Info",
                          "frmDialog/Text5: App Type (game/app)", "frmDialog/Text6: Halvos Version",
                          "frmDialog/Text7: Version", "frmDialog/Text8: Name",
                          "frmImport/Command1: Import To Project", "frmImport/Dir1: Source folder",
                          // On Linux, Qt names a drop-down list by its choice.
                          "frmImport/Drive1: " + windows.form<frmImport>().Drive1->currentText(),
                          "frmImport/File1: Source file", "frmMain/frmDocument: C File - Larkspan",
                          "frmMain/rtfText: Editor: C File - Larkspan",
                          "frmProject/File2: Project Folder", "frmProject/List1: Project Files:"}));
    // The editor's name follows its document's caption.
    main.activeDocument()->setWindowTitle("/home/me/main.c");
    QCOMPARE(QAccessible::queryAccessibleInterface(&editor())->text(QAccessible::Name),
             QString("Editor: /home/me/main.c"));
}

void ShellTest::exitEndsTheProgram()
{
    frmMain& main = *mainWindow();
    QSignalSpy ended(&LoadedWindows::instance(), &LoadedWindows::allUnloaded);
    QTest::keyClicks(&editor(), "unsaved");
    main.mnuFileNewH_Click();
    // Scrolling the smaller workspace brings the new window's status bar in.
    main.resize(main.width() - 80, main.height() - 80);
    const QWidget& workspace = *main.findChild<QMdiArea*>()->viewport();
    QScrollBar& scroll = *main.findChild<QMdiArea*>()->verticalScrollBar();
    scroll.setValue(scroll.maximum());
    const QWidget& status = *main.activeDocument()->findChild<QWidget*>("StatusBar1");
    QCOMPARE_LE(status.mapTo(&workspace, QPoint(0, status.height())).y(), workspace.height());
    LoadedWindows::instance().form<frmDialog>().show();
    ScriptedDialogs dialogs;
    // With no document, the document commands do nothing; Page Setup still shows its dialog.
    main.mnuFileClose_Click();
    main.mnuFileClose_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(main.documents().size(), 0);
    Toolkit::ClipboardSetText("kept");
    for (auto command :
         {&frmMain::mnuFilePrint_Click, &frmMain::mnuEditUndo_Click, &frmMain::mnuEditRedo_Click,
          &frmMain::mnuEditCut_Click, &frmMain::mnuEditCopy_Click, &frmMain::mnuEditPaste_Click,
          &frmMain::mnuEditSelectAll_Click})
        (main.*command)();
    QCOMPARE(dialogs.printerDialogs.size(), 0);
    QCOMPARE(Toolkit::ClipboardGetText(), QString("kept"));
    main.mnuFilePageSetup_Click();
    QCOMPARE(dialogs.printerDialogs.size(), 1);
    main.mnuFileNewC_Click();
    QTest::keyClicks(&editor(), "unsaved too");

    main.showMinimized();
    main.findChild<QAction*>("mnuFileExit")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(dialogs.messages.size() + dialogs.fileDialogs.size(), 0);
    QCOMPARE(LoadedWindows::instance().count(), 0);
    QCOMPARE(ended.count(), 1);
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"

#include "Artwork.h"
#include "CommonDialog.h"
#include "DriveList.h"
#include "LoadedWindows.h"
#include "Project.h"
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

// The menus' captions and, in display order, the items that run a command.
void walk(QAction& action, QStringList& menus, QList<QAction*>& items)
{
    if (action.menu()) {
        menus.append(action.text());
        for (QAction* child : action.menu()->actions())
            walk(*child, menus, items);
    } else if (!action.isSeparator()) {
        items.append(&action);
    }
}

// What a person sees of the program, a "part=value" each.
QStringList observe(const ScriptedDialogs& dialogs)
{
    const frmMain& main = *mainWindow();
    const frmDocument* document = main.activeDocument();
    QStringList windows, asked;
    for (const QWidget* window : LoadedWindows::instance().windows()) {
        if (window->isWindow() && window->isVisible() && window != &main)
            windows.append(window->objectName());
    }
    for (const FileDialogRequest& file : dialogs.fileDialogs)
        asked.append(file.title + u' ' + file.filter.section(u'|', 0, 0));
    for (const PrinterDialogRequest& printer : dialogs.printerDialogs)
        asked.append(printer.title);
    for (const MessageBoxRequest& message : dialogs.messages)
        asked.append(message.title);
    return {"docs=" + QString::number(main.documents().size()),
            "doc=" + (document ? document->windowTitle() : QString()),
            "text=" + (document ? document->rtfText->Text() : QString()),
            "sel=" + (document ? document->rtfText->SelText() : QString()),
            "clip=" + Toolkit::ClipboardGetText(),
            "project=" + Project::current().ProjectName(),
            "windows=" + windows.join(u','),
            "asked=" + asked.join(u',')};
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
    void menuCommandsReachTheirHandlers();
    void editCommands();
    void printingAndPageSetup();
    void helpAndAbout();
    void everyControlHasAnAccessibleName();
    void exitEndsTheProgram();
};

// Run alone, a test first does what the tests before it would have done.
void ShellTest::init()
{
    const QByteArray test = QTest::currentTestFunction();
    // The start-up tests begin from a program with no window, whatever ran before them.
    LoadedWindows& windows = LoadedWindows::instance();
    while ((test == "startsWithTheSplashOnly" || test == "panelClickOpensTheMainWindow") &&
           windows.count() > 0)
        windows.unload(windows.windows().constLast());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (test != "startsWithTheSplashOnly" && LoadedWindows::instance().count() == 0)
        startsWithTheSplashOnly();
    if (test != "startsWithTheSplashOnly" && test != "panelClickOpensTheMainWindow" &&
        !mainWindow())
        panelClickOpensTheMainWindow();
    // The menu keys work in the active window only.
    if (frmMain* main = mainWindow()) {
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
    }
}

void ShellTest::startsWithTheSplashOnly()
{
    Main();
    const QList<QWidget*> loaded = LoadedWindows::instance().windows();
    QCOMPARE(loaded.size(), 1);
    auto* splash = qobject_cast<frmSplash*>(loaded[0]);
    QVERIFY(splash && splash->isVisible());
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
    QCOMPARE(editor().Text(), QString());
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
}

// Every command of the menu, in display order, with what it does to the state below.
void ShellTest::menuCommandsReachTheirHandlers()
{
    struct Command {
        const char* name;
        const char* caption;
        const char* keys;
        const char* effect;
    };
    const Command commands[] = {
        {"mnuFileNewProject", "&Project", "", "project="},
        {"mnuFileNewC", "&C Source File", "", "docs=2 text= sel="},
        {"mnuFileNewH", "&C Header File", "", "docs=3 doc=C Header File - Larkspan text= sel="},
        {"mnuFileNewRoot", "&Root File", "", "docs=4 doc=Root.inf - Larkspan text= sel="},
        {"mnuFileOpen", "&Open...", "Ctrl+O", "asked=Open C File (*.c)"},
        {"mnuFileOpenProject", "Open Pro&ject", "", "asked=Open LKS Project Files (*.cpf)"},
        {"mnuFileClose", "&Close", "", "docs=3 doc=C File - Larkspan"},
        {"mnuFileSave", "&Save", "Ctrl+S", "asked=Save C File (*.c)"},
        {"mnuFileSaveProject", "&Save P&roject", "", "asked=Save As LKS Project Files (*.cpf)"},
        {"mnuFileSaveAs", "Save &As...", "", "asked=Save As C File (*.c)"},
        {"mnuFilePageSetup", "Page Set&up...", "", "asked=Page Setup"},
        {"mnuFilePrint", "&Print...", "Ctrl+P", "asked=Print"},
        {"mnuFileExit", "E&xit", "", "(exitEndsTheProgram)"},
        {"mnuEditUndo", "&Undo", "Ctrl+Z", "text= sel="},
        {"mnuEditRedo", "&Redo", "Ctrl+Y", "text=one two sel="},
        {"mnuEditCut", "Cu&t", "Ctrl+X; Shift+Del", "text=e sel= clip=on"},
        {"mnuEditCopy", "&Copy", "Ctrl+C; Ctrl+Ins", "clip=on"},
        {"mnuEditPaste", "&Paste", "Ctrl+V; Shift+Ins", "text=clipe sel="},
        {"mnuEditSelectAll", "&Select All", "Ctrl+A", "sel=one"},
        {"mnuViewAll", "&All Windows", "", ""},
        {"mnuViewProject", "&Project Explorer", "", "windows=frmProject"},
        {"mnuHelpContents", "&Contents", "", "asked=Larkspan"},
        {"mnuHelpSearchForHelpOn", "&Search For Help On...", "", "asked=Larkspan"},
        {"mnuHelpAbout", "&About ", "", "windows=frmProject,frmSplash"},
    };
    frmMain& main = *mainWindow();
    for (frmDocument* document : main.documents())
        document->close();
    for (QWidget* window : LoadedWindows::instance().windows())
        window->setVisible(window == &main);
    main.mnuFileNewC_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList menus;
    QList<QAction*> items;
    for (QAction* top : main.menuBar()->actions())
        walk(*top, menus, items);
    QCOMPARE(menus.join(u' '), QString("&File &New &Edit &View &Help"));
    QCOMPARE(items.size(), std::size(commands));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const Command& command = commands[i];
        QAction& item = *items[i];
        QCOMPARE(item.objectName(), QString(command.name));
        QCOMPARE(item.text(), QString(command.caption));
        QCOMPARE(QKeySequence::listToString(item.shortcuts()), QString(command.keys));
        if (item.objectName() == u"mnuFileExit")
            continue;
        // The item, then each of its keys, from the same state.
        QSignalSpy triggered(&item, &QAction::triggered);
        for (qsizetype way = 0; way <= item.shortcuts().size(); ++way) {
            ScriptedDialogs dialogs;
            // Two undo steps, the second undone, and "on" selected.
            Project::current().setProjectName("demo");
            Toolkit::ClipboardSetText("clip");
            for (const char* text : {"", "one", "one two"})
                editor().setText(text);
            main.activeDocument()->Undo();
            editor().setSelStart(0);
            editor().setSelLength(2);
            const QStringList before = observe(dialogs);
            if (way == 0)
                item.trigger();
            else
                QTest::keySequence(&editor(), item.shortcuts()[way - 1]);
            QCOMPARE(triggered.count(), way + 1);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QStringList changed = observe(dialogs);
            changed.removeIf([&](const QString& part) { return before.contains(part); });
            QCOMPARE(changed.join(u' '), QString(command.effect));
        }
    }
    QCOMPARE(LoadedWindows::instance().find<frmProject>()->findChild<QMenuBar*>(), nullptr);
}

void ShellTest::editCommands()
{
    frmMain& main = *mainWindow();
    TextEditor& text = editor();
    // A paste is one change: one Undo takes it back.
    text.setText("a");
    text.setSelStart(1);
    Toolkit::ClipboardSetText("pasted");
    main.mnuEditPaste_Click();
    QCOMPARE(text.Text(), QString("apasted"));
    main.mnuEditUndo_Click();
    QCOMPARE(text.Text(), QString("a"));

    // Copied text keeps its line breaks; the caret is back in the editor, ready for typing.
    text.setText("one\r\ntwo");
    main.mnuEditSelectAll_Click();
    main.menuBar()->setFocus();
    main.mnuEditCopy_Click();
    QCOMPARE(Toolkit::ClipboardGetText(), QString("one\r\ntwo"));
    QCOMPARE(QApplication::focusWidget(), &text);
    // Copy and Cut with nothing selected empty the clipboard.
    text.setSelStart(0);
    main.mnuEditCopy_Click();
    QCOMPARE(Toolkit::ClipboardGetText(), QString());
    Toolkit::ClipboardSetText("kept?");
    main.mnuEditCut_Click();
    QCOMPARE(Toolkit::ClipboardGetText(), QString());
    QCOMPARE(text.Text(), QString("one\r\ntwo"));
    text.setSelLength(5);
    main.mnuEditCut_Click();
    QCOMPARE(Toolkit::ClipboardGetText(), QString("one\r\n"));
    main.mnuEditUndo_Click();
    QCOMPARE(text.Text(), QString("one\r\ntwo"));
    // Paste of an empty clipboard deletes the selection.
    Toolkit::ClipboardClear();
    text.setSelStart(0);
    text.setSelLength(3);
    main.mnuEditPaste_Click();
    QCOMPARE(text.Text(), QString("\r\ntwo"));
    text.setText("");
    main.menuBar()->setFocus();
    main.mnuEditSelectAll_Click();
    QCOMPARE(text.SelLength(), 0);
    QCOMPARE(QApplication::focusWidget(), &text);

    // While another top-level window is active the menu keys do nothing.
    main.mnuViewProject_Click();
    frmProject& explorer = *LoadedWindows::instance().find<frmProject>();
    QVERIFY(QTest::qWaitForWindowActive(&explorer));
    QSignalSpy paste(main.findChild<QAction*>("mnuEditPaste"), &QAction::triggered);
    QTest::keyClick(&explorer, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(paste.count(), 0);
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
    QCOMPARE(dialogs.printerDialogs[0].options, 265);
    QCOMPARE(dialogs.printerDialogs[0].cancelError, true);
    // The printout holds the selection only (and a page number).
    QCOMPARE(pdfText(dir.filePath("selection.pdf")), QString("second line 1"));

    // Page Setup keeps the options the last Print set.
    main.mnuFilePageSetup_Click();
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
    const qsizetype documents = main.documents().size();
    ScriptedDialogs dialogs;
    // Qt shows a maximised document's caption in the main window's title meanwhile.
    main.activeDocument()->showMaximized();
    main.mnuHelpContents_Click();
    main.activeDocument()->showNormal();
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QString("Unable to display Help Contents. There is no "
                                               "Help associated with this project."));
    QCOMPARE(dialogs.messages[0].icon, MsgBoxIcon::Information);
    QCOMPARE(dialogs.messages[0].title, QString("Larkspan"));

    // About shows the one splash panel, twice asked or not.
    main.mnuHelpAbout_Click();
    const qsizetype loaded = LoadedWindows::instance().count();
    main.mnuHelpAbout_Click();
    QCOMPARE(LoadedWindows::instance().count(), loaded);
    frmSplash* splash = LoadedWindows::instance().find<frmSplash>();
    QVERIFY(splash->isVisible());
    QTest::mouseClick(splash->Frame1, Qt::LeftButton, {}, QPoint(4, 4));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(LoadedWindows::instance().find<frmSplash>(), nullptr);
    QCOMPARE(main.documents().size(), documents);
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

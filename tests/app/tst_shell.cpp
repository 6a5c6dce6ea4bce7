#include "Artwork.h"
#include "CommonDialog.h"
#include "FileListBox.h"
#include "LoadedWindows.h"
#include "MarkedText.h"
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

#include <QtPrintSupport>
#include <QtTest>

// The program as a person meets it, and the toolkit under it: the shared dialog object in front
// of Qt's real dialogs, read while they are open, and the list of loaded windows.
class ShellTest : public QObject {
    Q_OBJECT

    static LoadedWindows& loaded() { return LoadedWindows::instance(); }
    static frmMain& mainForm() { return *loaded().find<frmMain>(); }
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static auto* a11y(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
    static void unloadAll()
    {
        while (loaded().count() > 0)
            loaded().unload(loaded().windows().constLast());
        flush();
    }

    // The active document's editor, made to hold `text` when given, written as marked() shows it.
    static TextEditor& editor(const char* text = nullptr)
    {
        TextEditor& editor = *mainForm().activeDocument()->rtfText;
        if (text)
            setMarked(editor, text);
        return editor;
    }

    // The main window alone, with one new C document.
    static frmMain& mainWithOneDocument()
    {
        frmMain& main = mainForm();
        for (frmDocument* document : main.documents())
            document->close();
        for (QWidget* window : loaded().windows())
            window->setVisible(window == &main);
        main.mnuFileNewC_Click();
        flush();
        return main;
    }

    // The menus' captions and, in display order, the items that run a command.
    static void walk(const QList<QAction*>& actions, QStringList& menus, QList<QAction*>& items)
    {
        for (QAction* action : actions) {
            if (action->menu()) {
                menus.append(action->text());
                walk(action->menu()->actions(), menus, items);
            } else if (!action->isSeparator()) {
                items.append(action);
            }
        }
    }

    // What a person sees of the program, a "part=value" each.
    static QStringList observe(const ScriptedDialogs& dialogs)
    {
        const frmMain& main = mainForm();
        const frmDocument* document = main.activeDocument();
        QStringList windows, asked;
        for (const QWidget* window : loaded().windows())
            if (window->isWindow() && window->isVisible() && window != &main)
                windows.append(window->objectName());
        windows.sort();
        for (const FileDialogRequest& file : dialogs.fileDialogs)
            asked.append(file.title + u' ' + file.filter.section(u'|', 0, 0));
        for (const PrinterDialogRequest& printer : dialogs.printerDialogs)
            asked.append(printer.title);
        for (const MessageBoxRequest& message : dialogs.messages)
            asked.append(message.title);
        return {"docs=" + QString::number(main.documents().size()),
                "doc=" + (document ? document->windowTitle() : QString()),
                "text=" + (document ? marked(*document->rtfText) : QString()),
                "clip=" + Toolkit::ClipboardGetText(),
                "project=" + Project::current().ProjectName(),
                "windows=" + windows.join(u','),
                "asked=" + asked.join(u',')};
    }

    // Every command of the menu, in display order, with what it does to the state observed.
    static constexpr const char* MenuCommands[][4] = {
        {"mnuFileNewProject", "&Project", "", "project="},
        {"mnuFileNewC", "&C Source File", "", "docs=2 text=[]"},
        {"mnuFileNewH", "&C Header File", "", "docs=3 doc=C Header File - Larkspan text=[]"},
        {"mnuFileNewRoot", "&Root File", "", "docs=4 doc=Root.inf - Larkspan text=[]"},
        {"mnuFileOpen", "&Open...", "Ctrl+O", "asked=Open C File (*.c)"},
        {"mnuFileOpenProject", "Open Pro&ject", "", "asked=Open LKS Project Files (*.cpf)"},
        {"mnuFileClose", "&Close", "", "docs=3 doc=C File - Larkspan"},
        {"mnuFileSave", "&Save", "Ctrl+S", "asked=Save C File (*.c)"},
        {"mnuFileSaveProject", "&Save P&roject", "", "asked=Save As LKS Project Files (*.cpf)"},
        {"mnuFileSaveAs", "Save &As...", "", "asked=Save As C File (*.c)"},
        {"mnuFilePageSetup", "Page Set&up...", "", "asked=Page Setup"},
        {"mnuFilePrint", "&Print...", "Ctrl+P", "asked=Print"},
        {"mnuFileExit", "E&xit", "", "(exitEndsTheProgram)"},
        {"mnuEditUndo", "&Undo", "Ctrl+Z", "text=[]"},
        {"mnuEditRedo", "&Redo", "Ctrl+Y", "text=one two[]"},
        {"mnuEditCut", "Cu&t", "Ctrl+X; Shift+Del", "text=[]e clip=on"},
        {"mnuEditCopy", "&Copy", "Ctrl+C; Ctrl+Ins", "clip=on"},
        {"mnuEditPaste", "&Paste", "Ctrl+V; Shift+Ins", "text=clip[]e"},
        {"mnuEditSelectAll", "&Select All", "Ctrl+A", "text=[one]"},
        {"mnuViewAll", "&All Windows", "", ""},
        {"mnuViewProject", "&Project Explorer", "", "windows=frmProject"},
        {"mnuHelpContents", "&Contents", "", "asked=Larkspan"},
        {"mnuHelpSearchForHelpOn", "&Search For Help On...", "", "asked=Larkspan"},
        {"mnuHelpAbout", "&About ", "", "windows=frmProject,frmSplash"},
    };

    // What the item changes, run from the menu (way 0) or by its key number `way`.
    static QString changesMadeBy(QAction& item, qsizetype way)
    {
        ScriptedDialogs dialogs;
        // Two undo steps, the second undone, and "on" selected.
        Project::current().setProjectName("demo");
        Toolkit::ClipboardSetText("clip");
        for (const char* text : {"", "one", "one two"})
            editor().setText(text);
        mainForm().activeDocument()->Undo();
        editor().setSelStart(0);
        editor().setSelLength(2);
        const QStringList before = observe(dialogs);
        way == 0 ? item.trigger() : QTest::keySequence(&editor(), item.shortcuts()[way - 1]);
        flush();
        QStringList changed = observe(dialogs);
        changed.removeIf([&](const QString& part) { return before.contains(part); });
        return changed.join(u' ');
    }

    // The text of a PDF file as pdftotext lays it out; under Wine through start /unix, which takes
    // the Unix name (drive Z: is the root) and does not wait, so the text appears under a new name.
    static QString pdfText(const QString& pdf)
    {
        const QString script = "pdftotext -layout \"$0\" \"$0.part\" && mv \"$0.part\" \"$0.txt\"";
#ifdef Q_OS_WIN
        QProcess::execute("start", {"/unix", "/bin/sh", "-c", script, pdf.mid(2)});
#else
        QProcess::execute("sh", {"-c", script, pdf});
#endif
        QFile text(pdf + ".txt");
        if (!QTest::qWaitFor([&] { return text.exists(); }, 20000) || !text.open(QFile::ReadOnly))
            return "pdftotext wrote nothing";
        return QString::fromUtf8(text.readAll()).simplified();
    }

private slots:
    // Run alone, a test first starts the program as the tests before it would have.
    void init()
    {
        const QByteArray test = QTest::currentTestFunction();
        if (test == "theSplash" || test == "loadedOnFirstUseUntilUnloaded")
            return;
        if (!loaded().find<frmMain>())
            theSplash();
        // The menu keys work in the active window only.
        mainForm().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&mainForm()));
    }

    // At start-up alone, then again from About.
    void theSplash()
    {
        unloadAll();
        Main();
        // A click on the panel, or a key pressed while it has the focus, as a user would.
        const auto onPanel = [](std::optional<Qt::Key> key = {}) {
            SplashPanel* panel = loaded().find<frmSplash>()->Frame1;
            QTRY_COMPARE(QApplication::focusWidget(), panel);
            key ? QTest::keyClick(panel, *key)
                : QTest::mouseClick(panel, Qt::LeftButton, {}, {4, 4});
            flush();
        };
        auto* splash = qobject_cast<frmSplash*>(loaded().windows().value(0));
        QVERIFY(splash && splash->isVisible());
        // Painted with as many pixels as the screen has, the pictures stay sharp.
        QCOMPARE(QPair(splashPicture(2).size(), splashPicture(2).devicePixelRatio()),
                 QPair(QSize(414, 508), 2.0));
        for (const QIcon& icon : {mainWindowIcon(), documentWindowIcon()})
            QCOMPARE(icon.pixmap(QSize(16, 16), 2).size(), QSize(32, 32));
        // A click on what the panel holds does nothing; one on the panel opens the main window.
        for (QLabel* label : {splash->Label1, splash->Label2, splash->Label3, splash->Image1})
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
        // Nor do other keys; Enter does what a click on the panel does.
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_A, Qt::Key_Tab})
            onPanel(key);
        QCOMPARE(loaded().find<frmMain>(), nullptr);
        onPanel(Qt::Key_Return);
        frmMain& main = mainForm();
        QVERIFY(main.isVisible());
        // One empty document: About's window list below holds every document.
        QCOMPARE(main.windowTitle() + " | " + main.activeDocument()->windowTitle() + " | " +
                     editor().Text(),
                 QString("Larkspan | C File - Larkspan | "));

        // About shows the panel; a click, Enter on the keypad or Space closes it alone.
        for (const std::optional<Qt::Key> key :
             {std::optional<Qt::Key>(), {Qt::Key_Enter}, {Qt::Key_Space}}) {
            main.mnuHelpAbout_Click();
            QCOMPARE(loaded().windows(),
                     (QList<QWidget*>{&main, main.activeDocument(), loaded().find<frmSplash>()}));
            onPanel(key);
            QCOMPARE(loaded().windows(), (QList<QWidget*>{&main, main.activeDocument()}));
        }
    }

    void menuCommandsReachTheirHandlers()
    {
        frmMain& main = mainWithOneDocument();
        QStringList menus;
        QList<QAction*> items;
        walk(main.menuBar()->actions(), menus, items);
        QCOMPARE(menus.join(u' '), QString("&File &New &Edit &View &Help"));
        QCOMPARE(items.size(), std::size(MenuCommands));
        for (qsizetype i = 0; i < items.size(); ++i) {
            const auto& [name, caption, keys, effect] = MenuCommands[i];
            QAction& item = *items[i];
            QCOMPARE(item.objectName() + u' ' + item.text() + u' ' +
                         QKeySequence::listToString(item.shortcuts()),
                     QString(name) + u' ' + caption + u' ' + keys);
            if (item.objectName() == u"mnuFileExit")
                continue;
            // The item, then each of its keys, from the same state.
            QSignalSpy triggered(&item, &QAction::triggered);
            for (qsizetype way = 0; way <= item.shortcuts().size(); ++way) {
                QCOMPARE(changesMadeBy(item, way), QString(effect));
                QCOMPARE(triggered.count(), way + 1);
            }
        }
    }

    // Each command from its own text and clipboard, the menu bar focused; a change is one step.
    void editCommands()
    {
        const char* const steps[][5] = {
            // command, text, clipboard, then both after
            {"Paste", "a[]", "pasted", "apasted[]", "pasted"},
            {"Copy", "[one\r\ntwo]", "x", "[one\r\ntwo]", "one\r\ntwo"},
            {"Cut", "one\r\ntwo", "x", "[]one\r\ntwo", ""},
            {"SelectAll", "", "x", "[]", "x"},
        };
        frmMain& main = mainForm();
        for (const auto& [command, text, clip, after, clipAfter] : steps) {
            TextEditor& edit = editor(text);
            Toolkit::ClipboardSetText(clip);
            main.menuBar()->setFocus();
            main.findChild<QAction*>(QString("mnuEdit") + command)->trigger();
            const QString row = QString(command) + " on " + text + ": ";
            QCOMPARE(row + marked(edit) + " clip=" + Toolkit::ClipboardGetText(),
                     row + after + " clip=" + clipAfter);
            QVERIFY2(QApplication::focusWidget() == &edit, qPrintable(row));
            const QString unmarked = QString(text).remove(u'[').remove(u']');
            if (edit.Text() != unmarked) {
                main.mnuEditUndo_Click();
                QCOMPARE(row + edit.Text(), row + unmarked);
            }
        }

        // While another top-level window is active the menu keys do nothing.
        main.mnuViewProject_Click();
        QVERIFY(QTest::qWaitForWindowActive(&projectExplorer()));
        QSignalSpy paste(main.findChild<QAction*>("mnuEditPaste"), &QAction::triggered);
        QTest::keyClick(&projectExplorer(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(paste.count(), 0);
    }

    // What is printed follows the editor's selection, not the range picked in the dialog.
    void printingAndHelp()
    {
        frmMain& main = mainForm();
        // Beside the test, where pdftotext can read them also under Wine.
        QTemporaryDir dir(QCoreApplication::applicationDirPath() + "/print-XXXXXX");
        ScriptedDialogs dialogs;
        editor("first line\r\n[second line]\r\nthird line");
        dialogs.answerPrinter(true, dir.filePath("selection.pdf"), false);
        main.mnuFilePrint_Click();
        main.mnuFilePageSetup_Click();
        editor().setSelStart(0);
        dialogs.answerPrinter(true, dir.filePath("whole.pdf"), true);
        main.mnuFilePrint_Click();
        dialogs.answerPrinter(false);
        editor().setSelLength(5);
        main.mnuFilePrint_Click();
        // Without a printer (on Windows) the user is told, and no dialog opens.
        dialogs.printerInstalled = false;
        main.mnuFilePrint_Click();
        QCOMPARE(dialogs.messages.takeLast().text,
                 QString("No printer is installed. Add a printer, then try again."));
        // Page Setup keeps the options the last Print set.
        QStringList asked;
        for (const PrinterDialogRequest& printer : dialogs.printerDialogs)
            asked.append(QString::number(printer.options) + (printer.cancelError ? "+cancel" : ""));
        QCOMPARE(asked.join(u' '), QString("265+cancel 265+cancel 264+cancel 265+cancel"));
        // The printouts hold the text and nothing else; the cancelled Print, of "first", made none.
        QCOMPARE(pdfText(dir.filePath("selection.pdf")), QString("second line"));
        QCOMPARE(pdfText(dir.filePath("whole.pdf")), QString("first line second line third line"));

        // Qt shows a maximised document's caption in the main window's title meanwhile.
        main.activeDocument()->showMaximized();
        main.mnuHelpContents_Click();
        main.activeDocument()->showNormal();
        const MessageBoxRequest help = dialogs.messages.value(0);
        QCOMPARE(help.title + ": " + help.text,
                 QString("Larkspan: Unable to display Help Contents. There is no Help associated "
                         "with this project."));
        QCOMPARE(help.icon, MsgBoxIcon::Information);
    }

    // Every control the keyboard reaches, in each window and on hidden pages too, has a name a
    // screen reader can say; the editor's follows its document's caption.
    void everyControlHasAnAccessibleName()
    {
        frmMain& main = mainWithOneDocument();
        for (QWidget* window : std::initializer_list<QWidget*>{
                 &loaded().form<frmConvert>(), &loaded().form<frmDialog>(),
                 &loaded().form<frmImport>(), &main, &loaded().form<frmProject>()}) {
            window->show();
            for (QWidget* control : window->findChildren<QWidget*>())
                if (control->window() == window && control->focusPolicy() & Qt::TabFocus)
                    QVERIFY2(!a11y(control)->text(QAccessible::Name).isEmpty(),
                             qPrintable(window->objectName() + ' ' + control->objectName()));
        }
        // Windows and option buttons have their own roles, not a client area's or a check box's.
        const auto role = [](QWidget* w) { return a11y(w)->role(); };
        frmDialog& dialog = loaded().form<frmDialog>();
        QCOMPARE(QList({role(&loaded().form<frmProject>()), role(&dialog), role(dialog.Option1)}),
                 QList({QAccessible::Window, QAccessible::Dialog, QAccessible::RadioButton}));
        // Menu items are named as shown, without access-key markers or trailing blanks.
        QStringList names;
        for (QMenu* menu : main.findChildren<QMenu*>()) {
            QAccessibleInterface* shown = a11y(menu);
            for (int i = 0; i < shown->childCount(); ++i)
                names += shown->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(names.filter(QRegularExpression("&|^\\s|\\s$|^Save P|^About")),
                 QStringList({"Save Project", "About"}));
        main.activeDocument()->setWindowTitle("/home/me/main.c");
        QCOMPARE(a11y(&editor())->text(QAccessible::Name), QString("Editor: /home/me/main.c"));
    }

    // Real Tab presses walk each window's controls in its own order, and come round again.
    void tabWalksEachWindowInOrder()
    {
        frmDialog& dialog = loaded().form<frmDialog>();
        loaded().form<frmImport>().File1->setListIndex(0); // Import waits for a file
        const std::pair<QWidget*, const char*> orders[] = {
            {&loaded().form<frmProject>(), "File2 List1"},
            {&loaded().form<frmImport>(), "Drive1 Dir1 File1 Command1"},
            {&loaded().form<frmConvert>(), "File1 Text1 Command1 Command2"},
            {&dialog, "Command1 Command4 Text2 Dir1 Text3 Command3 Text1"},
            {&dialog, "Command1 Command4 Command3 Option2 Option1"}}; // the root.inf options
        for (const auto& [window, order] : orders) {
            const QStringList controls = QString(order).split(u' ');
            if (controls.contains("Option1"))
                dialog.Command3->click();
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            window->findChild<QWidget*>(controls[0])->setFocus();
            QStringList visited{QApplication::focusWidget()->objectName()};
            for (qsizetype i = 0; i < controls.size(); ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited.append(QApplication::focusWidget()->objectName());
            }
            QCOMPARE(visited, controls + QStringList{controls[0]});
        }
        dialog.Command1->click();
    }

    void exitEndsTheProgram()
    {
        frmMain& main = mainForm();
        QSignalSpy ended(&loaded(), &LoadedWindows::allUnloaded);
        QTest::keyClicks(&editor(), "unsaved");
        main.mnuFileNewH_Click();
        // Scrolling the smaller workspace brings the new window's status bar in.
        main.resize(main.width() - 80, main.height() - 80);
        QMdiArea& workspace = *main.findChild<QMdiArea*>();
        workspace.verticalScrollBar()->setValue(workspace.verticalScrollBar()->maximum());
        const QWidget& status = *main.activeDocument()->findChild<QWidget*>("StatusBar1");
        QCOMPARE_LE(status.mapTo(workspace.viewport(), QPoint(0, status.height())).y(),
                    workspace.viewport()->height());
        // Alt+- opens a document's own menu; it keeps Ctrl+F4 alone (e2e presses Ctrl+W).
        QTest::keyClick(&editor(), Qt::Key_Minus, Qt::AltModifier);
        QTRY_VERIFY(main.activeDocument()->systemMenu()->isVisible());
        main.activeDocument()->systemMenu()->hide();
        QString keys;
        for (const QAction* action : main.activeDocument()->systemMenu()->actions())
            keys += QKeySequence::listToString(action->shortcuts());
        QTest::keyClick(&editor(), Qt::Key_F4, Qt::ControlModifier);
        main.mnuFileClose_Click();
        flush();
        loaded().form<frmDialog>().show();
        ScriptedDialogs dialogs;
        // With no document, the document commands do nothing; Page Setup still shows its dialog.
        Toolkit::ClipboardSetText("kept");
        for (const char* command : {"FilePrint", "EditUndo", "EditRedo", "EditCut", "EditCopy",
                                    "EditPaste", "EditSelectAll", "FilePageSetup"})
            main.findChild<QAction*>(QString("mnu") + command)->trigger();
        QCOMPARE(keys + ' ' +
                     observe(dialogs).filter(QRegularExpression("^(docs|clip|asked)=")).join(u' '),
                 QString("Ctrl+F4 docs=0 clip=kept asked=Page Setup"));
        main.mnuFileNewC_Click();
        QTest::keyClicks(&editor(), "unsaved too");

        main.showMinimized();
        main.findChild<QAction*>("mnuFileExit")->trigger();
        flush();
        QCOMPARE(dialogs.messages.size() + dialogs.fileDialogs.size(), 0);
        QCOMPARE(ended.count(), 1);
    }

    void fileDialog_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("folderSet");    // the folder "src", which holds the file named
        QTest::addColumn<QString>("fileName");  // also what the name field shows
        QTest::addColumn<QString>("qtFilters"); // joined by "|"
        QTest::addColumn<bool>("typing");       // a name, then Enter; else the dialog is cancelled

        QTest::newRow("in order, *.* as *") << "C File (*.c)|*.c|All Files (*.*)|*.*" << true << ""
                                            << "C File (*.c) (*.c)|All Files (*.*) (*)" << false;
        QTest::newRow("no folder: the name's") << "Sources|*.c;*.h|Anything" << false << "demo.c"
                                               << "Sources (*.c *.h)|Anything (*)" << false;
        QTest::newRow("no filter, a name typed") << "" << true << ""
                                                 << "All Files (*)" << true;
    }

    void fileDialog()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows shows its own file dialog, whose controls a test cannot reach");
#endif
        QFETCH(QString, filter);
        QFETCH(bool, folderSet);
        QFETCH(QString, fileName);
        QFETCH(bool, typing);
        // Qt would split it at its double quotes.
        const QString typed = typing ? "sub/a&b|c<d>e^f%g!h\"i'j(k)l;m,n=o p.c" : QString();
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("src"));
        CommonDialog dialog;
        dialog.setFilter(filter);
        dialog.setInitialFolder(folderSet ? dir.filePath("src") : QString());
        dialog.setFileName(fileName.isEmpty() ? fileName : dir.filePath("src/" + fileName));
        QString filters, shownFolder, nameField;
        QTimer::singleShot(0, [&] {
            auto* qtDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            filters = qtDialog->nameFilters().join(u'|');
            shownFolder = qtDialog->directory().path();
            auto* name = qtDialog->findChild<QLineEdit*>("fileNameEdit");
            nameField = name->text();
            if (typed.isEmpty())
                return qtDialog->reject();
            name->setText(typed);
            QTest::keyClick(name, Qt::Key_Return);
        });
        QCOMPARE(dialog.ShowSave(), typed.isEmpty() ? typed : dir.filePath("src/" + typed));
        QTEST(filters, "qtFilters");
        QCOMPARE(QDir(shownFolder), QDir(dir.filePath("src")));
        QCOMPARE(nameField, fileName);
    }

    void printerDialog_data()
    {
        QTest::addColumn<int>("options");
        QTest::addColumn<QString>("enabledRange");

        QTest::newRow("print") << 264 << "";
        QTest::newRow("print a selection") << 265 << "";
        // Page numbers are offered, but the range picked does not reach the printer.
        QTest::newRow("page setup first") << 0 << "printRange from to pagesRadioButton";
    }

    // A person picks pages 2 to 3; the printer prints the selection when one was offered.
    void printerDialog()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows shows its own print dialog, whose controls a test cannot reach");
#endif
        QFETCH(int, options);
        CommonDialog dialog;
        dialog.setOptions(options);
        QStringList enabled;
        QTimer::singleShot(0, [&] {
            auto* qtDialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            qtDialog->findChild<QAbstractButton*>("printRange")->click();
            qtDialog->findChild<QSpinBox*>("from")->setValue(2);
            qtDialog->findChild<QSpinBox*>("to")->setValue(3);
            // As Qt does for a printer of the print system.
            qtDialog->findChild<QWidget*>("pagesRadioButton")->setEnabled(true);
            for (const char* name :
                 {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"})
                if (qtDialog->findChild<QWidget*>(name)->isEnabled())
                    enabled.append(name);
            qtDialog->accept();
        });
        const QPrinter* printer = dialog.ShowPrinter();
        QVERIFY(printer);
        const bool offered = options & CommonDialog::PD_SELECTION;
        QTEST(enabled.join(u' '), "enabledRange");
        QCOMPARE(printer->printRange(), offered ? QPrinter::Selection : QPrinter::AllPages);
        QCOMPARE(printer->pageRanges().toString(), QString());
    }

    void loadedOnFirstUseUntilUnloaded()
    {
        // Names of the windows whose load handlers ran, in order.
        static QStringList loadLog;

        struct PlainWindow : QWidget {
            void Form_Load() { loadLog.append("plain"); }
        };

        // Its load handler uses another window, as the Project Explorer reads the project folder.
        struct DependentWindow : QWidget {
            void Form_Load()
            {
                loadLog.append("dependent");
                LoadedWindows::instance().form<PlainWindow>();
            }
        };

        unloadAll();
        LoadedWindows& windows = LoadedWindows::instance();
        QSignalSpy allGone(&windows, &LoadedWindows::allUnloaded);
        DependentWindow& dependent = windows.form<DependentWindow>();
        // The window enters the list before its load handler runs, so one it loads comes after.
        QPointer<PlainWindow> plain = windows.find<PlainWindow>();
        QCOMPARE(windows.windows(), (QList<QWidget*>{&dependent, plain}));

        // Later uses reach the same windows, hidden or not, without loading them again.
        plain->show();
        plain->hide();
        const QList<QWidget*> again{&windows.form<DependentWindow>(), &windows.form<PlainWindow>()};
        QCOMPARE(again, windows.windows());
        QCOMPARE(loadLog.join(u' '), QString("dependent plain"));

        // Unloaded, a window is gone; its next use loads a new one at the end of the list.
        windows.unload(plain);
        QCOMPARE(windows.find<PlainWindow>(), nullptr);
        flush();
        QVERIFY(plain.isNull());
        PlainWindow& second = windows.form<PlainWindow>();
        QCOMPARE(loadLog.join(u' '), QString("dependent plain plain"));
        QCOMPARE(windows.windows(), (QList<QWidget*>{&dependent, &second}));

        // The application ends with the last window, not before.
        for (QWidget* window : windows.windows()) {
            QCOMPARE(allGone.count(), 0);
            windows.unload(window);
        }
        QCOMPARE(allGone.count(), 1);
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"

#include "frmMain.h"

#include "CommonDialog.h"
#include "LoadedWindows.h"
#include "MessageText.h"
#include "Project.h"
#include "TextEditor.h"
#include "TextFile.h"
#include "Toolkit.h"
#include "frmDocument.h"

#include "Artwork.h"
#include "ProjectCommands.h"
#include "frmConvert.h"
#include "frmImport.h"
#include "frmProject.h"
#include "frmSplash.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>

namespace {

struct MenuItem {
    int level; // 0 a menu of the bar, 1 its item, 2 an item of a submenu
    const char* name;
    const char* caption; // "-" for a separator
    const char* shortcut;
    void (frmMain::*handler)();
};

// The command table: every item, in display order.
const MenuItem Menus[] = {
    {0, "mnuFile", "&File", "", nullptr},
    {1, "mnuFileNew", "&New", "", nullptr},
    {2, "mnuFileNewProject", "&Project", "", &frmMain::mnuFileNewProject_Click},
    {2, "mnuFileNewC", "&C Source File", "", &frmMain::mnuFileNewC_Click},
    {2, "mnuFileNewH", "&C Header File", "", &frmMain::mnuFileNewH_Click},
    {2, "mnuFileNewRoot", "&Root File", "", &frmMain::mnuFileNewRoot_Click},
    {1, "mnuFileOpen", "&Open...", "Ctrl+O", &frmMain::mnuFileOpen_Click},
    {1, "mnuFileOpenProject", "Open Pro&ject", "", &frmMain::mnuFileOpenProject_Click},
    {1, "mnuFileClose", "&Close", "", &frmMain::mnuFileClose_Click},
    {1, "mnuFileBar0", "-", "", nullptr},
    {1, "mnuFileSave", "&Save", "Ctrl+S", &frmMain::mnuFileSave_Click},
    {1, "mnuFileSaveProject", "&Save P&roject", "", &frmMain::mnuFileSaveProject_Click},
    {1, "mnuFileSaveAs", "Save &As...", "", &frmMain::mnuFileSaveAs_Click},
    {1, "mnuFileBar2", "-", "", nullptr},
    {1, "mnuFilePageSetup", "Page Set&up...", "", &frmMain::mnuFilePageSetup_Click},
    {1, "mnuFilePrint", "&Print...", "Ctrl+P", &frmMain::mnuFilePrint_Click},
    {1, "mnuFileBar4", "-", "", nullptr},
    {1, "mnuFileExit", "E&xit", "", &frmMain::mnuFileExit_Click},
    {0, "mnuEdit", "&Edit", "", nullptr},
    {1, "mnuEditUndo", "&Undo", "Ctrl+Z", &frmMain::mnuEditUndo_Click},
    {1, "mnuEditRedo", "&Redo", "Ctrl+Y", &frmMain::mnuEditRedo_Click},
    {1, "mnuEditBar0", "-", "", nullptr},
    {1, "mnuEditCut", "Cu&t", "Ctrl+X", &frmMain::mnuEditCut_Click},
    {1, "mnuEditCopy", "&Copy", "Ctrl+C", &frmMain::mnuEditCopy_Click},
    {1, "mnuEditPaste", "&Paste", "Ctrl+V", &frmMain::mnuEditPaste_Click},
    {1, "mnuEditBar1", "-", "", nullptr},
    {1, "mnuEditSelectAll", "&Select All", "Ctrl+A", &frmMain::mnuEditSelectAll_Click},
    {0, "mnuView", "&View", "", nullptr},
    {1, "mnuViewAll", "&All Windows", "", nullptr},
    {1, "mnuViewProject", "&Project Explorer", "", &frmMain::mnuViewProject_Click},
    {0, "mnuHelp", "&Help", "", nullptr},
    {1, "mnuHelpContents", "&Contents", "", &frmMain::mnuHelpContents_Click},
    {1, "mnuHelpSearchForHelpOn", "&Search For Help On...", "",
     &frmMain::mnuHelpSearchForHelpOn_Click},
    {1, "mnuHelpBar0", "-", "", nullptr},
    {1, "mnuHelpAbout", "&About ", "", &frmMain::mnuHelpAbout_Click},
};

// The main window's caption. While a document is maximised Qt shows its caption in the main
// window's title as well, so the title is not read back for it.
const QString Caption = QStringLiteral("Larkspan");

// Keys that run a command besides the shortcut its menu item shows.
const std::pair<const char*, QKeyCombination> StandardClipboardKeys[] = {
    {"mnuEditCut", Qt::SHIFT | Qt::Key_Delete},
    {"mnuEditCopy", Qt::CTRL | Qt::Key_Insert},
    {"mnuEditPaste", Qt::SHIFT | Qt::Key_Insert},
};

// The selection as plain text on an emptied clipboard: nothing selected leaves it empty.
void copySelection(const TextEditor& editor)
{
    Toolkit::ClipboardClear();
    Toolkit::ClipboardSetText(editor.SelText());
}

template <class W>
void showWindow()
{
    W& window = LoadedWindows::instance().form<W>();
    window.show();
    window.raise();
}

} // namespace

frmProject& projectExplorer()
{
    LoadedWindows& windows = LoadedWindows::instance();
    if (frmProject* loaded = windows.find<frmProject>())
        return *loaded;
    frmProject& explorer = windows.form<frmProject>();
    QObject::connect(&explorer, &frmProject::importRequested, &explorer, showWindow<frmImport>);
    QObject::connect(&explorer, &frmProject::convertRequested, &explorer, showWindow<frmConvert>);
    return explorer;
}

frmMain::frmMain()
    : m_workspace(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Caption);
    setWindowIcon(mainWindowIcon());
    // The application workspace colour.
    m_workspace->setBackground(palette().brush(QPalette::Dark));
    // Children that stand partly outside the workspace stay within reach.
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_workspace);
    buildMenus();
    const QSize client(Toolkit::twipsToPixels(8685), Toolkit::twipsToPixels(6345));
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());
}

void frmMain::buildMenus()
{
    QMenu* menus[3] = {nullptr, nullptr, nullptr};
    for (const MenuItem& item : Menus) {
        const QString name = QString::fromLatin1(item.name);
        const QString caption = QString::fromLatin1(item.caption);
        const bool submenu =
            item.level == 0 || (&item + 1 < std::end(Menus) && (&item + 1)->level > item.level);
        QAction* action = nullptr;
        if (submenu) {
            QMenu* menu = item.level == 0 ? menuBar()->addMenu(caption)
                                          : menus[item.level - 1]->addMenu(caption);
            menu->setObjectName(name);
            menus[item.level] = menu;
            action = menu->menuAction();
        } else if (caption == u"-") {
            action = menus[item.level - 1]->addSeparator();
        } else {
            action = menus[item.level - 1]->addAction(caption);
            if (*item.shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            for (const auto& [command, key] : StandardClipboardKeys) {
                if (name == QLatin1String(command))
                    action->setShortcuts({action->shortcut(), QKeySequence(key)});
            }
            if (item.handler)
                connect(action, &QAction::triggered, this, item.handler);
        }
        action->setObjectName(name);
    }
}

void frmMain::MDIForm_Load()
{
    NewDocument();
    activeDocument()->setWindowTitle(kindCaption(DocumentKind::CSource));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    MDIForm_Unload();
}

void frmMain::MDIForm_Unload()
{
    for (frmDocument* document : documents())
        document->close();
    // Even while minimised: no hidden window may outlive the main window.
    LoadedWindows& windows = LoadedWindows::instance();
    const QList<QWidget*> loaded = windows.windows();
    for (qsizetype i = loaded.size() - 1; i >= 0; --i) {
        if (loaded[i] != this)
            windows.unload(loaded[i]);
    }
    windows.unload(this);
}

CommonDialog& frmMain::dlgCommonDialog()
{
    return Toolkit::dlgCommonDialog();
}

frmDocument* frmMain::activeDocument() const
{
    return qobject_cast<frmDocument*>(m_workspace->currentSubWindow());
}

QList<frmDocument*> frmMain::documents() const
{
    QList<frmDocument*> result;
    for (QMdiSubWindow* window : m_workspace->subWindowList()) {
        if (auto* document = qobject_cast<frmDocument*>(window))
            result.append(document);
    }
    return result;
}

void frmMain::NewDocument()
{
    ++DocumentCount;
    auto* document = new frmDocument;
    document->setWindowIcon(documentWindowIcon());
    LoadedWindows::instance().add(document);
    document->Form_Load();
    document->setWindowTitle(QStringLiteral("Document %1").arg(DocumentCount));
    m_workspace->addSubWindow(document);
    document->show();
    m_workspace->setActiveSubWindow(document);
    document->rtfText->setFocus();
}

void frmMain::mnuFileNewC_Click()
{
    newDocumentOfKind(DocumentKind::CSource);
}

void frmMain::mnuFileNewH_Click()
{
    newDocumentOfKind(DocumentKind::CHeader);
}

void frmMain::mnuFileNewRoot_Click()
{
    newDocumentOfKind(DocumentKind::RootInf);
}

void frmMain::newDocumentOfKind(DocumentKind kind)
{
    NewDocument();
    activeDocument()->setWindowTitle(kindCaption(kind));
}

void frmMain::mnuFileOpen_Click()
{
    if (!activeDocument())
        NewDocument();
    dlgCommonDialog().setFilter(openFilter());
    const QString path = askForFile(QStringLiteral("Open"), false, {});
    if (path.isEmpty())
        return;
    frmDocument* document = activeDocument();
    if (const Result<> loaded = document->rtfText->LoadFile(path); !loaded) {
        Toolkit::MsgBox(cannotRead(path, loaded.reason()));
        return;
    }
    document->setWindowTitle(path);
}

void frmMain::mnuFileSave_Click()
{
    withActiveDocument([this](frmDocument& document) {
        QString path = document.windowTitle();
        if (const std::optional<DocumentKind> kind = kindOfCaption(path)) {
            dlgCommonDialog().setFilter(saveFilter(*kind));
            path = askForFile(QStringLiteral("Save"), true, document.lastSavedPath());
            if (path.isEmpty())
                return;
        }
        writeDocument(document, path);
    });
}

void frmMain::mnuFileSaveAs_Click()
{
    withActiveDocument([this](frmDocument& document) {
        const QString caption = document.windowTitle();
        const std::optional<DocumentKind> kind = kindOfCaption(caption);
        if (kind)
            dlgCommonDialog().setFilter(saveFilter(*kind));
        const QString path =
            askForFile(QStringLiteral("Save As"), true, kind ? document.lastSavedPath() : caption);
        if (!path.isEmpty())
            writeDocument(document, path);
    });
}

void frmMain::mnuFileClose_Click()
{
    withActiveDocument([](frmDocument& document) { document.close(); });
}

// The document commands act on the active document, and do nothing while none is open.
void frmMain::withActiveDocument(const std::function<void(frmDocument&)>& command)
{
    if (frmDocument* document = activeDocument())
        command(*document);
}

// Shows the shared file dialog starting in the project folder; the empty text when cancelled.
// A save dialog offers only the document's own file (`ownFile`, in its own folder) or no name: a
// name left over from another file would take one Enter to overwrite that file.
QString frmMain::askForFile(const QString& title, bool save, const QString& ownFile)
{
    CommonDialog& dialog = dlgCommonDialog();
    dialog.setTitle(title);
    dialog.setCancelError(false);
    dialog.setInitialFolder(Project::current().ProjectFolder());
    if (!save)
        return dialog.ShowOpen();
    dialog.setFileName(ownFile);
    if (!ownFile.isEmpty())
        dialog.setInitialFolder(QFileInfo(ownFile).absolutePath());
    return dialog.ShowSave();
}

// The document's text followed by one CR LF; the caption does not change.
void frmMain::writeDocument(frmDocument& document, const QString& path)
{
    if (const Result<> written = writeTextUtf8(path, document.rtfText->utf8Text()); !written)
        Toolkit::MsgBox(cannotWrite(path, written.reason()));
    else
        document.setLastSavedPath(path);
}

void frmMain::mnuFileNewProject_Click()
{
    NewProject();
}

void frmMain::mnuFileOpenProject_Click()
{
    openOrSaveProject(false);
}

void frmMain::mnuFileSaveProject_Click()
{
    openOrSaveProject(true);
}

// Asks for the project file, then reads or writes it; a failure is told naming the command.
void frmMain::openOrSaveProject(bool save)
{
    dlgCommonDialog().setFilter(QString::fromLatin1(ProjectFileFilter));
    const QString path =
        askForFile(save ? QStringLiteral("Save As") : QStringLiteral("Open"), save, {});
    if (path.isEmpty())
        return;
    if (const Result<> done = save ? SaveProject(path) : OpenProject(path); !done)
        Toolkit::MsgBox(QStringLiteral("Cannot %1 the project %2: %3")
                            .arg(save ? QStringLiteral("save") : QStringLiteral("open"),
                                 quotedPathForMessage(path), done.reason()));
}

void frmMain::mnuFilePageSetup_Click()
{
    CommonDialog& dialog = dlgCommonDialog();
    dialog.setTitle(QStringLiteral("Page Setup"));
    dialog.setCancelError(true);
    dialog.ShowPrinter();
}

void frmMain::mnuFilePrint_Click()
{
    withActiveDocument([this](frmDocument& document) {
        CommonDialog& dialog = dlgCommonDialog();
        dialog.setTitle(QStringLiteral("Print"));
        dialog.setCancelError(true);
        int options = CommonDialog::PD_RETURNDC | CommonDialog::PD_NOPAGENUMS;
        if (document.rtfText->SelLength() != 0)
            options |= CommonDialog::PD_SELECTION;
        dialog.setOptions(options);
        if (QPrinter* printer = dialog.ShowPrinter())
            document.rtfText->SelPrint(printer);
    });
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::mnuEditUndo_Click()
{
    withActiveDocument([](frmDocument& document) { document.Undo(); });
}

void frmMain::mnuEditRedo_Click()
{
    withActiveDocument([](frmDocument& document) { document.Redo(); });
}

void frmMain::mnuEditCut_Click()
{
    withActiveDocument([](frmDocument& document) {
        copySelection(*document.rtfText);
        document.rtfText->setSelText(QString());
        document.rtfText->setFocus();
    });
}

void frmMain::mnuEditCopy_Click()
{
    withActiveDocument([](frmDocument& document) {
        copySelection(*document.rtfText);
        document.rtfText->setFocus();
    });
}

void frmMain::mnuEditPaste_Click()
{
    withActiveDocument([](frmDocument& document) {
        document.rtfText->setSelText(Toolkit::ClipboardGetText());
        document.rtfText->setFocus();
    });
}

void frmMain::mnuEditSelectAll_Click()
{
    withActiveDocument([](frmDocument& document) {
        document.rtfText->selectAll();
        document.rtfText->setFocus();
    });
}

void frmMain::mnuViewProject_Click()
{
    frmProject& explorer = projectExplorer();
    explorer.show();
    explorer.raise();
    explorer.activateWindow();
}

void frmMain::mnuHelpContents_Click()
{
    showHelp();
}

void frmMain::mnuHelpSearchForHelpOn_Click()
{
    showHelp();
}

// The program has no help file.
void frmMain::showHelp()
{
    Toolkit::MsgBox(QStringLiteral("Unable to display Help Contents. There is no Help associated "
                                   "with this project."),
                    MsgBoxButtons::Ok, MsgBoxIcon::Information, Caption);
}

void frmMain::mnuHelpAbout_Click()
{
    frmSplash& splash = LoadedWindows::instance().form<frmSplash>();
    splash.show();
    splash.raise();
}

#include "app/frmMain.h"

#include "app/CommonDialog.h"
#include "app/LoadedWindows.h"
#include "app/TextFile.h"
#include "app/Toolkit.h"
#include "editor/TextEditor.h"
#include "editor/frmDocument.h"
#include "project/Project.h"

#include <QMdiArea>

frmMain::frmMain()
    : m_workspace(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Larkspan"));
    m_workspace->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_workspace);
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
    dlgCommonDialog().setFilter(OpenFilter);
    const QString path = askForFile(QStringLiteral("Open"), false);
    if (path.isEmpty())
        return;
    frmDocument* document = activeDocument();
    const QString error = document->rtfText->LoadFile(path);
    if (!error.isEmpty()) {
        Toolkit::MsgBox(error);
        return;
    }
    document->setWindowTitle(path);
}

void frmMain::mnuFileSave_Click()
{
    frmDocument* document = activeDocument();
    if (!document)
        return;
    QString path = document->windowTitle();
    if (const std::optional<DocumentKind> kind = kindOfCaption(path)) {
        dlgCommonDialog().setFilter(saveFilter(*kind));
        path = askForFile(QStringLiteral("Save"), true);
        if (path.isEmpty())
            return;
    }
    writeDocument(*document, path);
}

void frmMain::mnuFileSaveAs_Click()
{
    frmDocument* document = activeDocument();
    if (!document)
        return;
    if (const std::optional<DocumentKind> kind = kindOfCaption(document->windowTitle()))
        dlgCommonDialog().setFilter(saveFilter(*kind));
    const QString path = askForFile(QStringLiteral("Save As"), true);
    if (!path.isEmpty())
        writeDocument(*document, path);
}

void frmMain::mnuFileClose_Click()
{
    if (frmDocument* document = activeDocument())
        document->close();
}

// Shows the shared file dialog starting in the project folder; the empty text when cancelled.
QString frmMain::askForFile(const QString& title, bool save)
{
    CommonDialog& dialog = dlgCommonDialog();
    dialog.setTitle(title);
    dialog.setCancelError(false);
    dialog.setInitialFolder(Project::current().ProjectFolder());
    return save ? dialog.ShowSave() : dialog.ShowOpen();
}

// The document's text followed by one CR LF; the caption does not change.
void frmMain::writeDocument(frmDocument& document, const QString& path)
{
    const QString error = writeTextLines(path, document.rtfText->Lines());
    if (!error.isEmpty())
        Toolkit::MsgBox(error);
}

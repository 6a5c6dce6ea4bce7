#pragma once

#include "DocumentKind.h"

#include <QMainWindow>

#include <functional>

class CommonDialog;
class QMdiArea;
class frmDocument;
class frmProject;

// The multiple-document main window: its children are the document windows, and its file
// commands act on the active one.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain();

    // Numbers new documents; raised before each one is made, never lowered.
    qint32 DocumentCount = 0;

    CommonDialog& dlgCommonDialog();
    // The document window with, or that last had, the focus; null when none is open.
    frmDocument* activeDocument() const;
    QList<frmDocument*> documents() const;

    void MDIForm_Load();
    // Closes every document without a question, then unloads every other window, newest
    // first; the program ends with the last one.
    void MDIForm_Unload();

    void NewDocument();
    void mnuFileNewC_Click();
    void mnuFileNewH_Click();
    void mnuFileNewRoot_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileClose_Click();
    void mnuFileNewProject_Click();
    void mnuFileOpenProject_Click();
    void mnuFileSaveProject_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditSelectAll_Click();
    void mnuViewProject_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void withActiveDocument(const std::function<void(frmDocument&)>& command);
    void showHelp();
    void newDocumentOfKind(DocumentKind kind);
    QString askForFile(const QString& title, bool save, const QString& ownFile);
    void writeDocument(frmDocument& document, const QString& path);
    void openOrSaveProject(bool save);

    QMdiArea* m_workspace;
};

// The Project Explorer, loaded on first use with its requests for the Import and Convert windows
// answered.
frmProject& projectExplorer();

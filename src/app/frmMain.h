#pragma once

#include "editor/DocumentKind.h"

#include <QMainWindow>

class CommonDialog;
class QMdiArea;
class frmDocument;

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

    void NewDocument();
    void mnuFileNewC_Click();
    void mnuFileNewH_Click();
    void mnuFileNewRoot_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileClose_Click();

private:
    void newDocumentOfKind(DocumentKind kind);
    QString askForFile(const QString& title, bool save);
    void writeDocument(frmDocument& document, const QString& path);

    QMdiArea* m_workspace;
};

#pragma once

#include <QWidget>

class FileListBox;
class ListBox;
class QAction;
class QLabel;
class QMenu;

// The Project Explorer: the project folder's files beside the project's file list, with the
// project commands in two pop-up menus.
class frmProject : public QWidget {
    Q_OBJECT

public:
    frmProject();

    QLabel* Label1;
    FileListBox* File2;
    ListBox* List1;
    QLabel* Label2;

    QMenu* mnupopup;
    QAction* mnuRemove;
    QAction* mnuProperties;
    QAction* mnuCompile;
    QAction* mnuExit;
    QMenu* mnupopupe;
    QAction* mnuAdd;
    QAction* mnuImport;
    QAction* mnuExita;

    void Form_Load();
    void List1_DblClick();
    void List1_MouseDown(Qt::MouseButton button, QPoint at);
    void File2_DblClick();
    void File2_MouseDown(Qt::MouseButton button, QPoint at);
    void mnuRemove_Click();
    void mnuProperties_Click();
    void mnuCompile_Click();
    void mnuExit_Click();
    void mnuAdd_Click();
    void mnuImport_Click();
    void mnuExita_Click();

signals:
    // The windows of the layer above; the shell answers these.
    void importRequested();
    void convertRequested();
};

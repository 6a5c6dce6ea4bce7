#include "frmProject.h"

#include "FileListBox.h"
#include "LoadedWindows.h"
#include "MakeBat.h"
#include "MessageText.h"
#include "Project.h"
#include "TextFile.h"
#include "Toolkit.h"
#include "frmDialog.h"

#include <QLabel>
#include <QMenu>

namespace {

QAction* item(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

frmProject::frmProject()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmProject"));
    setWindowTitle(QStringLiteral("Project Explorer"));
    // Whatever the user drags the border to, the window keeps its size.
    Toolkit::holdWindowSize(this, 8655, 5280);

    Label1 = Toolkit::placeInTwips(new QLabel(QStringLiteral("Project Files:"), this), 6000, 0, 975,
                                   255);
    File2 = Toolkit::placeInTwips(new FileListBox(this), 120, 240, 4095, 4965);
    File2->setObjectName(QStringLiteral("File2"));
    List1 = Toolkit::placeInTwips(new ListBox(this), 4320, 240, 4215, 4935);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setModel(Project::current().filesModel());
    Label2 = Toolkit::placeInTwips(new QLabel(QStringLiteral("Project Folder"), this), 1680, 0,
                                   1095, 255);
    setTabOrder(File2, List1);
    Toolkit::nameAfterLabel(Label2, File2);
    Toolkit::nameAfterLabel(Label1, List1);

    mnupopup = new QMenu(QStringLiteral("&Pop Up"), this);
    mnupopup->setObjectName(QStringLiteral("mnupopup"));
    mnuRemove = item(mnupopup, "mnuRemove", "&Remove File");
    mnuProperties = item(mnupopup, "mnuProperties", "&Project Properties");
    mnuCompile = item(mnupopup, "mnuCompile", "&Compile Project");
    mnupopup->addSeparator()->setObjectName(QStringLiteral("mnuBar"));
    mnuExit = item(mnupopup, "mnuExit", "&Exit");
    mnupopupe = new QMenu(QStringLiteral("&Pop Up E"), this);
    mnupopupe->setObjectName(QStringLiteral("mnupopupe"));
    mnuAdd = item(mnupopupe, "mnuAdd", "&Add File");
    mnuImport = item(mnupopupe, "mnuImport", "&Import File");
    mnupopupe->addSeparator()->setObjectName(QStringLiteral("mnuBare"));
    mnuExita = item(mnupopupe, "mnuExita", "&Exit");

    Toolkit::fitWindowText(this);
    connect(List1, &ListBox::DblClick, this, &frmProject::List1_DblClick);
    connect(List1, &ListBox::MouseDown, this, &frmProject::List1_MouseDown);
    connect(File2, &ListBox::DblClick, this, &frmProject::File2_DblClick);
    connect(File2, &ListBox::MouseDown, this, &frmProject::File2_MouseDown);
    connect(List1, &ListBox::MenuKey, mnupopup, [this](QPoint at) { mnupopup->popup(at); });
    connect(File2, &ListBox::MenuKey, mnupopupe, [this](QPoint at) { mnupopupe->popup(at); });
    connect(mnuRemove, &QAction::triggered, this, &frmProject::mnuRemove_Click);
    connect(mnuProperties, &QAction::triggered, this, &frmProject::mnuProperties_Click);
    connect(mnuCompile, &QAction::triggered, this, &frmProject::mnuCompile_Click);
    connect(mnuExit, &QAction::triggered, this, &frmProject::mnuExit_Click);
    connect(mnuAdd, &QAction::triggered, this, &frmProject::mnuAdd_Click);
    connect(mnuImport, &QAction::triggered, this, &frmProject::mnuImport_Click);
    connect(mnuExita, &QAction::triggered, this, &frmProject::mnuExita_Click);
    connect(&Project::current(), &Project::folderFilesChanged, File2, &FileListBox::Refresh);
}

void frmProject::Form_Load()
{
    File2->setPath(Project::current().ProjectFolder());
}

void frmProject::List1_DblClick()
{
    mnuRemove_Click();
}

void frmProject::List1_MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::RightButton)
        mnupopup->popup(at);
}

void frmProject::File2_DblClick()
{
    mnuAdd_Click();
}

void frmProject::File2_MouseDown(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::RightButton)
        mnupopupe->popup(at);
}

void frmProject::mnuRemove_Click()
{
    const int row = List1->ListIndex();
    if (row < 0)
        return;
    Project::current().removeFileAt(row);
    // The entry that moved into its place is selected, or the new last one.
    List1->setListIndex(std::min(row, List1->ListCount() - 1));
}

void frmProject::mnuProperties_Click()
{
    frmDialog& dialog = LoadedWindows::instance().form<frmDialog>();
    dialog.show();
    dialog.raise();
}

void frmProject::mnuCompile_Click()
{
    const QString folder = Project::current().ProjectFolder();
    if (folder.isEmpty()) {
        Toolkit::MsgBox(frmDialog::noFolderMessage(QStringLiteral("write make.bat")));
        return;
    }
    if (const Result<> written = WriteMakeBat(folder, Project::current().Files()); !written)
        Toolkit::MsgBox(
            cannotWrite(joinPath(folder, QStringLiteral("make.bat")), written.reason()));
}

void frmProject::mnuExit_Click()
{
    hide();
}

void frmProject::mnuAdd_Click()
{
    const QString name = File2->FileName();
    if (name.isEmpty())
        return;
    if (!name.endsWith(QLatin1String(".bmp"))) {
        Project::current().appendFile(name);
        return;
    }
    const MsgBoxResult answer =
        Toolkit::MsgBox(QStringLiteral("This file must be converted with 2pic before it can be "
                                       "added to the project. Convert it now?"),
                        MsgBoxButtons::OkCancel);
    if (answer == MsgBoxResult::Ok)
        emit convertRequested();
}

void frmProject::mnuImport_Click()
{
    emit importRequested();
}

void frmProject::mnuExita_Click()
{
    hide();
}

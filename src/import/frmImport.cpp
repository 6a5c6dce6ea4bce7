#include "frmImport.h"

#include "DriveList.h"
#include "FileListBox.h"
#include "FileSync.h"
#include "FolderList.h"
#include "MessageText.h"
#include "Project.h"
#include "TextFile.h"
#include "Toolkit.h"
#include "frmDialog.h"

#include <QDir>
#include <QPushButton>

frmImport::frmImport()
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Import To Project"));
    resize(Toolkit::twipsToPixels(6675), Toolkit::twipsToPixels(3540));
    Drive1 = Toolkit::placeInTwips(new DriveList(this), 120, 120, 6375, 315);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1 = Toolkit::placeInTwips(new FolderList(this), 120, 480, 2655, 2565);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1 = Toolkit::placeInTwips(new FileListBox(this), 2880, 480, 3615, 3015);
    File1->setObjectName(QStringLiteral("File1"));
    Command1 = Toolkit::placeInTwips(new QPushButton(QStringLiteral("Import To Project"), this),
                                     360, 3120, 2175, 375);
    Command1->setObjectName(QStringLiteral("Command1"));
    // No label names them; a screen reader says what each one chooses.
    Drive1->setAccessibleName(QStringLiteral("Drive"));
    Dir1->setAccessibleName(QStringLiteral("Source folder"));
    File1->setAccessibleName(QStringLiteral("Source file"));
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Command1);
    // Closing it by its title bar discards it; the next use makes it afresh.
    setAttribute(Qt::WA_DeleteOnClose);

    Toolkit::fitWindowText(this);
    connect(Drive1, &DriveList::Change, this, &frmImport::Drive1_Change);
    connect(Dir1, &FolderList::Change, this, &frmImport::Dir1_Change);
    connect(Command1, &QPushButton::clicked, this, &frmImport::Command1_Click);
    connect(File1, &FileListBox::selectionChanged, this,
            [this] { Command1->setEnabled(!File1->FileName().isEmpty()); });
    Command1->setEnabled(false);
}

void frmImport::Form_Load()
{
    Dir1->setPath(QDir::currentPath());
    Drive1->setDriveOf(Dir1->Path());
    File1->setPath(Dir1->Path());
}

void frmImport::Drive1_Change()
{
    // A drive keeps no current folder of its own here: its root, unless it holds the current one.
    const QString current = QDir::toNativeSeparators(QDir::currentPath());
    const QString drive = Drive1->Drive();
    Dir1->setPath(Drive1->driveOf(current) == drive ? current : drive);
}

void frmImport::Dir1_Change()
{
    File1->setPath(Dir1->Path());
}

void frmImport::Command1_Click()
{
    const QString name = File1->FileName();
    const QString folder = Project::current().ProjectFolder();
    if (name.isEmpty())
        return;
    if (folder.isEmpty()) {
        Toolkit::MsgBox(frmDialog::noFolderMessage(QStringLiteral("import \"%1\"").arg(name)));
        return;
    }
    const QString source = joinPath(Dir1->Path(), name);
    const QString destination = joinPath(folder, name);
    if (const Result<> copied = copyReplacing(source, destination); !copied) {
        Toolkit::MsgBox(QStringLiteral("Cannot import %1 to %2: %3")
                            .arg(quotedPathForMessage(source), quotedPathForMessage(destination),
                                 copied.reason()));
        return;
    }
    Toolkit::MsgBox(QStringLiteral("File Imported!"));
    emit Project::current().folderFilesChanged();
    hide();
}

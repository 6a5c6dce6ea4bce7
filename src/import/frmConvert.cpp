#include "frmConvert.h"

#include "BatchArgument.h"
#include "ConvertScript.h"
#include "FileListBox.h"
#include "MessageText.h"
#include "Project.h"
#include "TextBox.h"
#include "TextFile.h"
#include "Toolkit.h"
#include "modShellExec.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

const QString ScriptName = QStringLiteral("2piclaunch.bat");

} // namespace

frmConvert::frmConvert()
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("frmConvert"));
    setWindowTitle(QStringLiteral("Convert Bitmaps"));
    resize(Toolkit::twipsToPixels(2895), Toolkit::twipsToPixels(4215));
    Label1 = Toolkit::placeInTwips(new QLabel(QStringLiteral("Convert"), this), 1200, 0, 615, 255);
    File1 = Toolkit::placeInTwips(new FileListBox(this), 120, 240, 2655, 2625);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setPattern(QStringLiteral("*.bmp"));
    Label2 = Toolkit::placeInTwips(new QLabel(QStringLiteral("To"), this), 1320, 3000, 255, 255);
    Text1 = Toolkit::placeInTwips(new TextBox(this), 120, 3240, 2655, 285);
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1 = Toolkit::placeInTwips(new QPushButton(QStringLiteral("Convert"), this), 360, 3720,
                                     975, 375);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = Toolkit::placeInTwips(new QPushButton(QStringLiteral("Cancel"), this), 1560, 3720,
                                     975, 375);
    Command2->setObjectName(QStringLiteral("Command2"));
    // Closing it by its title bar discards it; the next use makes it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    Toolkit::nameAfterLabel(Label1, File1);
    Toolkit::nameAfterLabel(Label2, Text1);
    setTabOrder(File1, Text1);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    Toolkit::fitWindowText(this);
    connect(Command1, &QPushButton::clicked, this, &frmConvert::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmConvert::Command2_Click);
    // The list follows the project folder, so that the bitmap picked is the one converted.
    connect(&Project::current(), &Project::ProjectFolderChanged, File1, &FileListBox::setPath);
}

void frmConvert::Form_Load()
{
    File1->setPath(Project::current().ProjectFolder());
}

void frmConvert::Command1_Click()
{
    const QString folder = Project::current().ProjectFolder();
    const QString converted = Text1->text();
    const QString bitmap = File1->FileName();
    QString problem;
    if (folder.isEmpty())
        problem = QStringLiteral("the project has no folder. Choose one in Project Properties.");
    else if (!QFileInfo(folder).isDir())
        problem = QStringLiteral("the project folder %1 does not exist.")
                      .arg(quotedPathForMessage(folder));
    else if (bitmap.isEmpty())
        problem = QStringLiteral("no bitmap is selected.");
    else if (!QFileInfo::exists(joinPath(folder, bitmap)))
        problem = QStringLiteral("the bitmap %1 is gone.")
                      .arg(quotedPathForMessage(joinPath(folder, bitmap)));
    else if (converted.isEmpty())
        problem = QStringLiteral("type the name of the converted file under \"To\".");
    else if (!fitsOnBatchLine(folder) || !fitsOnBatchLine(converted) || !fitsOnBatchLine(bitmap))
        problem = QStringLiteral("a name with a line break or another control character cannot "
                                 "stand in a batch file.");
    if (!problem.isEmpty()) {
        Toolkit::MsgBox(QStringLiteral("Cannot convert: ") + problem);
        return;
    }
    // Messages name the script with its folder: the working folder is nowhere on the screen.
    const QString script = QDir::current().absoluteFilePath(ScriptName);
    if (const Result<> written =
            writeTextLines(script, convertScriptLines(folder, converted, bitmap),
                           LinkAtPath::Replace, CodePage::Oem);
        !written) {
        Toolkit::MsgBox(cannotWrite(script, written.reason()));
        return;
    }
    const qint32 started = ShellOpenFile(ScriptName, QString(), QString());
    if (started <= 32) {
        Toolkit::MsgBox(QStringLiteral("Cannot start %1: %2")
                            .arg(quotedPathForMessage(script),
                                 started == 2 ? QStringLiteral("the file does not exist.")
                                              : QStringLiteral("no program was found to run it "
                                                               "(a batch file needs Wine here).")));
        return;
    }
    Project::current().appendFile(converted);
    hide();
}

void frmConvert::Command2_Click()
{
    hide();
}

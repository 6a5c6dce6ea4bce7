#include "frmDialog.h"

#include "FolderList.h"
#include "MessageText.h"
#include "Project.h"
#include "RootInf.h"
#include "TextBox.h"
#include "TextFile.h"
#include "Toolkit.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

QLabel* label(const QString& name, const QString& text, QWidget* parent,
              Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLineEdit* textBox(const QString& name, QWidget* parent)
{
    auto* box = new TextBox(parent);
    box->setObjectName(name);
    return box;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* page(const QString& name, const QString& title, QWidget* parent)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    return Toolkit::placeInTwips(frame, 1800, 120, 4215, 2895);
}

} // namespace

frmDialog::frmDialog()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmDialog"));
    setWindowTitle(QStringLiteral("Project Properties"));
    Toolkit::holdWindowSize(this, 6105, 3120);

    Command1 =
        Toolkit::placeInTwips(button("Command1", "Project Properties", this), 120, 240, 1575, 375);
    Command3 =
        Toolkit::placeInTwips(button("Command3", "Config Root.inf", this), 120, 720, 1575, 375);
    Command4 = Toolkit::placeInTwips(button("Command4", "OK", this), 120, 2640, 1575, 375);
    Frame1 = page("Frame1", "Project Properties", this);
    Frame4 = page("Frame4", "Root.inf Options", this);
    Frame3 = page("Frame3", "Root.inf Wizard", this);
    fillProjectPage();
    fillOptionsPage();
    fillWizardPage();
    orderAndNameControls();
    Toolkit::fitWindowText(this);
    connectHandlers();
    followProject();
}

void frmDialog::fillProjectPage()
{
    Dir1 = Toolkit::placeInTwips(new FolderList(Frame1), 120, 240, 2295, 2115);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Toolkit::placeInTwips(label("Label5", "Project Name", Frame1), 2520, 480, 1575, 255);
    Text1 = Toolkit::placeInTwips(textBox("Text1", Frame1), 2520, 720, 1575, 285);
    Toolkit::placeInTwips(label("Label2", "Output App Name", Frame1), 2640, 1320, 1335, 255);
    Text2 = Toolkit::placeInTwips(textBox("Text2", Frame1), 2520, 1560, 1575, 285);
    Toolkit::placeInTwips(label("Label3", "Output Path:", Frame1), 120, 2560, 975, 255);
    Text3 = Toolkit::placeInTwips(textBox("Text3", Frame1), 1080, 2520, 3015, 285);
}

void frmDialog::fillOptionsPage()
{
    // Each option button is only its marker; the text beside it is a label of its own.
    Option1 = Toolkit::placeInTwips(new QRadioButton(Frame4), 480, 360, 255, 255);
    Option1->setObjectName(QStringLiteral("Option1"));
    Toolkit::placeInTwips(label("Label12", "Use Root.inf file and compile with project", Frame4),
                          840, 375, 3135, 255);
    Option2 = Toolkit::placeInTwips(new QRadioButton(Frame4), 480, 840, 255, 255);
    Option2->setObjectName(QStringLiteral("Option2"));
    Toolkit::placeInTwips(label("Label11", "Create Root.inf file using Wizard", Frame4), 840, 855,
                          2775, 255);
    // The pair is the project's: both may be off, which exclusive buttons would not allow.
    Option1->setAutoExclusive(false);
    Option2->setAutoExclusive(false);
}

void frmDialog::fillWizardPage()
{
    const Qt::Alignment centred = Qt::AlignHCenter;
    Toolkit::placeInTwips(label("Label10", "App Type (game/app)", Frame3, centred), 240, 240, 1695,
                          255);
    Text5 = Toolkit::placeInTwips(textBox("Text5", Frame3), 240, 480, 1695, 285);
    Toolkit::placeInTwips(label("Label8", "Version", Frame3, centred), 2760, 240, 735, 255);
    Text7 = Toolkit::placeInTwips(textBox("Text7", Frame3), 2280, 480, 1695, 285);
    Toolkit::placeInTwips(label("Label9", "Name", Frame3, centred), 480, 960, 1095, 255);
    Text8 = Toolkit::placeInTwips(textBox("Text8", Frame3), 240, 1200, 1695, 285);
    Toolkit::placeInTwips(label("Label6", "Halvos Version", Frame3, centred), 2520, 960, 1215, 255);
    Text6 = Toolkit::placeInTwips(textBox("Text6", Frame3), 2280, 1200, 1695, 285);
    Toolkit::placeInTwips(label("Label7", "Copyright Info", Frame3, centred), 1440, 1680, 1095,
                          255);
    Text4 = Toolkit::placeInTwips(textBox("Text4", Frame3), 1080, 1920, 1815, 285);
    Command6 = Toolkit::placeInTwips(button("Command6", "Create", Frame3), 240, 2400, 975, 375);
    Command5 = Toolkit::placeInTwips(button("Command5", "OK", Frame3), 3000, 2400, 975, 375);
}

void frmDialog::orderAndNameControls()
{
    const QList<QWidget*> focusOrder{Command1, Command4, Text2,   Dir1,   Text3, Command3,
                                     Text1,    Text5,    Text8,   Text7,  Text6, Text4,
                                     Command6, Command5, Option2, Option1};
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);

    // Each label names the field or option it stands over or beside.
    const std::pair<const char*, QWidget*> labelled[] = {
        {"Label5", Text1},    {"Label2", Text2},  {"Label3", Text3}, {"Label12", Option1},
        {"Label11", Option2}, {"Label10", Text5}, {"Label8", Text7}, {"Label9", Text8},
        {"Label6", Text6},    {"Label7", Text4}};
    for (const auto& [label, control] : labelled)
        Toolkit::nameAfterLabel(findChild<QLabel*>(label), control);
    Dir1->setAccessibleName(QStringLiteral("Project folder"));
}

void frmDialog::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &frmDialog::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmDialog::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmDialog::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmDialog::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmDialog::Command6_Click);
    connect(Dir1, &FolderList::Change, this, &frmDialog::Dir1_Change);
    connect(Option1, &QRadioButton::clicked, this, &frmDialog::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &frmDialog::Option2_Click);
}

void frmDialog::Form_Load()
{
    // A project opened before the dialog existed may have turned it to the wizard already.
    showPage(Project::current().wizardOptionWasSelected() ? Frame3 : Frame1);
    Dir1->blockSignals(true);
    Dir1->setPath(QDir::currentPath());
    Dir1->blockSignals(false);
    // The client area's first place on the screen.
    setGeometry(QRect(QPoint(Toolkit::twipsToPixels(2760), Toolkit::twipsToPixels(3750)), size()));
}

// The fields show the project and change it: a change made anywhere is seen here at once.
void frmDialog::followProject()
{
    Project& project = Project::current();
    const auto bind = [this](QLineEdit* box, const QString& value, auto changed, auto set) {
        box->setText(value);
        connect(&Project::current(), changed, box, [box](const QString& text) {
            if (box->text() == text)
                return;
            // A folder being typed comes back with native separators: the caret stays.
            const bool echo = box->hasFocus() && box->text().size() == text.size();
            const int caret = box->cursorPosition();
            box->setText(text);
            if (echo)
                box->setCursorPosition(caret);
        });
        connect(box, &QLineEdit::textEdited, &Project::current(),
                [set](const QString& text) { (Project::current().*set)(text); });
    };
    bind(Text1, project.ProjectName(), &Project::ProjectNameChanged, &Project::setProjectName);
    bind(Text2, project.OutputAppName(), &Project::OutputAppNameChanged,
         &Project::setOutputAppName);
    bind(Text3, project.ProjectFolder(), &Project::ProjectFolderChanged,
         &Project::setProjectFolder);
    Option1->setChecked(project.UseRootInfFile());
    Option2->setChecked(project.CreateRootInfWithWizard());
    connect(&project, &Project::UseRootInfFileChanged, Option1, &QRadioButton::setChecked);
    connect(&project, &Project::CreateRootInfWithWizardChanged, Option2, &QRadioButton::setChecked);
    connect(&project, &Project::wizardOptionSelected, this, [this] { showPage(Frame3); });
}

void frmDialog::Command1_Click()
{
    showPage(Frame1);
}

void frmDialog::Command3_Click()
{
    showPage(Frame4);
}

void frmDialog::Command4_Click()
{
    hide();
}

void frmDialog::Command5_Click()
{
    showPage(Frame4);
}

QString frmDialog::noFolderMessage(const QString& action)
{
    return QStringLiteral("Cannot %1: the project has no folder. Choose one in Project Properties.")
        .arg(action);
}

void frmDialog::Command6_Click()
{
    const QString folder = Project::current().ProjectFolder();
    if (folder.isEmpty()) {
        Toolkit::MsgBox(noFolderMessage(QStringLiteral("write root.inf")));
        return;
    }
    const Result<> written = WriteRootInf(folder, {.appType = Text5->text(),
                                                   .name = Text8->text(),
                                                   .version = Text7->text(),
                                                   .osVersion = Text6->text(),
                                                   .copyright = Text4->text()});
    Toolkit::MsgBox(
        written ? QStringLiteral("Root.inf Created!")
                : cannotWrite(joinPath(folder, QStringLiteral("root.inf")), written.reason()));
}

void frmDialog::Dir1_Change()
{
    Project::current().setProjectFolder(Dir1->Path());
}

void frmDialog::Option1_Click()
{
    Project::current().setUseRootInfFile(true);
    Option1->setChecked(true); // a click on the marker never turns it off
}

void frmDialog::Option2_Click()
{
    Project::current().setCreateRootInfWithWizard(true);
    Option2->setChecked(true);
}

QGroupBox* frmDialog::visiblePage() const
{
    for (QGroupBox* page : {Frame1, Frame4, Frame3}) {
        if (!page->isHidden())
            return page;
    }
    return nullptr;
}

void frmDialog::showPage(QGroupBox* page)
{
    for (QGroupBox* each : {Frame1, Frame4, Frame3})
        each->setVisible(each == page);
}

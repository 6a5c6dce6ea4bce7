#pragma once

#include <QWidget>

class FolderList;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The Project Properties dialog: the project's settings on three stacked pages, and the five
// fields of the root.inf wizard, which live as long as the program.
class frmDialog : public QWidget {
    Q_OBJECT

public:
    frmDialog();

    // Why `action` (such as "write make.bat") cannot be done while the project has no folder,
    // and where to choose one.
    static QString noFolderMessage(const QString& action);

    QPushButton* Command1;
    QPushButton* Command3;
    QPushButton* Command4;
    QGroupBox* Frame1; // Project Properties
    QGroupBox* Frame4; // Root.inf Options
    QGroupBox* Frame3; // Root.inf Wizard
    FolderList* Dir1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QLineEdit* Text5; // application type
    QLineEdit* Text8; // name
    QLineEdit* Text7; // version
    QLineEdit* Text6; // OS version
    QLineEdit* Text4; // copyright
    QPushButton* Command6;
    QPushButton* Command5;

    void Form_Load();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Dir1_Change();
    void Option1_Click();
    void Option2_Click();

    // The page shown: Frame1, Frame4 or Frame3.
    QGroupBox* visiblePage() const;

private:
    // The constructor's steps; the Tab order and the names need every control made first.
    void fillProjectPage();
    void fillOptionsPage();
    void fillWizardPage();
    void orderAndNameControls();
    void connectHandlers();
    void showPage(QGroupBox* page);
    void followProject();
};

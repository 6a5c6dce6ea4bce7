#pragma once

#include <QWidget>

class FileListBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Convert Bitmaps: picks a bitmap of the project folder and a name for the converted file,
// then has the kit's 2pic convert it through a generated batch file.
class frmConvert : public QWidget {
    Q_OBJECT

public:
    frmConvert();

    QLabel* Label1;
    FileListBox* File1;
    QLabel* Label2;
    QLineEdit* Text1;
    QPushButton* Command1;
    QPushButton* Command2;

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
};

#pragma once

#include <QWidget>

class DriveList;
class FileListBox;
class FolderList;
class QPushButton;

// Import To Project: copies a file from any drive and folder into the project folder.
class frmImport : public QWidget {
    Q_OBJECT

public:
    frmImport();

    DriveList* Drive1;
    FolderList* Dir1;
    FileListBox* File1;
    QPushButton* Command1;

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void Command1_Click();
};

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

// Copies the file over the destination, whole or not at all: a failed copy leaves a file that
// stood there as it was, and a link standing there is replaced, not written through. Only a
// regular file is copied. Returns the empty text, or a message naming the file and the reason.
QString copyReplacing(const QString& source, const QString& destination);

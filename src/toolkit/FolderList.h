#pragma once

#include "ShownFolder.h"

#include <QListWidget>

// A folder chooser: the current folder's ancestors from the root down, the current folder open
// beneath them, and its subfolders. A double-click opens a folder and reports the change; a
// single click only highlights.
class FolderList : public QListWidget, public ShownFolder {
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent = nullptr);

    // Opens the folder; reports a change when it is another one.
    void setPath(const QString& folder) override;

signals:
    void Change();

private:
    void fill();
    void openItem(QListWidgetItem* item);
};

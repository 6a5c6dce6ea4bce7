#pragma once

#include "ListBox.h"
#include "ShownFolder.h"

#include <QStringListModel>

// The regular files of one folder (also through links) that match a name pattern, read when
// the folder is set and again only when asked. A folder that is empty text or names no folder
// shows nothing.
class FileListBox : public ListBox, public ShownFolder {
    Q_OBJECT

public:
    explicit FileListBox(QWidget* parent = nullptr);

    void setPath(const QString& folder) override;
    void setPattern(const QString& pattern);
    // The selected file's bare name; empty when none is selected.
    QString FileName() const;
    void Refresh();

signals:
    void selectionChanged();

private:
    QString m_pattern = QStringLiteral("*.*");
    QStringListModel m_files;
};

#include "FileListBox.h"

#include "FileFilter.h"

#include <QDir>
#include <QItemSelectionModel>

FileListBox::FileListBox(QWidget* parent)
    : ListBox(parent)
{
    setModel(&m_files);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FileListBox::selectionChanged);
    connect(&m_files, &QAbstractItemModel::modelReset, this, &FileListBox::selectionChanged);
}

void FileListBox::setPath(const QString& folder)
{
    m_path = folder;
    Refresh();
}

void FileListBox::setPattern(const QString& pattern)
{
    m_pattern = pattern;
    Refresh();
}

QString FileListBox::FileName() const
{
    const int row = ListIndex();
    return row < 0 ? QString() : List(row);
}

void FileListBox::Refresh()
{
    const QString selected = FileName();
    QStringList names;
    const QDir folder(m_path);
    if (!m_path.isEmpty() && folder.exists()) {
        // QDir::Files takes a link to a pipe or a device too; only what can be read is offered.
        for (const QFileInfo& file : folder.entryInfoList(filterPatterns(m_pattern), QDir::Files,
                                                          QDir::Name | QDir::IgnoreCase)) {
            if (file.isFile())
                names.append(file.fileName());
        }
    }
    m_files.setStringList(names);
    // A file still there stays selected.
    setListIndex(int(names.indexOf(selected)));
}

#include "FolderList.h"

#include <QDir>
#include <QFileIconProvider>

namespace {

constexpr int PathRole = Qt::UserRole;

} // namespace

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::openItem);
    connect(this, &QListWidget::itemActivated, this, &FolderList::openItem);
}

void FolderList::setPath(const QString& folder)
{
    const QString path = QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath()));
    if (path == m_path)
        return;
    m_path = path;
    fill();
    emit Change();
}

void FolderList::openItem(QListWidgetItem* item)
{
    // A double-click also activates the item, by then gone with the list the click refilled.
    if (item)
        setPath(item->data(PathRole).toString());
}

void FolderList::fill()
{
    clear();
    const QFileIconProvider icons;
    QStringList chain;
    for (QDir dir(m_path);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    int depth = 0;
    QListWidgetItem* current = nullptr;
    for (const QString& path : chain) {
        const QString name =
            QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QDir(path).dirName();
        auto* item = new QListWidgetItem(icons.icon(QFileIconProvider::Folder),
                                         QString(depth * 2, u' ') + name, this);
        item->setData(PathRole, QDir::toNativeSeparators(path));
        current = item;
        ++depth;
    }
    const QStringList subfolders =
        QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(icons.icon(QFileIconProvider::Folder),
                                         QString(depth * 2, u' ') + name, this);
        item->setData(PathRole, QDir::toNativeSeparators(QDir(m_path).filePath(name)));
    }
    setCurrentItem(current);
}

#include "DriveList.h"

#include <QDir>
#include <QStorageInfo>

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives())
        roots.append(drive.absoluteFilePath());
#else
    // The kernel's and the system's own file systems hold nothing to import.
    static const QList<QByteArray> systemTypes{
        "proc",       "sysfs",       "devtmpfs", "devpts",  "tmpfs",    "cgroup",    "cgroup2",
        "securityfs", "pstore",      "debugfs",  "tracefs", "mqueue",   "hugetlbfs", "fusectl",
        "configfs",   "binfmt_misc", "autofs",   "bpf",     "efivarfs", "ramfs",     "nsfs"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() &&
            !systemTypes.contains(volume.fileSystemType()) && !roots.contains(root))
            roots.append(root);
    }
#endif
    roots.sort();
    for (const QString& root : roots)
        addItem(QDir::toNativeSeparators(root), QDir::toNativeSeparators(root));
    connect(this, &QComboBox::activated, this, &DriveList::Change);
}

QString DriveList::driveOf(const QString& folder) const
{
    const QString path = QDir::toNativeSeparators(QDir(folder).absolutePath()) + QDir::separator();
    QString best;
    for (int i = 0; i < count(); ++i) {
        const QString drive = itemData(i).toString();
        QString root = drive;
        if (!root.endsWith(QDir::separator()))
            root += QDir::separator();
        if (path.startsWith(root, Qt::CaseInsensitive) && drive.size() > best.size())
            best = drive;
    }
    return best;
}

void DriveList::setDriveOf(const QString& folder)
{
    const int index = findData(driveOf(folder));
    if (index >= 0)
        setCurrentIndex(index);
}

#include "DriveList.h"

#include <QStorageInfo>

// The roots of the mounted file systems.
QStringList DriveList::driveRoots()
{
    // The kernel's and the system's own file systems hold nothing to import.
    static const QList<QByteArray> systemTypes{
        "proc",       "sysfs",       "devtmpfs", "devpts",  "tmpfs",    "cgroup",    "cgroup2",
        "securityfs", "pstore",      "debugfs",  "tracefs", "mqueue",   "hugetlbfs", "fusectl",
        "configfs",   "binfmt_misc", "autofs",   "bpf",     "efivarfs", "ramfs",     "nsfs"};
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() &&
            !systemTypes.contains(volume.fileSystemType()) && !roots.contains(root))
            roots.append(root);
    }
    return roots;
}

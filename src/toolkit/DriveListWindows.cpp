#include "DriveList.h"

#include <QDir>

// The drive letters.
QStringList DriveList::driveRoots()
{
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives())
        roots.append(drive.absoluteFilePath());
    return roots;
}

#include "DriveList.h"

#include <QDir>

DriveList::DriveList(QWidget* parent)
    : QComboBox(parent)
{
    QStringList roots = driveRoots();
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

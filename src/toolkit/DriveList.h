#pragma once

#include <QComboBox>

// The drives to choose from: on Windows the drive letters, elsewhere the roots of the mounted
// file systems.
class DriveList : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget* parent = nullptr);

    QString Drive() const { return currentData().toString(); }
    // The drive that holds the folder; empty when none listed does.
    QString driveOf(const QString& folder) const;
    // Chooses the drive that holds the folder.
    void setDriveOf(const QString& folder);

signals:
    void Change();

private:
    // The roots to list, in any order; each platform's own file finds them.
    static QStringList driveRoots();
};

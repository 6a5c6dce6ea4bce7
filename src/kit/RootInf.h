#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

// The root.inf wizard's five values, each exactly as typed.
struct RootInfValues {
    QString appType;
    QString name;
    QString version;
    QString osVersion;
    QString copyright;
};

// The ten lines of root.inf: the type, the name, four empty lines, the name again, the
// version, the OS version and the copyright.
QStringList rootInfLines(const RootInfValues& values);

// Writes root.inf of the wizard's values into the project folder, or nothing when a value
// cannot stand on a line of it.
Result<> WriteRootInf(const QString& projectFolder, const RootInfValues& values);

#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

// The ten lines of root.inf: the type, the name, four empty lines, the name again, the
// version, the OS version and the copyright, each exactly as typed.
QStringList rootInfLines(const QString& appType, const QString& name, const QString& version,
                         const QString& osVersion, const QString& copyright);

// Writes root.inf of the wizard's five values into the project folder, or nothing when a
// value cannot stand on a line of it.
Result<> WriteRootInf(const QString& projectFolder, const QString& appType, const QString& name,
                      const QString& version, const QString& osVersion, const QString& copyright);

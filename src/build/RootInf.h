#pragma once

#include <QString>
#include <QStringList>

// The ten lines of root.inf: the type, the name, four empty lines, the name again, the
// version, the OS version and the copyright, each exactly as typed.
QStringList rootInfLines(const QString& appType, const QString& name, const QString& version,
                         const QString& osVersion, const QString& copyright);

// Writes root.inf of the wizard's five values into the project folder and says so; a failure,
// or a value that no line can carry, is told instead and nothing is written.
void WriteRootInf(const QString& projectFolder, const QString& appType, const QString& name,
                  const QString& version, const QString& osVersion, const QString& copyright);

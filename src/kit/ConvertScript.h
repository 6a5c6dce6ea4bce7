#pragma once

#include <QString>
#include <QStringList>

// The two lines of 2piclaunch.bat: 2pic with the converted file's path, then the bitmap's.
QStringList convertScriptLines(const QString& projectFolder, const QString& convertedName,
                               const QString& bitmapName);

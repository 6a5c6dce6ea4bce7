#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

// The three lines of make.bat for the project's files: filer takes every file that the
// compiler does not, the compiler takes the ".c" and ".inf" files, each group in list order.
QStringList makeBatLines(const QStringList& files);

// Writes make.bat for the files into the project folder, or nothing when a file's name cannot
// stand on a line of it.
Result<> WriteMakeBat(const QString& projectFolder, const QStringList& files);

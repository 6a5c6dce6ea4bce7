#pragma once

#include <QString>
#include <QStringList>

// The three lines of make.bat for the project's files: filer takes every file that the
// compiler does not, the compiler takes the ".c" and ".inf" files, each group in list order.
QStringList makeBatLines(const QStringList& files);

// Writes make.bat for the files into the project folder; a failure is told in a message box.
void WriteMakeBat(const QString& projectFolder, const QStringList& files);

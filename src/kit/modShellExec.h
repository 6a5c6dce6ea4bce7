#pragma once

#include <QString>

// Hands a file to the system to open, hidden and without waiting: a batch file runs in the
// Windows command interpreter, a program is started, anything else goes to the program the
// desktop associates with it. `file` is absolute or relative to the current working folder;
// an empty `folder` means the current working folder. Above 32 means started; 2, the file does
// not exist; 31, no program could be found to open it.
qint32 ShellOpenFile(const QString& file, const QString& folder, const QString& parameters);

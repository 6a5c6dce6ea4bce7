#pragma once

#include <QString>

// An entry as it must stand on a line of a batch file so that the command interpreter reads it
// back as one argument with its own text: quoted when it holds a character that would split or
// redirect the line, with every % doubled. Ordinary names come out unchanged.
QString batchArgument(const QString& entry);

// The same for the command line the interpreter is started with, where a % stays single.
QString commandLineArgument(const QString& entry);

// A path as the programs the interpreter starts name it, absolute (a relative path is taken from
// the current working folder) and with backslashes only: on Windows as the system names it;
// elsewhere they run in Wine, whose drive Z: is the root of the file system ("Z:\home\me\logo").
QString interpreterPath(const QString& path);

// False for a text with a line break, which no quoting keeps on one line of a batch file, or
// with another control character but the tab, which the command interpreter mishandles (a NUL
// ends the line early). root.inf, read by the kit, takes the same rule.
bool fitsOnBatchLine(const QString& text);

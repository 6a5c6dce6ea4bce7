#pragma once

#include <QString>

// An entry as it must stand on a line of a batch file so that the command interpreter reads it
// back as one argument with its own text: quoted when it holds a character that would split or
// redirect the line, with every % doubled. Ordinary names come out unchanged.
QString batchArgument(const QString& entry);

// False for a text with a line break, which no quoting keeps on one line of a batch file, or
// with another control character but the tab, which the command interpreter mishandles (a NUL
// ends the line early). root.inf, read by the kit, takes the same rule.
bool fitsOnBatchLine(const QString& text);

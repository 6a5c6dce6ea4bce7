#pragma once

#include <QString>

// Windows' shell opens the file (ShellExecuteW), hidden and without waiting; its result as the
// shell gives it: above 32 means started. Elsewhere there is no such shell: 31, nothing found.
qint32 shellExecuteHidden(const QString& file, const QString& folder, const QString& parameters);

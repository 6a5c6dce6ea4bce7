#include "SystemShell.h"

// There is no such shell: nothing found.
qint32 shellExecuteHidden(const QString& file, const QString& folder, const QString& parameters)
{
    Q_UNUSED(file)
    Q_UNUSED(folder)
    Q_UNUSED(parameters)
    return 31;
}

#include "modShellExec.h"

#include "SystemShell.h"

// Windows' shell opens it: a batch file runs in the system's command interpreter.
qint32 ShellOpenFile(const QString& file, const QString& folder, const QString& parameters)
{
    return shellExecuteHidden(file, folder, parameters);
}

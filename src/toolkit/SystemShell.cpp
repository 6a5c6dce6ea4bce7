#include "SystemShell.h"

#ifdef Q_OS_WIN
// shellapi.h needs the types windows.h declares.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#endif

qint32 shellExecuteHidden(const QString& file, const QString& folder, const QString& parameters)
{
#ifdef Q_OS_WIN
    const auto text = [](const QString& s) {
        return s.isEmpty() ? nullptr : reinterpret_cast<LPCWSTR>(s.utf16());
    };
    const HINSTANCE result = ShellExecuteW(GetDesktopWindow(), L"open", text(file),
                                           text(parameters), text(folder), SW_HIDE);
    return qint32(reinterpret_cast<qintptr>(result));
#else
    Q_UNUSED(file)
    Q_UNUSED(folder)
    Q_UNUSED(parameters)
    return 31;
#endif
}

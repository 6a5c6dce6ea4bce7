#include "SystemShell.h"

// shellapi.h needs the types windows.h declares.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

qint32 shellExecuteHidden(const QString& file, const QString& folder, const QString& parameters)
{
    const auto text = [](const QString& s) {
        return s.isEmpty() ? nullptr : reinterpret_cast<LPCWSTR>(s.utf16());
    };
    const HINSTANCE result = ShellExecuteW(GetDesktopWindow(), L"open", text(file),
                                           text(parameters), text(folder), SW_HIDE);
    return qint32(reinterpret_cast<qintptr>(result));
}

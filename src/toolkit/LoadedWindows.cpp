#include "LoadedWindows.h"

#include "AccessibleRoles.h"
#include "ProgramWide.h"

#include <algorithm>

LoadedWindows& LoadedWindows::instance()
{
    return programWide<LoadedWindows>([] {
        installAccessibleRoles();
        return new LoadedWindows;
    });
}

void LoadedWindows::add(QWidget* window)
{
    Q_ASSERT(window);
    if (m_windows.contains(window))
        return;
    m_windows.append(window);
    // A window destroyed by other means (closed with WA_DeleteOnClose) is unloaded too.
    connect(window, &QObject::destroyed, this, &LoadedWindows::remove);
}

void LoadedWindows::unload(QWidget* window)
{
    if (!m_windows.contains(window))
        return;
    window->hide();
    // Deleted later: the unloading may run inside one of the window's own handlers.
    window->deleteLater();
    remove(window);
}

void LoadedWindows::remove(QObject* window)
{
    // Compared as objects: when destroyed() arrives, the widget part is already gone.
    const auto found = std::find_if(m_windows.begin(), m_windows.end(), [window](QWidget* w) {
        return static_cast<QObject*>(w) == window;
    });
    if (found == m_windows.end())
        return;
    m_windows.erase(found);
    disconnect(window, &QObject::destroyed, this, &LoadedWindows::remove);
    if (m_windows.isEmpty())
        emit allUnloaded();
}

#include "KeyboardState.h"

#include <QKeyEvent>

#include <windows.h>

bool KeyboardState::readLocks(bool& capsLock, bool& numLock)
{
    capsLock = GetKeyState(VK_CAPITAL) & 1;
    numLock = GetKeyState(VK_NUMLOCK) & 1;
    return true;
}

// Each reading asks the window system (under Wine, its server process), so only a lock key reads;
// a change made in another program is read when the program is activated.
bool KeyboardState::readLocksAfter(const QKeyEvent& key, bool& capsLock, bool& numLock)
{
    if (key.key() != Qt::Key_CapsLock && key.key() != Qt::Key_NumLock)
        return true;
    return readLocks(capsLock, numLock);
}

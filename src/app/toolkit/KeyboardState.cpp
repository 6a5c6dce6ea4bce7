#include "KeyboardState.h"

#include <QGuiApplication>
#include <QKeyEvent>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

#ifndef Q_OS_WIN
// The lock bits of the X11 key state that Qt's xcb platform reports as native modifiers.
constexpr quint32 X11LockMask = 1u << 1;
constexpr quint32 X11NumLockMask = 1u << 4;

bool nativeStateIsX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}
#endif

} // namespace

KeyboardState& KeyboardState::instance()
{
    static KeyboardState* state = new KeyboardState;
    return *state;
}

KeyboardState::KeyboardState()
{
#ifdef Q_OS_WIN
    m_capsLock = GetKeyState(VK_CAPITAL) & 1;
    m_numLock = GetKeyState(VK_NUMLOCK) & 1;
    m_insert = GetKeyState(VK_INSERT) & 1;
#endif
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

bool KeyboardState::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    // A key event that a widget ignores goes on to its parent and passes the filter again: a
    // lock key must flip its state once only.
    const auto* key = static_cast<QKeyEvent*>(event);
#ifdef Q_OS_WIN
    Q_UNUSED(key)
    set(GetKeyState(VK_CAPITAL) & 1, GetKeyState(VK_NUMLOCK) & 1, GetKeyState(VK_INSERT) & 1);
#else
    bool capsLock = m_capsLock;
    bool numLock = m_numLock;
    bool insert = m_insert;
    if (nativeStateIsX11()) {
        // The state is the one from before this event: a lock key going down flips it.
        capsLock = key->nativeModifiers() & X11LockMask;
        numLock = key->nativeModifiers() & X11NumLockMask;
    }
    const Delivery delivery{key, event->type(), key->key(), key->timestamp()};
    const bool firstDelivery = delivery != m_lastDelivery;
    m_lastDelivery = delivery;
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() && firstDelivery) {
        if (key->key() == Qt::Key_CapsLock)
            capsLock = !capsLock;
        else if (key->key() == Qt::Key_NumLock)
            numLock = !numLock;
        else if (key->key() == Qt::Key_Insert &&
                 (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            insert = !insert; // Shift+Insert pastes and Ctrl+Insert copies
    }
    set(capsLock, numLock, insert);
#endif
    return QObject::eventFilter(watched, event);
}

void KeyboardState::set(bool capsLock, bool numLock, bool insert)
{
    if (capsLock == m_capsLock && numLock == m_numLock && insert == m_insert)
        return;
    m_capsLock = capsLock;
    m_numLock = numLock;
    m_insert = insert;
    emit changed();
}

#include "KeyboardState.h"

#include "ProgramWide.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {

// The lock bits of the X11 key state that Qt's xcb platform reports as native modifiers.
constexpr quint32 X11LockMask = 1u << 1;
constexpr quint32 X11NumLockMask = 1u << 4;

bool nativeStateIsX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

KeyboardState& KeyboardState::instance()
{
    return programWide<KeyboardState>([] { return new KeyboardState; });
}

KeyboardState::KeyboardState()
{
    readLocks(m_capsLock, m_numLock);
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
    if (qGuiApp) {
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state == Qt::ApplicationActive)
                        refresh();
                });
    }
}

void KeyboardState::refresh()
{
    bool capsLock = m_capsLock;
    bool numLock = m_numLock;
    if (readLocks(capsLock, numLock))
        set(capsLock, numLock, m_insert);
}

bool KeyboardState::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    // A key event that a widget ignores goes on to its parent and passes the filter again: a
    // lock key must flip its state once only.
    const auto* key = static_cast<QKeyEvent*>(event);
    const Delivery delivery{key, event->type(), key->key(), key->timestamp()};
    if (delivery == m_lastDelivery)
        return QObject::eventFilter(watched, event);
    m_lastDelivery = delivery;
    bool capsLock = m_capsLock;
    bool numLock = m_numLock;
    bool insert = m_insert;
    const bool pressed = event->type() == QEvent::KeyPress && !key->isAutoRepeat();
    // The window system's state already includes this key; where it cannot be read, the lock
    // keys are followed as they come.
    if (!readLocksAfter(*key, capsLock, numLock)) {
        if (nativeStateIsX11()) {
            // The state is the one from before this event: a lock key going down flips it.
            capsLock = key->nativeModifiers() & X11LockMask;
            numLock = key->nativeModifiers() & X11NumLockMask;
        }
        if (pressed && key->key() == Qt::Key_CapsLock)
            capsLock = !capsLock;
        else if (pressed && key->key() == Qt::Key_NumLock)
            numLock = !numLock;
    }
    if (pressed && key->key() == Qt::Key_Insert &&
        (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        insert = !insert; // Shift+Insert pastes and Ctrl+Insert copies
    set(capsLock, numLock, insert);
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

#include "KeyboardState.h"

#include "ProgramWide.h"

#include <QGuiApplication>
#include <QKeyEvent>

#ifdef Q_OS_WIN
#include <windows.h>
#elif QT_CONFIG(xcb)
// The header names a field after a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <array>
#include <cstdlib>
#include <cstring>
#endif

namespace {

// The lock bits of the X11 key state that Qt's xcb platform reports as native modifiers.
constexpr quint32 X11LockMask = 1u << 1;
constexpr quint32 X11NumLockMask = 1u << 4;

bool nativeStateIsX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// The lock states as the window system holds them, changed also by keys that other programs
// received; false where it cannot tell.
bool readLocks(bool& capsLock, bool& numLock)
{
#ifdef Q_OS_WIN
    capsLock = GetKeyState(VK_CAPITAL) & 1;
    numLock = GetKeyState(VK_NUMLOCK) & 1;
    return true;
#elif QT_CONFIG(xcb)
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    // A request of an extension the server lacks would close the connection.
    const xcb_query_extension_reply_t* xkb =
        connection ? xcb_get_extension_data(connection, &xcb_xkb_id) : nullptr;
    if (!xkb || !xkb->present)
        return false;
    // The keyboard's lights by their XKB names; Qt has set the extension up on its connection.
    static const std::array<xcb_atom_t, 2> names = [connection] {
        const char* const lights[] = {"Caps Lock", "Num Lock"};
        std::array<xcb_atom_t, 2> atoms{};
        for (std::size_t i = 0; i < atoms.size(); ++i) {
            xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
                connection,
                xcb_intern_atom(connection, true, uint16_t(strlen(lights[i])), lights[i]), nullptr);
            atoms[i] = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
            free(atom);
        }
        return atoms;
    }();
    xcb_xkb_get_named_indicator_cookie_t cookies[2];
    for (int i = 0; i < 2; ++i)
        cookies[i] = xcb_xkb_get_named_indicator(connection, XCB_XKB_ID_USE_CORE_KBD,
                                                 XCB_XKB_LED_CLASS_DFLT_XI_CLASS,
                                                 XCB_XKB_ID_DFLT_XI_ID, names[i]);
    bool on[2] = {};
    bool found = true;
    for (int i = 0; i < 2; ++i) {
        xcb_xkb_get_named_indicator_reply_t* reply =
            xcb_xkb_get_named_indicator_reply(connection, cookies[i], nullptr);
        found = found && reply && reply->found;
        on[i] = reply && reply->on;
        free(reply);
    }
    if (found) {
        capsLock = on[0];
        numLock = on[1];
    }
    return found;
#else
    Q_UNUSED(capsLock)
    Q_UNUSED(numLock)
    return false;
#endif
}

// readLocks, after a key event. On Windows each reading asks the window system (under Wine, its
// server process), so only a lock key reads; a change made in another program is read when the
// program is activated.
bool readLocksAfter(const QKeyEvent& key, bool& capsLock, bool& numLock)
{
#ifdef Q_OS_WIN
    if (key.key() != Qt::Key_CapsLock && key.key() != Qt::Key_NumLock)
        return true;
#else
    Q_UNUSED(key)
#endif
    return readLocks(capsLock, numLock);
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

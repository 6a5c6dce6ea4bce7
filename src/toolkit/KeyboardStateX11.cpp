#include "KeyboardState.h"

#include "Logging.h"

#include <QGuiApplication>
#include <QKeyEvent>

// The header names a field after a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <array>
#include <cstdlib>
#include <cstring>
#include <utility>

bool KeyboardState::readLocks(bool& capsLock, bool& numLock)
{
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
    // The indicators then follow the keys alone; said once, as every key asks again.
    static bool told = false;
    if (!found && !std::exchange(told, true))
        qCInfo(lcLarkspan) << "The X server names no Caps Lock or Num Lock light";
    return found;
}

// Every key reads the states again.
bool KeyboardState::readLocksAfter(const QKeyEvent& key, bool& capsLock, bool& numLock)
{
    Q_UNUSED(key)
    return readLocks(capsLock, numLock);
}

#!/usr/bin/env bash
# Starts the real program on a private accessibility bus and reads it as a screen reader does
# (screen_reader.py). Needs dbus-run-session, at-spi2-core and python3-pyatspi.
set -euo pipefail
larkspan="$(realpath "$1")"
here="$(dirname "$(realpath "${BASH_SOURCE[0]}")")"
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${LARKSPAN_OWN_BUS:-}" != 1 ]; then
    LARKSPAN_OWN_BUS=1 exec dbus-run-session -- bash "${BASH_SOURCE[0]}" "$@"
fi
source "$here/session.sh"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill $bus 2>/dev/null || true; cleanup' EXIT
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_larkspan "$larkspan"
find_splash
/usr/bin/python3 "$here/screen_reader.py" || fail "a screen reader would miss the above"

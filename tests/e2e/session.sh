# Sourced by the scripts that drive the real program: a work folder, a private Xvfb, the program
# started there under a watchdog, and bounded waits. Everything is cleaned up on exit.
set -euo pipefail
work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
watchdog_pid=""
cleanup() {
    [ -n "$watchdog_pid" ] && kill "$watchdog_pid" 2>/dev/null || true
    if [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null; then
        wait "$app_pid" 2>/dev/null || true
    fi
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/app.log" ] && sed 's/^/larkspan: /' "$work/app.log" >&2
    exit 1
}

unset QT_QPA_PLATFORM
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

start_larkspan() { # command; in the work folder, and nothing outlives a minute and a half
    cd "$work"
    "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
    (
        trap 'kill "$timer" 2>/dev/null; exit' TERM
        sleep 90 &
        timer=$!
        wait "$timer"
        kill "$app_pid" "$xvfb_pid"
    ) >/dev/null 2>&1 &
    watchdog_pid=$!
}

find_window() { # name pattern; waits up to 15 s
    timeout 15 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# Waits for the program's first window, the splash, and sets its X, Y, WIDTH and HEIGHT.
find_splash() {
    splash="$(timeout 15 xdotool search --sync --onlyvisible --pid "$app_pid" 2>/dev/null | head -n 1)" || true
    [ -n "$splash" ] || fail "no splash window"
    eval "$(xdotool getwindowgeometry --shell "$splash")"
}

# A click on the splash panel's own surface, clear of its labels and picture, opens the main
# window, which bears the same name; sets main to it.
open_main_window() {
    xdotool mousemove $((X + 8)) $((Y + 8)) click 1
    for _ in $(seq 150); do
        main="$(xdotool search --onlyvisible --name '^Larkspan$' 2>/dev/null | grep -vx "$splash" | head -n 1)" || true
        [ -n "$main" ] && return
        sleep 0.1
    done
    fail "the main window did not open"
}

#!/usr/bin/env bash
# Starts the real program under Xvfb, opens the main window from the splash, types two lines,
# saves them through the real file dialog under a typed name and checks the bytes written.
# Every wait is bounded; the whole run stops by itself.
set -euo pipefail
larkspan="$(realpath "$1")"
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

cd "$work"
"$larkspan" >"$work/app.log" 2>&1 &
app_pid=$!
# Whatever happens, nothing outlives a minute and a half.
(
    trap 'kill "$timer" 2>/dev/null; exit' TERM
    sleep 90 &
    timer=$!
    wait "$timer"
    kill "$app_pid" "$xvfb_pid"
) >/dev/null 2>&1 &
watchdog_pid=$!

find_window() { # name pattern; waits up to 15 s
    timeout 15 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

splash="$(timeout 15 xdotool search --sync --onlyvisible --pid "$app_pid" 2>/dev/null | head -n 1)" || true
[ -n "$splash" ] || fail "no splash window"
eval "$(xdotool getwindowgeometry --shell "$splash")"
# The panel's own surface, clear of its labels and picture.
xdotool mousemove $((X + 8)) $((Y + 8)) click 1

main="$(find_window '^Larkspan$')" || true
[ -n "$main" ] || fail "the main window did not open"
sleep 0.5
xdotool type --delay 20 'int x;'
xdotool key Return
xdotool type --delay 20 'int y;'
xdotool key ctrl+s
dialog="$(find_window '^Save$')" || true
[ -n "$dialog" ] || fail "no Save dialog"
sleep 0.5
xdotool type --delay 20 "$work/out.c"
xdotool key Return

for _ in $(seq 100); do [ -s "$work/out.c" ] && break; sleep 0.1; done
[ -s "$work/out.c" ] || fail "nothing was saved"
expected="$(printf 'int x;\r\nint y;\r\n' | od -An -tx1)"
actual="$(od -An -tx1 <"$work/out.c")"
[ "$expected" = "$actual" ] || fail "saved bytes differ: $actual"

# File > Exit ends the program, unsaved or not.
sleep 0.5
xdotool windowfocus "$main" 2>/dev/null || true
sleep 0.3
xdotool key alt+f
sleep 0.5
xdotool key x
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after File > Exit"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "1 passed, 0 failed"

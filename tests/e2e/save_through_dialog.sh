#!/usr/bin/env bash
# Starts the real program under Xvfb, opens the main window from the splash, types two lines,
# presses Ctrl+W (which must not close the document), saves them through the real file dialog
# under a typed name and checks the bytes written.
# Every wait is bounded; the whole run stops by itself.
set -euo pipefail
larkspan="$(realpath "$1")"
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

start_larkspan "$larkspan"
find_splash
open_main_window
sleep 0.5
xdotool type --delay 20 'int x;'
xdotool key Return
xdotool type --delay 20 'int y;'
xdotool key ctrl+w
sleep 0.3
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

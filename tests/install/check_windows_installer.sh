#!/usr/bin/env bash
# Installs Larkspan with its installer, silently, into a fresh Wine prefix; starts the installed
# program (its splash, then the main window); uninstalls it silently and checks that no program
# file, shortcut or Apps entry is left. Argument: the Windows build folder.
set -euo pipefail
build="$(realpath "$1")"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/session.sh"
setup="$(echo "$build"/dist/larkspan-*-setup.exe)"
[ -f "$setup" ] || fail "no installer in $build/dist"

export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
unset WINEPATH
wineboot -i >/dev/null 2>&1
local_app_data="$(wine cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')"
programs="$(winepath -u "$local_app_data" | sed 's|/$||')/Programs/Larkspan"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Larkspan'

wine "$setup" /S
wineserver -w
[ -f "$programs/larkspan.exe" ] || fail "larkspan.exe is not in $programs"
[ -f "$programs/uninstall.exe" ] || fail "no uninstall.exe"
[ -f "$programs/platforms/qwindows.dll" ] || fail "no platform plugin"
wine reg query "$key" /v UninstallString >/dev/null 2>&1 || fail "no Apps entry"
find "$WINEPREFIX/drive_c/users" -name 'Larkspan.lnk' | grep -q . || fail "no Start menu entry"

start_larkspan wine "$programs/larkspan.exe"
splash="$(timeout 60 xdotool search --sync --onlyvisible --class 'larkspan.exe' 2>/dev/null | head -n 1)" ||
    true
[ -n "$splash" ] || fail "the installed program showed no window"
eval "$(xdotool getwindowgeometry --shell "$splash")"
open_main_window
wineserver -k

wine "$programs/uninstall.exe" /S
wineserver -w
[ ! -e "$programs" ] || fail "left behind: $(find "$programs")"
! find "$WINEPREFIX/drive_c/users" -name 'Larkspan.lnk' | grep -q . || fail "the Start menu entry stayed"
! wine reg query "$key" >/dev/null 2>&1 || fail "the Apps entry stayed"
echo "installed, started and uninstalled"

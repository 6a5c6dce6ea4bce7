#!/usr/bin/env bash
# Runs a Windows test program under Wine for CTest: wine-test.sh program.exe [arguments].
# Wine hands no QT_* variable to a Windows program, so the platform goes on the command line:
# Windows' own on the X server in DISPLAY, else offscreen. Without a console Qt Test writes to
# the debugger channel, so its report goes to a file, printed here.
set -uo pipefail
program="$1"
shift
: "${WINEPREFIX:?the Wine prefix the tests run in}"
: "${LARKSPAN_WINDOWS_RUNTIME:?the folder of the Qt and QScintilla DLLs}"
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# The DLLs the program loads: Qt's and QScintilla's, and MinGW's C and C++ runtimes.
dos() { echo "Z:${1//\//\\}"; }
gcc_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
WINEPATH="$(dos "$LARKSPAN_WINDOWS_RUNTIME");$(dos "$gcc_runtime");$(dos /usr/x86_64-w64-mingw32/lib)"
export WINEPATH

platform=offscreen
[ -n "${DISPLAY:-}" ] && platform=windows
arguments=("$@")
report=""
case "$(basename "$program")" in
tst_*)
    report="$(mktemp --suffix=.txt)"
    arguments+=(-o "Z:${report//\//\\},txt")
    ;;
esac
wine "$program" -platform "$platform" "${arguments[@]}"
status=$?
if [ -n "$report" ]; then
    cat "$report"
    rm -f "$report"
fi
exit "$status"

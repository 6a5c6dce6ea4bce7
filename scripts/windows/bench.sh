#!/usr/bin/env bash
# Prints the benchmark of the Windows build (scripts/bench.sh) under Wine, in the Windows
# platform on a virtual X server; run scripts/windows.sh first.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$root/build-windows"
[ -f "$build/bench/bench_editor.exe" ] || { echo "Run scripts/windows.sh first." >&2; exit 1; }
toolchain="$(bash "$root/scripts/windows/toolchain.sh")"
export WINEPREFIX="$build/wine" LARKSPAN_WINDOWS_RUNTIME="$toolchain/prefix/bin"
display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display"
LARKSPAN_BENCH="$root/scripts/windows/wine-test.sh $build/bench/bench_editor.exe" \
    bash "$root/scripts/bench.sh"

#!/usr/bin/env bash
# Builds Larkspan for 64-bit Windows on Debian 12, runs its tests under Wine and writes the
# installer and a zip of the program into build-windows/dist. The Qt and QScintilla it builds
# on are cross-built once and cached under ~/.cache/larkspan/ (see windows/toolchain.sh).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-windows"

# Host Qt for moc, rcc and uic; Debian's QScintilla package only for its version; Wine with
# fonts and a virtual X server for the tests; NSIS and zip for shipping.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
    binutils-mingw-w64-x86-64 cmake ninja-build qt6-base-dev qt6-base-dev-tools
    libqscintilla2-qt6-dev dpkg-dev librsvg2-bin icoutils wine wine64 xvfb xauth
    fonts-dejavu-core nsis zip)
ensure_packages "${WINDOWS_PACKAGES[@]}"

toolchain="$(bash "$root/scripts/windows/toolchain.sh")"
runtime="$toolchain/prefix/bin"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain/toolchain.cmake" -DCMAKE_PREFIX_PATH="$toolchain/prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/windows/wine-test.sh"
cmake --build "$build"

bash "$root/scripts/windows/package.sh" "$build" "$runtime"

# The tests run in a Wine prefix of their own, on a virtual X server, with Windows' fonts
# replaced by DejaVu as a Windows machine would have them.
export WINEPREFIX="$build/wine" WINEDEBUG=-all LARKSPAN_WINDOWS_RUNTIME="$runtime"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i
    wineserver -w
fi
bash "$root/scripts/windows/wine-fonts.sh"
display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display"
cd "$build"
ctest --output-on-failure --timeout 300
echo "Installer and zip: $build/dist"

#!/usr/bin/env bash
# Prints the folder of the Windows cross toolchain: Debian's own Qt base and QScintilla, built
# with MinGW-w64 into a prefix cached under ~/.cache/larkspan/, keyed by the Debian versions of
# the sources and compilers and by the flags and files they are built with: a second run reuses
# it, and any change builds anew what it concerns. The prefix is not relocatable.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/larkspan"
jobs=2

version_of() { dpkg-query -W -f='${Version}' "$1"; }
qt_version="$(version_of qt6-base-dev)"
qsci_version="$(version_of libqscintilla2-qt6-dev)"
mingw_version="$(version_of g++-mingw-w64-x86-64-posix)"

qt_flags=(-xplatform win32-g++ -qt-host-path /usr -release -shared -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-feature-vulkan -no-zstd -qt-zlib -qt-libpng -no-libjpeg
    -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion -qt-libmd4c -no-feature-sql
    -no-feature-network -no-feature-tabletevent -no-feature-direct2d1_1 -no-feature-concurrent
    -no-feature-xml)

# Qt takes most of the time, so it has a folder of its own; QScintilla is rebuilt into it
# whenever its sources or our build of it change.
qt_key="$( { echo "$qt_version $mingw_version ${qt_flags[*]}"; cat "$here/toolchain.cmake"; } |
           sha256sum | cut -c1-16)"
qsci_key="$( { echo "$qsci_version"; cat "$here/toolchain.sh" "$here"/qscintilla/*; } |
             sha256sum | cut -c1-16)"
target="$cache/windows-$qt_key"
if [ -f "$target/qt-complete" ] && [ -f "$target/qscintilla-$qsci_key" ]; then
    echo "$target"
    exit 0
fi

log() { echo "toolchain: $*" >&2; }
work="$cache/work-$qt_key"
rm -rf "$work"
mkdir -p "$work/apt/lists/partial"

# Debian's own source packages, fetched without touching the machine's apt set-up.
codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
cat > "$work/apt/sources.list" <<LIST
deb-src [signed-by=$keyring] http://deb.debian.org/debian $codename main
deb-src [signed-by=$keyring] http://deb.debian.org/debian $codename-updates main
deb-src [signed-by=$keyring] http://deb.debian.org/debian-security $codename-security main
LIST
apt_private=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=-
             -o "Dir::State::Lists=$work/apt/lists")
apt-get "${apt_private[@]}" update -qq >&2
fetch_source() { (cd "$work" && apt-get "${apt_private[@]}" source -qq "$1" >&2); }

if [ ! -f "$target/qt-complete" ]; then
    log "building Qt $qt_version for Windows into $target"
    rm -rf "$target"
    mkdir -p "$target"
    cp "$here/toolchain.cmake" "$target/toolchain.cmake"
    fetch_source "qt6-base=$qt_version"
    qtsrc="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -1)"
    mkdir -p "$work/qt-build"
    (cd "$work/qt-build" &&
        "$qtsrc/configure" -prefix "$target/prefix" "${qt_flags[@]}" -- -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$target/toolchain.cmake" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2)
    cmake --build "$work/qt-build" --parallel "$jobs" >&2
    cmake --install "$work/qt-build" >&2
    touch "$target/qt-complete"
fi

log "building QScintilla $qsci_version for Windows into $target"
rm -f "$target"/qscintilla-*
fetch_source "qscintilla2=$qsci_version"
qscisrc="$(find "$work" -maxdepth 1 -type d -name 'qscintilla2-*' | head -1)"
cmake -S "$here/qscintilla" -B "$work/qsci-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQSCINTILLA_SOURCE="$qscisrc" -DCMAKE_TOOLCHAIN_FILE="$target/toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$target/prefix" >&2
cmake --build "$work/qsci-build" --parallel "$jobs" >&2
cmake --install "$work/qsci-build" >&2
touch "$target/qscintilla-$qsci_key"

rm -rf "$work"
log "done"
echo "$target"

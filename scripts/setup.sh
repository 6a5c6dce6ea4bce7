# Sourced by run.sh and test.sh: installs the Debian packages that are missing, then configures
# and builds Larkspan incrementally in build/.
set -euo pipefail

ensure_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_larkspan() {
    local root
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$root/build"
}

# The icon's PNG sizes are drawn from its SVG at build time.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libqscintilla2-qt6-dev libxcb-xkb-dev
    librsvg2-bin)
# What the install test validates the installed desktop entry and metainfo with, and builds and
# checks the Debian package with; it installs them itself when run alone.
PACKAGE_CHECK_PACKAGES=(desktop-file-utils appstream dpkg-dev lintian)
# The tests also drive the real program under a virtual X server, read it over the accessibility
# bus, read printed PDF files, and run the generated batch files in Wine with a stand-in for the
# kit's tools built by MinGW.
TEST_PACKAGES=(xvfb xdotool x11-utils poppler-utils wine gcc-mingw-w64-x86-64 dbus-daemon
    at-spi2-core python3-pyatspi
    "${PACKAGE_CHECK_PACKAGES[@]}")

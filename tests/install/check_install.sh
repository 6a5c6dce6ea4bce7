#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop gets from it: the files,
# a desktop entry and metainfo that their validators accept, a program that starts from there
# and shows its splash; then the Debian package's files and control fields, and that Lintian
# finds nothing in it, not even at its info and pedantic levels.
# Arguments: the build folder and the list of files expected under the prefix.
set -euo pipefail
build="$(realpath "$1")"
expected="$(realpath "$2")"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"
ensure_packages "${PACKAGE_CHECK_PACKAGES[@]}"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/session.sh"

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
diff -u "$expected" <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the installed files differ from the list"
needed="$(readelf -d "$prefix/bin/larkspan")"
grep -q 'NEEDED.*Qt6Test' <<<"$needed" && fail "the program links Qt Test"
desktop-file-validate "$prefix/share/applications/larkspan.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml || fail "metainfo"
appstreamcli validate-tree --no-net "$prefix" || fail "metainfo and desktop entry"

start_larkspan "$prefix/bin/larkspan"
find_splash
# 7455 x 4710 twips, and a splash to the window manager.
[ "${WIDTH}x$HEIGHT" = 497x314 ] || fail "the first window is ${WIDTH}x$HEIGHT, not the splash"
type="$(xprop -id "$splash" _NET_WM_WINDOW_TYPE)"
[[ "$type" == *" = _NET_WM_WINDOW_TYPE_SPLASH"* ]] || fail "the first window is not a splash: $type"
open_main_window

(cd "$build" && cpack -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 || fail "$(cat "$work/cpack.log")"
deb="$(echo "$work"/deb/larkspan_*.deb)"
# Debian's changelog and copyright file stand in for the licence's text, which Debian keeps in
# /usr/share/common-licenses.
debian_files=(share/doc/larkspan/changelog.Debian.gz share/doc/larkspan/copyright
    share/lintian/overrides/larkspan)
diff -u <({ grep -vx share/doc/larkspan/LICENSE "$expected"; printf '%s\n' "${debian_files[@]}"; } |
    sed 's|^|usr/|' | LC_ALL=C sort) \
    <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the package's files differ from the list"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(basename "$deb")" = "larkspan_$(field Version)_$(dpkg --print-architecture).deb" ] ||
    fail "$deb is not named after the package, its version and this machine's architecture"
for name in Package Version Architecture Maintainer Section Description; do
    [ -n "$(field $name)" ] || fail "no $name"
done
# The Qt runtime and the editor widget, as dpkg-shlibdeps finds them; never the test library.
depends="$(field Depends)"
for package in libqt6core6 libqt6widgets6 libqt6printsupport6 'libqscintilla2-qt6-[0-9]+'; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
grep -q libqt6test <<<"$depends" && fail "Depends names Qt Test: $depends"
# Wine runs the kit's tools: without it nothing converts a bitmap.
[ "$(field Suggests)" = wine ] || fail "Suggests is \"$(field Suggests)\", not wine"
# The metainfo names the release packaged.
upstream="$(field Version)"
upstream="${upstream%-*}"
grep -q "<release version=\"$upstream\"" "$prefix"/share/metainfo/*.metainfo.xml ||
    fail "the metainfo has no release $upstream"
# Lintian finds nothing at any level but the experimental one (its malformed-contact is the check
# of Maintainer's form); the package's overrides say why they are there.
lint="$(lintian --pedantic --info --fail-on error,warning,info,pedantic "$deb" 2>&1)" ||
    fail "Lintian finds: $lint"
echo "1 passed, 0 failed"

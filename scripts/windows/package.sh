#!/usr/bin/env bash
# Ships the Windows build: package.sh build-folder runtime-folder. Gathers larkspan.exe with
# exactly the DLLs and plugins it loads, stripped, into build/stage/Larkspan, then writes
# build/dist/larkspan-<version>-setup.exe (NSIS) and build/dist/larkspan-<version>-windows.zip.
set -euo pipefail
build="$(realpath "$1")"
runtime="$(realpath "$2")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
stage="$build/stage/Larkspan"
dist="$build/dist"
rm -rf "$build/stage" "$dist"
mkdir -p "$stage/platforms" "$stage/styles" "$dist"

objdump=x86_64-w64-mingw32-objdump
# Where a DLL a binary imports may come from; anything else is the system's own.
gcc_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
search=("$runtime" "$runtime/../plugins" "$gcc_runtime" /usr/x86_64-w64-mingw32/lib)

cp "$build/src/app/larkspan.exe" "$stage/"
cp "$runtime/../plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$runtime/../plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"

# Follows the import tables from the program and its plugins.
queue=("$stage/larkspan.exe" "$stage/platforms/qwindows.dll" "$stage/styles/qwindowsvistastyle.dll")
while [ ${#queue[@]} -gt 0 ]; do
    binary="${queue[0]}"
    queue=("${queue[@]:1}")
    for dll in $("$objdump" -p "$binary" | sed -n 's/^\s*DLL Name: //p'); do
        [ -e "$stage/$dll" ] && continue
        for folder in "${search[@]}"; do
            if [ -f "$folder/$dll" ]; then
                cp "$folder/$dll" "$stage/"
                queue+=("$stage/$dll")
                break
            fi
        done
    done
done
find "$stage" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded
# With Windows' line ends.
sed 's/$/\r/' "$here/../../README.md" > "$stage/README.txt"
sed 's/$/\r/' "$here/../../LICENSE" > "$stage/LICENSE.txt"

(cd "$build/stage" && zip -qr "$dist/larkspan-$version-windows.zip" Larkspan)

# The uninstaller removes exactly what was installed.
{
    (cd "$stage" && find . -type f | sort) | sed 's|^\./||; s|/|\\|g; s|.*|    Delete "$INSTDIR\\&"|'
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) |
        sed 's|^\./||; s|/|\\|g; s|.*|    RMDir "$INSTDIR\\&"|'
} > "$build/stage/uninstall-files.nsh"
size_kb="$(du -sk "$stage" | cut -f1)"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILELIST="$build/stage/uninstall-files.nsh" \
    -DSIZE_KB="$size_kb" -DICON="$build/data/larkspan.ico" \
    -DOUTFILE="$dist/larkspan-$version-setup.exe" "$here/larkspan.nsi"
ls -l "$dist"

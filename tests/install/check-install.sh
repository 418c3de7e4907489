#!/bin/sh
# Installs the build into a temporary prefix the way a package would, checks that
# the window programs, their menu entries and icons are there, runs the installed
# pumpctl, and starts each installed window program under an X server to see its
# window come up with its title.
#   check-install.sh <build directory> <project version>
set -eu
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
cmake --install "$build" --prefix "$prefix" --component simulator >/dev/null
[ -x "$prefix/bin/pump-sim" ] || fail "the simulator component installs no pump-sim"

for size in 16 24 32 48 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/pump-tools.png"
    [ -s "$icon" ] || fail "missing icon $icon"
done
scalable="$prefix/share/icons/hicolor/scalable/apps/pump-tools.svg"
[ -s "$scalable" ] || fail "missing scalable icon $scalable"
grep -q '<svg' "$scalable" || fail "$scalable is not an SVG image"

titles="pump-network-tool=Corvane Network Tool v$version
pump-ip-tool=Velmora Network Tool v1.0.0
pump-key-tool=Velmora Connection Tool v1.0.0
pump-plant-tool=Corvane Plant Tool v$version"

echo "$titles" | while IFS='=' read -r program title; do
    [ -x "$prefix/bin/$program" ] || fail "missing $prefix/bin/$program"
    entry="$prefix/share/applications/$program.desktop"
    [ -f "$entry" ] || fail "missing $entry"
    grep -qx "Name=$title" "$entry" || fail "$entry does not carry the title $title"
    grep -qx "Exec=$program" "$entry" || fail "$entry does not start $program"
    grep -qx "Categories=Network;Settings;" "$entry" || fail "$entry has the wrong categories"
    grep -qx "Icon=pump-tools" "$entry" || fail "$entry names the wrong icon"
done
echo "installed files: ok"
sh "$(dirname "$0")/check-installed-pumpctl.sh" "$prefix"

sh "$(dirname "$0")/check-installed-windows.sh" "$prefix"

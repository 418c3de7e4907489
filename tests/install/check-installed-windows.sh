#!/bin/sh
# Starts each installed program under an X server of its own and checks that its
# window comes up with the title its menu entry names. Exits 77 when Xvfb or
# xdotool is missing.
#   check-installed-windows.sh <install prefix>
set -eu
prefix=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
titles=""
for program in pump-network-tool pump-ip-tool pump-key-tool pump-plant-tool; do
    entry="$prefix/share/applications/$program.desktop"
    title=$(sed -n 's/^Name=//p' "$entry")
    [ -n "$title" ] || fail "$entry names no title"
    titles="$titles$program=$title
"
done

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "Xvfb or xdotool missing: the programs' windows cannot be checked"
    exit 77
fi
scratch=$(mktemp -d)
xserver=""
cleanup() {
    [ -n "$xserver" ] && kill "$xserver" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
displayfile="$scratch/display"
Xvfb -displayfd 3 -screen 0 720x540x24 -nolisten tcp -noreset 3>"$displayfile" 2>/dev/null &
xserver=$!
for _ in $(seq 50); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$displayfile")"

printf "%s" "$titles" | while IFS='=' read -r program title; do
    QT_QPA_PLATFORM=xcb "$prefix/bin/$program" >/dev/null 2>&1 &
    tool=$!
    if ! timeout 10 xdotool search --sync --onlyvisible --name "^$title\$" >/dev/null; then
        kill "$tool" 2>/dev/null
        fail "$program showed no window titled $title"
    fi
    kill "$tool"
    wait "$tool" 2>/dev/null || true
    echo "$program: window \"$title\" shown"
done

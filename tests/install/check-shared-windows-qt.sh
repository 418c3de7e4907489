#!/bin/bash
# How scripts/build-windows-qt takes a shared Qt for Windows, on a stand-in made here
# (a few files and a qmake that answers as Qt 5.15.8 for Windows does), in a cache of
# its own: a tarball with one byte changed is refused by its checksum in one line and
# nothing is unpacked; one with the right checksum but no working Qt in it is refused
# too; a missing one is said in one line; the right one is unpacked with its
# .complete mark and found afterwards; a refused one falls back to building (which
# stops here, before fetching anything, for want of the Qt Serial Port source); and
# --pack makes a tarball that unpacks to the same files. Exits 77 without xz-utils.
#   check-shared-windows-qt.sh <source directory>
set -euo pipefail
script=$1/scripts/build-windows-qt
dpkg-query -W -f='${Status}' xz-utils 2>/dev/null | grep -q "install ok installed" || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
unset PUMPTOOLS_WINDOWS_QT PUMPTOOLS_WINDOWS_QT_TARBALL
export XDG_CACHE_HOME=$work/cache PUMPTOOLS_QTSERIALPORT_SOURCE=$work/no-serialport.tar.xz
cached=$XDG_CACHE_HOME/pump-tools/qt-5.15.8-mingw64

# A Qt whose qmake reports the given version and target.
make_qt_tarball() {
    local version=$1 xspec=$2 tarball=$3 qt=$work/make/qt-5.15.8-mingw64
    rm -rf "$work/make"
    mkdir -p "$qt/bin" "$qt/lib/cmake/Qt5"
    touch "$qt/.complete" "$qt/lib/cmake/Qt5/Qt5Config.cmake"
    printf 'MZ stand-in\n' >"$qt/bin/Qt5Core.dll"
    cat >"$qt/bin/qmake" <<QMAKE
#!/bin/sh
here=\$(cd "\$(dirname "\$0")" && pwd)
prefix=/where/it/was/built
[ -f "\$here/qt.conf" ] && prefix=\$(cd "\$here/.." && pwd)
case \$2 in
    QT_VERSION) echo $version ;;
    QMAKE_XSPEC) echo $xspec ;;
    QT_INSTALL_PREFIX) echo "\$prefix" ;;
esac
QMAKE
    chmod +x "$qt/bin/qmake"
    tar -C "$work/make" -cJf "$tarball" qt-5.15.8-mingw64
}

# Runs the script; its stderr goes to $work/said, its exit status to $status.
take() {
    status=0
    "$script" "$@" >"$work/printed" 2>"$work/said" || status=$?
}
said_one_line() {
    [ "$(wc -l <"$work/said")" -eq 1 ] && grep -q "$1" "$work/said" \
        || fail "expected one line with '$1', got: $(cat "$work/said")"
}

make_qt_tarball 5.15.8 win32-g++ "$work/qt.tar.xz"
export PUMPTOOLS_WINDOWS_QT_SHA256=$(sha256sum <"$work/qt.tar.xz" | cut -c1-64)

cp "$work/qt.tar.xz" "$work/corrupt.tar.xz"
size=$(stat -c %s "$work/corrupt.tar.xz")
byte=$(od -An -tu1 -j $((size / 2)) -N1 "$work/corrupt.tar.xz" | tr -d ' ')
printf "\\$(printf %03o $(((byte + 1) % 256)))" \
    | dd of="$work/corrupt.tar.xz" bs=1 seek=$((size / 2)) conv=notrunc 2>/dev/null
take --no-build --qt-tarball "$work/corrupt.tar.xz"
[ "$status" -eq 2 ] || fail "a tarball with one byte changed: exit status $status, not 2"
said_one_line "refused $work/corrupt.tar.xz: its sha256 is [0-9a-f]\{64\}, not $PUMPTOOLS_WINDOWS_QT_SHA256"
[ ! -e "$XDG_CACHE_HOME/pump-tools" ] || [ -z "$(ls -A "$XDG_CACHE_HOME/pump-tools")" ] \
    || fail "a refused tarball left something in the cache"

take --no-build --qt-tarball "$work/none.tar.xz"
[ "$status" -eq 1 ] || fail "a missing tarball: exit status $status, not 1"
said_one_line "no shared Qt for Windows at $work/none.tar.xz"

for wrong in "5.15.2 win32-g++" "5.15.8 linux-g++"; do
    make_qt_tarball $wrong "$work/wrong.tar.xz"
    PUMPTOOLS_WINDOWS_QT_SHA256=$(sha256sum <"$work/wrong.tar.xz" | cut -c1-64) \
        take --no-build --qt-tarball "$work/wrong.tar.xz"
    [ "$status" -eq 2 ] || fail "a Qt $wrong: exit status $status, not 2"
    said_one_line "does not unpack to a working Qt 5.15.8 for Windows"
    [ -z "$(ls -A "$XDG_CACHE_HOME/pump-tools")" ] || fail "a Qt $wrong was left in the cache"
done

take --qt-tarball "$work/corrupt.tar.xz"
[ "$status" -eq 2 ] && grep -q "building it instead" "$work/said" \
    && grep -q "Qt Serial Port source not found" "$work/said" \
    || fail "a refused tarball did not fall back to building: $(cat "$work/said")"

PUMPTOOLS_WINDOWS_QT_TARBALL=$work/qt.tar.xz take --no-build
[ "$status" -eq 0 ] && [ "$(cat "$work/printed")" = "$cached" ] \
    || fail "the right tarball was not taken (status $status): $(cat "$work/said")"
said_one_line "unpacked the shared Qt for Windows from $work/qt.tar.xz"
[ -f "$cached/.complete" ] && [ -f "$cached/bin/qt.conf" ] || fail "no .complete or qt.conf in $cached"
take --find
[ "$status" -eq 0 ] && [ "$(cat "$work/printed")" = "$cached" ] || fail "--find does not find $cached"

take --pack "$work/packed.tar.xz"
[ "$status" -eq 0 ] && grep -q "^$(sha256sum <"$work/packed.tar.xz" | cut -c1-64)  $work/packed.tar.xz\$" \
    "$work/printed" || fail "--pack printed no sha256 of what it packed: $(cat "$work/printed")"
mkdir "$work/unpacked"
tar -C "$work/unpacked" -xJf "$work/packed.tar.xz"
diff -r "$cached" "$work/unpacked/qt-5.15.8-mingw64" || fail "the packed tarball holds other files"
echo "shared Qt for Windows: refused with a byte changed, missing or not a Qt for Windows; taken, found and packed"

#!/bin/sh
# Runs the installed command-line tool from its installed path and checks that its
# manual page is there beside it.
#   check-installed-pumpctl.sh <install prefix>
set -eu
prefix=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

[ -x "$prefix/bin/pumpctl" ] || fail "missing $prefix/bin/pumpctl"
version=$("$prefix/bin/pumpctl" --version) || fail "$prefix/bin/pumpctl --version failed"
echo "$version" | grep -qE '^pumpctl [0-9]+\.[0-9]+\.[0-9]+$' \
    || fail "$prefix/bin/pumpctl --version printed '$version'"
"$prefix/bin/pumpctl" --help | grep -q 'write' || fail "pumpctl --help does not list write"
page=$(ls "$prefix/share/man/man1/pumpctl.1"* 2>/dev/null | head -n 1)
[ -n "$page" ] || fail "missing the manual page $prefix/share/man/man1/pumpctl.1"
echo "installed pumpctl: $version, manual page $(basename "$page")"

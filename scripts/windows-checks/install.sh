# The release as a technician gets it: installed silently, its programs' version
# resources, and removed again. Sourced by scripts/windows-check.

install_release() {
    local started executable title
    started=$(now_ms)
    "$wine" wineboot -i >/dev/null 2>&1
    say "fresh Wine prefix made in $(($(now_ms) - started)) ms"
    started=$(now_ms)
    "$wine" "$build/pump-tools-$version-win64-setup.exe" /S
    "$wineserver" -w 2>/dev/null || true
    say "silent install in $(($(now_ms) - started)) ms"
    not_shown "the elevation prompt: the installer asks for administrator rights, which Wine" \
        "grants without asking; Windows asks the user first"
    [ -f "$WINEPREFIX/drive_c/Program Files/Pump tools/pumpctl.exe" ] || fail "nothing installed"
    diff <(cd "$stage" && find . -type f | sort) \
        <(cd "$WINEPREFIX/drive_c/Program Files/Pump tools" && find . -type f ! -name uninstall.exe | sort) \
        || fail "the installed files differ from the release's"
    [ -s "$build/windows.txt" ] || fail "CMake listed no windows in $build/windows.txt"
    "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\PumpTools' \
        | tr -d '\r' | tee "$out/uninstall-entry.txt"
    grep -q "DisplayName.*Pump tools $version" "$out/uninstall-entry.txt" || fail "no uninstall entry"
    ls "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pump tools" \
        | tee "$out/start-menu.txt"
    while IFS== read -r -u 3 executable title; do
        grep -qxF "$title.lnk" "$out/start-menu.txt" || fail "no Start-menu entry \"$title\""
    done 3<"$build/windows.txt"
}

# Each program carries its version resource with the project's version, a window
# its title as the description and the IDI_ICON1 icon.
version_resources() {
    local executable title resource
    while IFS== read -r -u 3 executable title; do
        resource=$(x86_64-w64-mingw32-windres -J coff -i "$stage/$executable.exe" -O rc)
        grep -q "VALUE \"FileDescription\", \"$title\"" <<<"$resource" \
            || fail "$executable.exe is not described as \"$title\""
        grep -q '"IDI_ICON1"' <<<"$resource" || fail "$executable.exe has no IDI_ICON1"
    done 3<"$build/windows.txt"
    for executable in "$stage"/*.exe; do
        x86_64-w64-mingw32-windres -J coff -i "$executable" -O rc \
            | grep -q "VALUE \"ProductVersion\", \"$version\"" \
            || fail "$executable does not state version $version"
    done
    say "each program states version $version; each window its title and its icon"
}

# The entry in the list of programs removes everything the installer put there.
uninstall_release() {
    "$wine" "$installed\\uninstall.exe" /S
    "$wineserver" -w
    [ ! -e "$WINEPREFIX/drive_c/Program Files/Pump tools" ] || fail "files left after uninstalling"
    [ ! -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pump tools" ] \
        || fail "Start-menu entries left after uninstalling"
    ! "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\PumpTools' \
        >/dev/null 2>&1 || fail "the uninstall entry is left"
    say "uninstall.exe /S removed the files, the Start-menu entries and the entry in the list of programs"
}

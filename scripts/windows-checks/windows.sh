# The windows: each one started from where it was installed, the start-up figures,
# and the round trips with a simulated pump written for them. Sourced by
# scripts/windows-check.

# Each window CMake lists, started from where it was installed; its title must show,
# and its screenshot is kept (check/<executable>.png). The network tool is started
# once more warm, and the Linux build once, for the start-up figures.
start_each_window() {
    local executable title pid started found
    while IFS== read -r -u 3 executable title; do
        started=$(now_ms)
        "$wine" "$installed\\$executable.exe" >"$out/$executable-start.log" 2>&1 &
        pid=$!
        found=$(await_window "$title" "$started") || fail "$executable.exe showed no window \"$title\""
        say "$executable.exe shows \"$title\" after ${found#* } ms"
        sleep 1
        import -window "${found% *}" "$out/$executable.png"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    done 3<"$build/windows.txt"
}

# The network tool started as a German user starts it: Wine takes the display
# language from LANG, and the window must come up in German (issue 22). The check
# cannot read the window's words; it holds that the German window is drawn otherwise
# than the English one of start_each_window, and keeps its screenshot
# (check/pump-network-tool-de.png) for a person to read.
window_in_german() {
    local title pid found changed english=$out/pump-network-tool.png german=$out/pump-network-tool-de.png
    title=$(title_of pump-network-tool)
    LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE=de \
        "$wine" "$installed\\pump-network-tool.exe" >"$out/pump-network-tool-de.log" 2>&1 &
    pid=$!
    found=$(await_window "$title" "$(now_ms)") || fail "pump-network-tool.exe showed no window in German"
    sleep 1
    import -window "${found% *}" "$german"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    [ -f "$english" ] || fail "no English screenshot of pump-network-tool.exe to compare with"
    # The pixels that differ: a field's blinking cursor is a few dozen, the labels'
    # and buttons' words some thousands.
    changed=$(compare -metric AE "$english" "$german" null: 2>&1 >/dev/null | awk '{ print int($1) }' || true)
    [ "${changed:-0}" -gt 1000 ] \
        || fail "pump-network-tool.exe under LANG=de_DE.UTF-8 looks as in English ($changed pixels differ)"
    say "pump-network-tool.exe under LANG=de_DE.UTF-8: $changed pixels differ from English ($german)"
    not_shown "that the German window's words are German and whole: the check only sees that it" \
        "differs from the English one; its screenshot, $german, is read by a person"
}

# Each window's round trip with simulated pumps, where one is written: the function
# round_trip_<executable> (dashes as underscores) in round-trips.sh, given the
# window's title.
window_round_trips() {
    local executable title round_trip
    while IFS== read -r -u 3 executable title; do
        round_trip=round_trip_${executable//-/_}
        if declare -F "$round_trip" >/dev/null; then
            "$round_trip" "$title"
        else
            not_shown "$executable.exe with a pump: it is started and shows its title, but no" \
                "round trip is written for it ($round_trip in scripts/windows-checks/round-trips.sh)"
        fi
    done 3<"$build/windows.txt"
    not_shown "the firewall: Wine has none, so the prompt Windows may show when a window" \
        "first listens for the pumps' answers is not seen here"
}

startup_figures() {
    local title pid started found
    title=$(title_of pump-network-tool)
    for run in 1 2; do
        started=$(now_ms)
        "$wine" "$installed\\pump-network-tool.exe" >/dev/null 2>&1 &
        pid=$!
        found=$(await_window "$title" "$started") || fail "no window"
        say "start-up, pump-network-tool.exe under Wine (warm run $run): ${found#* } ms"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        started=$(now_ms)
        build/network-tool/pump-network-tool >/dev/null 2>&1 &
        pid=$!
        found=$(await_window "$title" "$started") || fail "no window"
        say "start-up, pump-network-tool on Linux (run $run): ${found#* } ms"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    done
}

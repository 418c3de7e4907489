# The technician's laptop of tests/common/laptop-network, built in this namespace:
# three adapters, a pump behind each, the one on cable0 at 198.19.7.7, outside every
# network of the laptop. pumpctl.exe and the network tool must both find all three and
# reach the cable pump through cable0. Sourced by scripts/windows-check.

laptop_adapters() {
    local laptop=$out/laptop
    mkdir -p "$laptop"
    trap 'stop_all; tests/common/laptop-network down "$laptop"' EXIT
    tests/common/laptop-network up build/pumpsim/pump-sim "$laptop"
    pumpctl_on_the_laptop
    network_tool_on_the_laptop "$laptop"
    # Wine is ended before the adapters go: once, its processes left running while
    # they vanished never ended, and the uninstall after this waited for them.
    "$wineserver" -k
    tests/common/laptop-network down "$laptop"
    trap stop_all EXIT
    not_shown "the adapters' names as Windows gives them (\"Ethernet 2\"): Wine passes on" \
        "Linux's (office0, lab0, cable0)"
    not_shown "an adapter going down while a pump is read: Wine is ended before the" \
        "laptop's adapters go (the Linux tests show it, tst_pumpctl_adapters)"
    not_shown "the network tool's tool tip naming each pump's adapter: the check cannot read" \
        "it (tst_networkadapters does, on Linux)"
}

# Search and read, byte for byte as the Linux build's.
pumpctl_on_the_laptop() {
    local cable
    same_output adapters-search search --format csv
    say "pumpctl.exe search on a laptop with three adapters, as on Linux:"
    cat "$out/adapters-search-windows.txt"
    [ "$(wc -l <"$out/adapters-search-windows.txt")" -eq 4 ] || fail "not three pumps found"
    cable=$(sed -n 's/^SIMPUMP 0007 LOOP,198\.19\.7\.7,[^,]*,//p' "$out/adapters-search-windows.txt")
    [ "${cable%% *}" = cable0 ] || fail "the cable pump was not found on cable0"
    same_output adapters-read read 198.19.7.7 --format csv
    say "pumpctl.exe read 198.19.7.7, as on Linux:"
    cat "$out/adapters-read-windows.txt"
    [ "$(tail -n 1 "$out/adapters-read-windows.txt" | tr ',' '\n' | wc -l)" -eq 14 ] \
        || fail "not the pump's name and its 13 settings"
}

# The network tool lists the three pumps; the cable pump, picked from the list by
# typing its name, is read through cable0, from the laptop's own address there.
network_tool_on_the_laptop() {
    local laptop=$1 window id log=$out/network-tool-laptop.log queries
    open_window pump-network-tool
    click 127 142                                          # Search Pumps
    sleep 4
    click 443 142                                          # the pump list opens
    xdotool type --delay 40 'SIMPUMP 0007'
    xdotool key Return
    sleep 3                                                # the thirteen queries
    import -window "$id" "$out/network-tool-laptop.png"
    kill "$window"
    wait "$window" 2>/dev/null || true
    [ "$(tr -d '\r' <"$log" | grep -c '\] on_IDAvailable () Found pump')" -eq 3 ] \
        || fail "the network tool did not list the pump behind each of the three adapters"
    tr -d '\r' <"$log" | grep -F '"198.19.7.7" answered on adapter "cable0" "198.18.2.1/24"' \
        || fail "the network tool did not log the cable pump's adapter"
    queries=$(grep -cE 'udp pump 0 from 198\.18\.2\.1:[0-9]+: 02 4e( [0-9a-f]{2}){2} 0d$' \
        "$laptop/cable0.log")
    [ "$queries" -ge 13 ] || fail "the cable pump received $queries queries through cable0, not 13"
    say "pump-network-tool.exe listed three pumps and read the cable pump's 13 settings" \
        "through cable0"
}

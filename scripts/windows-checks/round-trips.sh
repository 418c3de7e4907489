# Each installed window against simulated pumps, as a technician uses it: found,
# read, changed, written and read back. A window's round trip is the function
# round_trip_<executable, dashes as underscores>, given the window's title; what the
# pumps received (pump-sim --log) is what each one is judged by. Sourced by
# scripts/windows-check.

# The frame that sets $1 (a mnemonic and its value, "NTT,45"), or the query or save
# frame $1 ("NSV"), as pump-sim --log prints it: STX, the text, CR, in hex.
frame_hex() {
    printf '\002%s\r' "$1" | od -An -tx1 -v | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'
    echo
}

# The frames the pump logged in $1, in hex, one per line, in the order received.
received() {
    sed -n 's/^[0-9:.]* udp .*: //p' "$1"
}

# The installed window $1 with the arguments after it, logging on stderr to $log.
# Sets window (its process) and id (its X id) for the caller.
open_window() {
    local executable=$1
    shift
    # Wine keeps the host's QT_* variables from Windows programs; WINEQT_X reaches
    # them as QT_X.
    WINEQT_FORCE_STDERR_LOGGING=1 "$wine" "$installed\\$executable.exe" "$@" >"$log" 2>&1 &
    window=$!
    id=$(await_window "$(title_of "$executable")" "$(now_ms)") || fail "$executable.exe showed no window"
    id=${id% *}
    sleep 1
}

# Simulated pumps ($pumps of them, one unless set) logging each frame they receive to
# $frames, then open_window with the arguments given. Sets simulator too.
open_window_with_pumps() {
    build/pumpsim/pump-sim --pumps "${pumps:-1}" --restart-ms 2000 --log >"$frames" 2>&1 &
    simulator=$!
    sleep 0.5
    open_window "$@"
}

close_window_and_pumps() {
    kill "$window" "$simulator"
    wait "$window" "$simulator" 2>/dev/null || true
}

click() {
    xdotool mousemove --window "$id" "$1" "$2" click 1
    sleep 0.3
}

# Replaces what the field at $1,$2 holds by $3, typed.
retype() {
    click "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 40 "$3"
}

# The pump must have received the frame for $1 (see frame_hex).
expect_frame() {
    received "$frames" | grep -qxF "$(frame_hex "$1")" || fail "the pump received no $1"
}

# How many queries the pump received after its save frame: the read-back.
queries_after_save() {
    received "$frames" | sed -n "/^$(frame_hex NSV)\$/,\$p" | tail -n +2 \
        | grep -cE '^02 4e( [0-9a-f]{2}){2} 0d$'
}

# The network tool finds the pump, reads its thirteen settings, writes NTT=45 and
# reads it back, logging on stderr.
round_trip_pump_network_tool() {
    local simulator window id frames=$out/network-tool-frames.log log=$out/network-tool.log
    open_window_with_pumps pump-network-tool
    click 127 142                                          # Search Pumps
    sleep 5                                                # 3 s search, then the read
    import -window "$id" "$out/network-tool.png"           # docs/windows-network-tool.png
    retype 528 224 45                                      # TCP Timeout
    click 288 425                                          # Submit
    sleep 20                                               # the restart wait, the read
    import -window "$id" "$out/network-tool-after.png"
    close_window_and_pumps
    # The tool's diagnostic lines, on stderr as QT_FORCE_STDERR_LOGGING asks.
    tr -d '\r' <"$log" | grep -E 'Application started|scanSerialPorts|Found pump|"NTT"|compareWithWritten' \
        || fail "the network tool wrote no diagnostic lines to stderr"
    grep -q 'Found pump' "$log" || fail "the network tool did not log the pump it found"
    grep -q 'compareWithWritten () Every setting as written' "$log" \
        || fail "the network tool did not log its read-back as written"
    # What the pump received tells the story: the search, the thirteen queries of
    # the read, the write with NTT,45 and its save frame, the thirteen of the read-back.
    expect_frame NID
    [ "$(received "$frames" | grep -cE '^02 4e( [0-9a-f]{2}){2} 0d$')" -ge 27 ] \
        || fail "the network tool did not read thirteen settings twice"
    expect_frame NTT,45
    expect_frame NSV
    [ "$(queries_after_save)" -ge 13 ] || fail "the pump was not read again after its save"
    say "pump-network-tool.exe found the pump, read 13 settings, wrote NTT=45 and read it back"
}

# The IP tool finds the pump, reads its six settings, writes the second DNS server
# typed into its masked field, and reads the six again after the restart.
round_trip_pump_ip_tool() {
    local simulator window id frames=$out/ip-tool-frames.log log=$out/ip-tool.log
    open_window_with_pumps pump-ip-tool
    click 127 142                                          # Search Pumps
    sleep 4.5
    import -window "$id" "$out/ip-tool.png"
    retype 548 279 127.0.0.55                              # DNS Server 2
    click 288 425                                          # Submit
    sleep 20
    import -window "$id" "$out/ip-tool-after.png"
    close_window_and_pumps
    expect_frame NID
    expect_frame ND2,127.0.0.55
    expect_frame NSV
    [ "$(queries_after_save)" -eq 6 ] || fail "the IP tool did not read its six settings after the save"
    grep -q 'compareWithWritten () Every setting as written' "$log" \
        || fail "the IP tool did not log its read-back as written"
    say "pump-ip-tool.exe found the pump, read 6 settings, wrote ND2=127.0.0.55 and read them back"
}

# The key tool finds the pump and writes five keys as typed, a comma and a blank in
# one and two left empty, then the save frame; it never queries a key.
round_trip_pump_key_tool() {
    local simulator window id frames=$out/key-tool-frames.log log=$out/key-tool.log expected
    open_window_with_pumps pump-key-tool
    click 127 142                                          # Search Pumps
    sleep 4
    retype 396 223 wine-key-1                              # Key 1
    retype 396 280 'a,b 3'                                 # Key 3
    retype 396 337 K5                                      # Key 5
    click 288 425                                          # Submit
    sleep 2
    import -window "$id" "$out/key-tool-restarting.png"
    close_window_and_pumps
    expected=$(for frame in NID NK1,wine-key-1 NK2, 'NK3,a,b 3' NK4, NK5,K5 NSV; do
        frame_hex "$frame"
    done)
    [ "$(received "$frames")" = "$expected" ] \
        || fail "the key tool's frames differ from the search, five keys as typed and the save"
    # The log names each key's length only, never the key.
    grep -q 'on_btnSubmit_clicked () \[redacted\] 5 characters' "$log" \
        || fail "the key tool did not log key 3's length"
    ! grep -q 'wine-key-1' "$log" || fail "the key tool logged a key"
    say "pump-key-tool.exe found the pump and wrote five keys as typed, then the save frame;" \
        "its log names their lengths only"
}

# The plant window, given a plan for three pumps on its command line, finds and reads
# them, opens the plan, and writes it at Ctrl+Return and the confirmation's Enter; each
# pump gets its timeout and the save frame, and is read back after its restart.
round_trip_pump_plant_tool() {
    local simulator window id frames=$out/plant-tool-frames.log log=$out/plant-tool.log
    local plan=$out/plant-plan.csv pumps=3 pump
    printf 'pump,NTT\n127.0.0.2,51\n127.0.0.3,52\n127.0.0.4,53\n' >"$plan"
    open_window_with_pumps pump-plant-tool --restart-wait 3 "$("$wine" winepath -w "$plan" 2>/dev/null)"
    sleep 5                                                # the search, the read, the plan
    import -window "$id" "$out/plant-tool.png"
    click 500 300                                          # into the table, for the keys
    xdotool key ctrl+Return
    sleep 1.5
    xdotool key Return                                     # the confirmation's "Write"
    sleep 12                                               # write, restart, read back
    import -window root "$out/plant-tool-after.png"
    close_window_and_pumps
    for pump in 0 1 2; do
        grep -q "udp pump $pump from .*: $(frame_hex "NTT,5$((pump + 1))")\$" "$frames" \
            || fail "pump $pump did not receive its timeout from the plan"
        grep -q "udp pump $pump from .*: $(frame_hex NSV)\$" "$frames" \
            || fail "pump $pump received no save frame"
        sed -n "/udp pump $pump from .*: $(frame_hex NSV)\$/,\$p" "$frames" \
            | grep -q "udp pump $pump from .*: $(frame_hex NTT)\$" \
            || fail "pump $pump was not read back after its save"
    done
    say "pump-plant-tool.exe read 3 pumps, wrote the plan's timeouts on Ctrl+Return and" \
        "read each back after its restart"
}

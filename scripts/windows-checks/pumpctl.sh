# pumpctl.exe against the simulator, beside the Linux build. Sourced by
# scripts/windows-check.

# A plan for every one of the 24 simulated pumps, named by address.
write_plan() {
    local first_timeout=$1
    echo "pump,NTT,NCM"
    for i in $(seq 0 23); do
        echo "127.0.0.$((i + 2)),$((first_timeout + i)),Off"
    done
}

# The same command by the Windows build and the Linux build; their standard
# outputs must be the same bytes.
same_output() {
    local name=$1
    shift
    "$wine" "$installed\\pumpctl.exe" "$@" >"$out/$name-windows.txt" 2>"$out/$name-windows.err" \
        || fail "pumpctl.exe $* ended with $?"
    build/pumpctl/pumpctl "$@" >"$out/$name-linux.txt" 2>/dev/null || fail "pumpctl $* failed"
    cmp "$out/$name-windows.txt" "$out/$name-linux.txt" || fail "pumpctl.exe $* differs from Linux"
}

pumpctl_round_trips() {
    local simulator status=0
    build/pumpsim/pump-sim --pumps 24 --restart-ms 2000 >"$out/pumpctl-sim.log" 2>&1 &
    simulator=$!
    sleep 0.5
    same_output search search
    say "pumpctl.exe search: $(($(wc -l <"$out/search-windows.txt") - 1)) pumps, as on Linux:"
    head -n 4 "$out/search-windows.txt"
    same_output read read --all --format csv
    say "pumpctl.exe read --all --format csv: $(wc -c <"$out/read-windows.txt") bytes, as on Linux"
    head -n 3 "$out/read-windows.txt"
    write_plan 40 >"$out/plan.csv"
    "$wine" "$installed\\pumpctl.exe" write "$out/plan.csv" --restart-wait 3 \
        >"$out/write-windows.txt" 2>"$out/write-windows.err" || status=$?
    say "pumpctl.exe write of 24 pumps ended with $status:"
    tail -n 3 "$out/write-windows.txt"
    [ "$status" -eq 0 ] && [ "$(grep -c ': confirmed$' "$out/write-windows.txt")" -eq 24 ] \
        || fail "not every pump was confirmed"
    same_output reread read --all --format csv
    say "read again after the write: as on Linux, byte for byte"
    kill "$simulator"
    wait "$simulator" 2>/dev/null || true
}

# Ctrl-C as soon as the first setting is on the wire: every pump that received a
# setting must have received its save frame, and not every pump was started.
pumpctl_interrupted() {
    local simulator pid status=0 frames=$out/interrupt-frames.log started saved
    build/pumpsim/pump-sim --pumps 24 --restart-ms 2000 --log >"$frames" 2>&1 &
    simulator=$!
    sleep 0.5
    write_plan 70 >"$out/plan-interrupted.csv"
    "$wine" "$installed\\pumpctl.exe" write "$out/plan-interrupted.csv" --parallel 4 \
        --restart-wait 3 >"$out/interrupt-windows.txt" 2>"$out/interrupt-windows.err" &
    pid=$!
    until grep -q ' 2c ' "$frames"; do sleep 0.02; done
    kill -INT "$pid"
    wait "$pid" || status=$?
    sleep 0.5
    kill "$simulator"
    wait "$simulator" 2>/dev/null || true
    started=$(grep ' 2c ' "$frames" | sed 's/.* pump \([0-9]*\) .*/\1/' | sort -u)
    saved=$(grep '02 4e 53 56 0d' "$frames" | sed 's/.* pump \([0-9]*\) .*/\1/' | sort -u)
    say "pumpctl.exe write interrupted by Ctrl-C, ended with $status; stderr and report:"
    tr -d '\r' <"$out/interrupt-windows.err"
    cat "$out/interrupt-windows.txt"
    [ "$started" = "$saved" ] || fail "a pump that was being written got no save frame"
    [ "$(echo "$started" | wc -l)" -lt 24 ] || fail "every pump was written despite Ctrl-C"
    grep -q 'interrupted: finishing the writes on the wire' "$out/interrupt-windows.err" \
        || fail "pumpctl.exe did not say it was interrupted"
    say "$(echo "$started" | wc -l) pumps were being written; each received its save frame"
}

# COM5 is the simulator's pseudo-terminal. pumpctl.exe opens it and its frames reach
# the pump, but Wine 8 never hands the pump's answers back: Qt Serial Port waits for
# them with WaitCommEvent(EV_RXCHAR), and Wine's wait polls the modem lines
# (TIOCMGET) every turn and gives up when that fails, which it always does on a
# pseudo-terminal (no modem lines, ENOTTY), so no read is ever started. No setting of
# the pseudo-terminal changes that; the answers are reported, not required.
pumpctl_serial() {
    local simulator terminal status=0 frames=$out/serial-frames.log
    build/pumpsim/pump-sim --pumps 1 --serial --log >"$frames" 2>&1 &
    simulator=$!
    sleep 0.5
    terminal=$(sed -n 's/^serial: //p' "$frames")
    ln -sfn "$terminal" "$WINEPREFIX/dosdevices/com5"
    "$wine" "$installed\\pumpctl.exe" --serial COM5 read --all >"$out/serial-windows.txt" \
        2>"$out/serial-windows.err" || status=$?
    kill "$simulator"
    wait "$simulator" 2>/dev/null || true
    say "pumpctl.exe --serial COM5 read --all (COM5 is $terminal) ended with $status:"
    tr -d '\r' <"$out/serial-windows.err"
    cat "$out/serial-windows.txt"
    grep -q 'serial pump 0: 02 4e 49 44 0d' "$frames" || fail "no search reached the pump on COM5"
    [ "$(grep -c 'serial pump 0: 02 4e' "$frames")" -ge 14 ] || fail "no read reached the pump on COM5"
    say "the search and the thirteen queries reached the pump through COM5"
    [ "$status" -eq 0 ] || not_shown "the pump's answers on COM5: Wine 8 ends Qt Serial" \
        "Port's wait for received bytes when it cannot read the port's modem lines, which a" \
        "pseudo-terminal has not; only what pumpctl.exe sends on COM5 is proven"
}

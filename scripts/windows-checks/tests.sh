# The tests cross-built for Windows, under Wine. Sourced by scripts/windows-check.

run_tests() {
    local left_out
    WINEPATH="$qt/bin;$(pwd)/$stage" ctest --test-dir "$build" --output-on-failure 2>&1 \
        | tee "$out/ctest.txt"
    grep -q '100% tests passed' "$out/ctest.txt" || fail "tests under Wine"
    # The Linux build's tests that the Windows build leaves out, named, so that what
    # Wine does not run is said and not merely absent.
    left_out=$(comm -23 <(test_names build) <(test_names "$build") | tr '\n' ' ')
    [ -z "$left_out" ] || not_shown "these tests, built for Linux only (the CMakeLists.txt" \
        "under tests/ say why, mostly the simulator's serial line, a POSIX pseudo-terminal):" \
        "${left_out% }"
}

test_names() {
    ctest --test-dir "$1" -N | sed -n 's/^ *Test *#[0-9]*: //p' | sort
}

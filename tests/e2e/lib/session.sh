# Shared by the end-to-end scripts: a private home, a private X server, and helpers to wait.
# A script that cannot get what it needs exits with 77, which CTest reports as skipped.

SKIP=77

# The main window's caption as a pattern for window_named; CTest passes the project's version.
MAIN_TITLE="^Corvella Learn Numerology v${CORVELLA_VERSION:-[0-9.]*}\$"
MAIN_TITLE="${MAIN_TITLE//./\\.}"

skip() {
    echo "SKIPPED: $*"
    exit $SKIP
}

# A private home, so that the program's settings and lock never touch the real user's.
make_private_home() {
    WORK="$(mktemp -d)"
    export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/run"
    export XDG_STATE_HOME="$WORK/home/.local/state"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    CLEANUP_PIDS=()
    trap cleanup EXIT
}

cleanup() {
    for pid in "${CLEANUP_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}

# start_xvfb [WIDTHxHEIGHT]: starts Xvfb (1024x768 unless told) on a display number of its own
# choosing and exports DISPLAY. -noreset keeps the server from starting over when its first
# client disconnects, which would refuse a program that connects at that moment.
start_xvfb() {
    command -v Xvfb >/dev/null || skip "Xvfb is not installed"
    rm -f "$WORK/xvfb.display"
    Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$WORK/xvfb.display" >"$WORK/xvfb.log" 2>&1 &
    CLEANUP_PIDS+=($!)
    wait_for 10 test -s "$WORK/xvfb.display" || skip "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$WORK/xvfb.display")"
    wait_for 5 xdpyinfo || skip "Xvfb did not answer on $DISPLAY"
}

# wait_for SECONDS COMMAND...: runs the command until it succeeds or the time is up.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 10))
    while [ $tries -gt 0 ]; do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

# Prints the id of the first visible window whose title matches the regular expression.
window_named() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

fail() {
    echo "FAILED: $*"
    exit 1
}

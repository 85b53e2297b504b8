# Shared by the end-to-end scripts: a private home, a private X server, and helpers to wait.
# A script that cannot get what it needs exits with 77, which CTest reports as skipped.

SKIP=77

skip() {
    echo "SKIPPED: $*"
    exit $SKIP
}

# A private home, so that the program's settings and lock never touch the real user's.
make_private_home() {
    WORK="$(mktemp -d)"
    export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/run"
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

# Starts Xvfb on a free display and exports DISPLAY.
start_xvfb() {
    command -v Xvfb >/dev/null || skip "Xvfb is not installed"
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
        CLEANUP_PIDS+=($!)
        export DISPLAY=":$n"
        for _ in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        skip "Xvfb did not start on :$n"
    done
    skip "no free X display"
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

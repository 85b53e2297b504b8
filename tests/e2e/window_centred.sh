#!/usr/bin/env bash
# The real program opens its main window centred on screens of two sizes. Xvfb runs no window
# manager, so the window has no frame and the place seen is the one the program chose.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
make_private_home
export QT_QPA_PLATFORM=xcb
title="$MAIN_TITLE"

# check_centred WIDTHxHEIGHT: starts the program on a screen of that size, checks where its
# window lies and adds the place to SEEN.
check_centred() {
    local size=$1
    local screen_w=${size%x*} screen_h=${size#*x}
    start_xvfb "$size"
    local server=${CLEANUP_PIDS[-1]}
    # A home of its own for each start, so that the first copy's lock cannot refuse the second.
    export HOME="$WORK/home-$size" XDG_CONFIG_HOME="$WORK/home-$size/.config" XDG_RUNTIME_DIR="$WORK/run-$size"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    "$program" >"$WORK/program-$size.log" 2>&1 &
    local pid=$!
    CLEANUP_PIDS+=($pid)
    wait_for 20 window_named "$title" || fail "the main window did not appear on a $size screen"
    local info
    info=$(xwininfo -id "$(window_named "$title")")
    local x y w h
    x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    w=$(awk '/Width:/ {print $2}' <<<"$info")
    h=$(awk '/Height:/ {print $2}' <<<"$info")
    local dx=$((2 * x + w - screen_w)) dy=$((2 * y + h - screen_h))
    # Twice the offset of the window's centre from the screen's: at most 1 either way.
    [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ] \
        || fail "on a $size screen the ${w}x${h} window lies at ($x, $y), not centred"
    SEEN+=("$size: ${w}x${h} window at ($x, $y)")
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
}

SEEN=()
check_centred 1280x1024
check_centred 800x600
echo "PASSED: centred on both screens; ${SEEN[0]}; ${SEEN[1]}"

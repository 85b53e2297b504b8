#!/usr/bin/env bash
# The real program under a real X server: its window and client area, and a second copy that
# is refused with a notice and ends after OK while the first keeps running.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
make_private_home
start_xvfb
export QT_QPA_PLATFORM=xcb

"$program" >"$WORK/first.log" 2>&1 &
first=$!
CLEANUP_PIDS+=($first)
wait_for 20 window_named "$MAIN_TITLE" || fail "the main window did not appear"
main=$(window_named "$MAIN_TITLE")
width=$(xwininfo -id "$main" | awk '/Width:/ {print $2}')
height=$(xwininfo -id "$main" | awk '/Height:/ {print $2}')
[ "$width" = 641 ] || fail "window width is $width, not 641"
# The client area is 393 pixels high below the menu bar.
[ "$height" -gt 393 ] && [ "$height" -lt 430 ] || fail "window height $height does not hold a 393-pixel client area and a menu bar"

"$program" >"$WORK/second.log" 2>&1 &
second=$!
CLEANUP_PIDS+=($second)
wait_for 20 window_named '^Corvella Learn Numerology$' || fail "the second copy showed no notice"
notice=$(window_named '^Corvella Learn Numerology$')
# Read the notice's text off the screen.
import -window "$notice" "$WORK/notice.png"
convert "$WORK/notice.png" -resize 300% "$WORK/notice-large.png"
tesseract "$WORK/notice-large.png" - 2>/dev/null | tr '\n' ' ' | grep -q "Application is already running" \
    || fail "the notice does not read 'Application is already running'"
kill -0 "$first" || fail "the first copy ended"
xdotool windowfocus --sync "$notice" 2>/dev/null || xdotool windowfocus "$notice"
xdotool key Return
wait_for 10 bash -c "! kill -0 $second" || fail "the second copy did not end after OK"
wait "$second"
status=$?
[ "$status" = 0 ] || fail "the second copy exited with $status"
kill -0 "$first" || fail "the first copy ended"
[ -n "$(window_named "$MAIN_TITLE")" ] || fail "the first window is gone"
echo "PASSED: one window of 641 x ${height}; the second copy was refused and ended after OK"

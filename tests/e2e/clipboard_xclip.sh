#!/usr/bin/env bash
# The clipboard guard against a real X server, with xclip as the other program: text that
# another program put on the clipboard and the mouse selection stays there while the learn
# pane changes and the pointer crosses it; the teaching text copied from the pane with Ctrl+C
# is gone after the next mouse move over the pane.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
. "$(dirname "$0")/lib/drive.sh"
for tool in xclip xdotool timeout; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
make_private_home

start_xvfb
export QT_QPA_PLATFORM=xcb

CLIPBOARD_MARKER="xclip text on the clipboard $$"
PRIMARY_MARKER="xclip text in the mouse selection $$"

# read_selection clipboard|primary: puts what the owner hands over in SELECTION_TEXT and
# returns xclip's status. With no owner xclip fails at once; an owner that does not answer
# would leave it waiting, hence the timeout.
read_selection() {
    SELECTION_TEXT=$(timeout 5 xclip -o -selection "$1" 2>/dev/null)
    local status=$?
    [ "$status" != 124 ] || fail "the owner of the ${1^^} selection did not answer within 5 s"
    return $status
}

# shown TEXT: the start of a text on one line, for messages.
shown() {
    printf '%s' "${1:0:60}" | tr '\r\n' '  '
}

holds() {
    [ "$(timeout 5 xclip -o -selection "$1" 2>/dev/null)" = "$2" ]
}

# offer clipboard|primary TEXT: a foreground xclip owns the selection until someone else takes
# it, and then ends.
offer() {
    printf '%s' "$2" | xclip -quiet -selection "$1" -i >"$WORK/xclip-$1.log" 2>&1 &
    CLEANUP_PIDS+=($!)
    wait_for 5 holds "$1" "$2" || skip "xclip could not put its text in the ${1^^} selection"
}

# expect_marker clipboard|primary MARKER WHEN
expect_marker() {
    read_selection "$1"
    [ "$SELECTION_TEXT" = "$2" ] \
        || fail "$3: the ${1^^} selection holds '$(shown "$SELECTION_TEXT")' instead of xclip's text"
}

expect_markers() {
    kill -0 "$app" 2>/dev/null || fail "the program ended ($1)"
    expect_marker clipboard "$CLIPBOARD_MARKER" "$1"
    expect_marker primary "$PRIMARY_MARKER" "$1"
}

offer clipboard "$CLIPBOARD_MARKER"
offer primary "$PRIMARY_MARKER"

"$program" >"$WORK/program.log" 2>&1 &
app=$!
CLEANUP_PIDS+=("$app")
find_main_window || fail "the main window did not appear"
expect_markers "after the program started"

click_in_frame $OPT_LEARN
click_in_frame $CMD_PROCEED
click_in_frame $OPT_BY_SIGNIFICANCE
click_in_frame $CMD_NEXT2
sleep 0.5
# The pane has just been filled with the Life Path Number record: a change of the pane.
expect_markers "after the learn screen drew its first record"

# Across the whole width of RTBLearn (frame x 16..617, y 48..273), one step at a time.
for x in 24 110 200 290 380 470 560 610; do
    move_in_frame "$x" 150
done
expect_markers "after the pointer crossed the learn pane"

click_in_frame $LEARN_PANE
expect_markers "after a click in the learn pane"

xdotool key --clearmodifiers ctrl+a
sleep 0.3
xdotool key --clearmodifiers ctrl+c
sleep 0.3
kill -0 "$app" 2>/dev/null || fail "the program ended after Ctrl+C"
read_selection clipboard
[[ "$SELECTION_TEXT" == Significance* ]] \
    || fail "after Ctrl+A, Ctrl+C in the learn pane the clipboard holds '$(shown "$SELECTION_TEXT")', not the teaching text"
# Qt on X11 normally makes the selection of Ctrl+A the mouse selection as well.
read_selection primary
if [[ "$SELECTION_TEXT" == Significance* ]]; then
    selection_taken=1
elif [ "$SELECTION_TEXT" = "$PRIMARY_MARKER" ]; then
    selection_taken=0
else
    fail "after Ctrl+A the mouse selection holds '$(shown "$SELECTION_TEXT")'"
fi

move_in_frame 330 170
kill -0 "$app" 2>/dev/null || fail "the program ended after the pointer moved"
read_selection clipboard
[ -z "$SELECTION_TEXT" ] \
    || fail "the copied teaching text is still on the clipboard after the pointer moved over the pane: '$(shown "$SELECTION_TEXT")'"
read_selection primary
if [ "$selection_taken" = 1 ]; then
    [ -z "$SELECTION_TEXT" ] \
        || fail "the teaching text is still the mouse selection after the pointer moved over the pane: '$(shown "$SELECTION_TEXT")'"
    echo "PASSED: xclip's text survived the learn pane's change, the pointer and a click; the copy and the mouse selection from the pane were emptied by the next mouse move"
else
    [ "$SELECTION_TEXT" = "$PRIMARY_MARKER" ] \
        || fail "the mouse selection, still xclip's before, changed after the pointer moved over the pane"
    echo "PASSED: xclip's text survived the learn pane's change, the pointer and a click; the copy from the pane was emptied by the next mouse move (Ctrl+A did not take the mouse selection)"
fi

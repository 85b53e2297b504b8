# Drives the real main window with the mouse and keyboard under Xvfb. Coordinates are in the
# window's client area (641 x 393 below the menu bar); a screen's controls sit inside the
# frame at (4, 30).


# Sets MAIN_WINDOW and the client area's origin on the screen (CLIENT_X, CLIENT_Y).
find_main_window() {
    wait_for 20 window_named "$MAIN_TITLE" || return 1
    MAIN_WINDOW=$(window_named "$MAIN_TITLE")
    eval "$(xdotool getwindowgeometry --shell "$MAIN_WINDOW")"
    CLIENT_X=$X
    CLIENT_Y=$((Y + HEIGHT - 393))
}

# start_program_for_the_keys: starts "$program" (its output in $WORK/program.log, its process
# id in app), waits for the main window and gives it the keys, with the pointer in a corner
# that no window covers.
start_program_for_the_keys() {
    "$program" >"$WORK/program.log" 2>&1 &
    app=$!
    CLEANUP_PIDS+=("$app")
    find_main_window || fail "the main window did not appear"
    xdotool mousemove --sync 0 0
    xdotool windowfocus --sync "$MAIN_WINDOW" 2>/dev/null || xdotool windowfocus "$MAIN_WINDOW"
    sleep 0.3
}

# click_at X Y: a left click at a point of the client area.
click_at() {
    xdotool mousemove --sync $((CLIENT_X + $1)) $((CLIENT_Y + $2)) click 1
    sleep 0.2
}

# click_in_frame X Y: a left click at a point given relative to the screens' frame.
click_in_frame() {
    click_at $((4 + $1)) $((30 + $2))
}

# answer_a_significance_test: from the start screen, takes a test by significance and answers
# all ten questions with the first box, which leaves the result screen in front.
answer_a_significance_test() {
    click_in_frame $OPT_TEST
    click_in_frame $CMD_PROCEED
    click_in_frame $OPT_BY_SIGNIFICANCE
    click_in_frame $CMD_NEXT2
    for _ in $(seq 1 10); do
        click_in_frame $CHOICE_0
        click_in_frame $CMD_NEXT_QUESTION
    done
}

# move_in_frame X Y: moves the pointer there without clicking.
move_in_frame() {
    xdotool mousemove --sync $((CLIENT_X + 4 + $1)) $((CLIENT_Y + 30 + $2))
    sleep 0.2
}

# Places of the controls used by the scripts, in frame coordinates (centres).
OPT_LEARN="250 196"        # optMain0, start screen
OPT_TEST="250 228"         # optMain1
CMD_PROCEED="320 276"      # cmdNext "Click Here To Proceed"
OPT_BY_SIGNIFICANCE="220 108"   # optOption0, method screen
OPT_BY_INTERPRETATION="220 140" # optOption1
CMD_NEXT2="364 204"        # cmdNext2 "&Next"
LEARN_PANE="316 180"       # RTBLearn
CHOICE_0="34 60"           # optChoice0 (rows 49 px apart)
CMD_NEXT_QUESTION="571 296" # cmdNextQuestion
CMD_PRINT="120 288"        # cmdPrint

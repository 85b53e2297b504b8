#!/usr/bin/env bash
# The program takes no arguments and ignores any it is given, Qt's own options included:
# started with -reverse, -style, -platform or anything else, it shows the same window, drawn
# pixel for pixel the same as without (the promotional banner at the bottom, drawn at random,
# apart).
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
make_private_home
start_xvfb
export QT_QPA_PLATFORM=xcb
command -v import >/dev/null && command -v compare >/dev/null || skip "ImageMagick is not installed"

main_title='^Corvella Learn Numerology v1\.20$'

# shot NAME ARGS...: starts the program with the arguments, and keeps its window above the
# banners as NAME.png.
shot() {
    local name="$1"
    shift
    "$program" "$@" >"$WORK/$name.log" 2>&1 &
    local pid=$!
    CLEANUP_PIDS+=($pid)
    wait_for 20 window_named "$main_title" || { cat "$WORK/$name.log"; fail "started with '$*': no window on the display"; }
    sleep 0.5
    local id
    id=$(window_named "$main_title")
    import -window "$id" "$WORK/$name-whole.png" || fail "no picture of the window"
    convert "$WORK/$name-whole.png" -crop 641x380+0+0 +repage "$WORK/$name.png"
    kill "$pid"
    wait "$pid" 2>/dev/null
    wait_for 10 bash -c "[ -z \"\$(xdotool search --onlyvisible --name '$main_title' 2>/dev/null)\" ]" \
        || fail "the window started with '$*' did not go away"
}

shot plain
[ "$(identify -format '%w' "$WORK/plain-whole.png")" = 641 ] || fail "the window is not 641 pixels wide"
i=0
for args in "-reverse" "-style windows" "-platform offscreen" "-stylesheet /nonexistent" "--some-option value"; do
    i=$((i + 1))
    # shellcheck disable=SC2086
    shot "with$i" $args
    differ=$(compare -metric AE "$WORK/plain.png" "$WORK/with$i.png" null: 2>&1)
    [ "$differ" = 0 ] || fail "started with '$args', $differ pixels of the window differ"
    echo "started with '$args': the same window"
done
echo "PASSED: no argument changed the window"

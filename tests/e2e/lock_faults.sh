#!/usr/bin/env bash
# The single-instance lock under real-world faults, with the real program under a real X server:
# whatever the user's folders are like and whatever lies where a lock file could be, a running
# copy keeps the second one out and nothing else does; ten copies started at once give exactly
# one window.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
make_private_home
start_xvfb
export QT_QPA_PLATFORM=xcb

main_title="$MAIN_TITLE"
notice_title='^Corvella Learn Numerology$'
name="$(basename "$program")"

count_windows() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

wait_until_gone() {
    wait_for 10 bash -c "[ -z \"\$(xdotool search --onlyvisible --name '$1' 2>/dev/null)\" ]"
}

# one_copy_only WHAT: a first copy shows its window and no notice; a second, started while the
# first runs, shows the notice, no window of its own, and ends with status 0 after OK.
one_copy_only() {
    "$program" >"$WORK/first.log" 2>&1 &
    local first=$!
    CLEANUP_PIDS+=($first)
    wait_for 20 window_named "$main_title" || { cat "$WORK/first.log"; fail "$1: no main window"; }
    [ "$(count_windows "$notice_title")" = 0 ] || fail "$1: the first copy showed a notice"
    "$program" >"$WORK/second.log" 2>&1 &
    local second=$!
    CLEANUP_PIDS+=($second)
    wait_for 20 window_named "$notice_title" || { cat "$WORK/second.log"; fail "$1: the second copy showed no notice"; }
    sleep 0.5
    [ "$(count_windows "$main_title")" = 1 ] || fail "$1: two main windows"
    local notice
    notice=$(window_named "$notice_title")
    xdotool windowfocus --sync "$notice" 2>/dev/null || xdotool windowfocus "$notice"
    xdotool key Return
    wait_for 10 bash -c "! kill -0 $second" || fail "$1: the second copy did not end after OK"
    wait "$second"
    local status=$?
    [ "$status" = 0 ] || fail "$1: the second copy exited with $status"
    kill "$first"
    wait "$first" 2>/dev/null
    wait_until_gone "$main_title" || fail "$1: the window did not go away"
    echo "$1: one copy only"
}

# Things an older version's lock file, a crash or another program left where a lock could be.
mkdir -p "$XDG_RUNTIME_DIR/$name.lock/inner" "$HOME/.cache/$name.lock/inner"
one_copy_only "the lock's old paths are folders with files in them"
rm -rf "$XDG_RUNTIME_DIR/$name.lock" "$HOME/.cache/$name.lock"
mkfifo "$XDG_RUNTIME_DIR/$name.lock"
head -c 300 /dev/urandom >"$HOME/.cache/$name.lock"
one_copy_only "a FIFO and noise at the lock's old paths"

# The user's folders as a umask of 002 leaves them, or not there at all.
(
    unset XDG_RUNTIME_DIR
    chmod 775 "$HOME/.cache"
    one_copy_only "no runtime folder, cache folder mode 775"
) || exit 1
(
    unset XDG_RUNTIME_DIR
    export HOME="$WORK/no-such-home"
    one_copy_only "no runtime folder, home folder missing"
) || exit 1
(
    export XDG_RUNTIME_DIR="$WORK/shared-run"
    mkdir -m 1777 "$XDG_RUNTIME_DIR"
    one_copy_only "a runtime folder every user can write to"
) || exit 1

# Ten copies at once: one window, nine notices.
for i in $(seq 10); do
    "$program" >"$WORK/crowd$i.log" 2>&1 &
    CLEANUP_PIDS+=($!)
done
wait_for 60 bash -c "[ \$(xdotool search --onlyvisible --name '$notice_title' 2>/dev/null | wc -l) -ge 9 ]" \
    || fail "not every copy decided: $(count_windows "$notice_title") notices"
sleep 1
windows=$(count_windows "$main_title")
notices=$(count_windows "$notice_title")
[ "$windows" = 1 ] || fail "ten copies started at once gave $windows main windows"
[ "$notices" = 9 ] || fail "ten copies started at once gave $notices notices"
echo "PASSED: one copy whatever the folders; ten copies at once gave 1 window and 9 notices"

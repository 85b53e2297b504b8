#!/usr/bin/env bash
# The single-instance lock under real-world faults, with the real program under a real X server:
# whatever a crash, a full disk or another user left at the lock's path, the program starts;
# only a live copy of it keeps a second one out, and ten copies started at once give exactly
# one window.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
make_private_home
start_xvfb
export QT_QPA_PLATFORM=xcb
command -v flock >/dev/null || skip "flock (util-linux) is not installed"

main_title='^Corvella Learn Numerology v1\.20$'
notice_title='^Corvella Learn Numerology$'
lock="$XDG_RUNTIME_DIR/$(basename "$program").lock"

count_windows() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

# starts_with_window WHAT: the program, started now, shows its main window and no notice.
starts_with_window() {
    "$program" >"$WORK/run.log" 2>&1 &
    local pid=$!
    CLEANUP_PIDS+=($pid)
    wait_for 20 window_named "$main_title" || { cat "$WORK/run.log"; fail "$1: no main window"; }
    [ "$(count_windows "$notice_title")" = 0 ] || fail "$1: a notice came up"
    kill "$pid"
    wait "$pid" 2>/dev/null
    wait_for 10 bash -c "[ -z \"\$(xdotool search --onlyvisible --name '$main_title' 2>/dev/null)\" ]" \
        || fail "$1: the window did not go away"
    echo "$1: started with its window"
}

rm -rf "$lock"
: >"$lock"
starts_with_window "empty lock file"
head -c 300 /dev/urandom >"$lock"
starts_with_window "garbled lock file"
# The id of a live process that is not this program (this script).
printf '%s\nCorvellaFreeLearnNumerology\n%s\n' $$ "$(hostname)" >"$lock"
starts_with_window "lock naming a live process of another program"
rm -f "$lock"
mkdir "$lock"
starts_with_window "folder at the lock's path"
rm -rf "$lock"
mkfifo "$lock"
starts_with_window "FIFO at the lock's path"
rm -f "$lock"

# No usable runtime folder: the lock goes to the user's own cache folder, never to the
# temporary folder every user shares, where another user's lock (held here by a live
# process of another owner's making) would keep this user out.
shared="$WORK/shared-tmp"
mkdir -p "$shared/runtime-$(id -un)"
chmod 1777 "$shared"
for planted in "$shared/$(basename "$program").lock" "$shared/runtime-$(id -un)/$(basename "$program").lock"; do
    # The holder is the sleeping process itself, so that ending it frees the lock.
    (exec 9>"$planted" && flock -n 9 && exec sleep 600) >/dev/null 2>&1 &
    CLEANUP_PIDS+=($!)
done
(
    export TMPDIR="$shared"
    unset XDG_RUNTIME_DIR
    starts_with_window "no runtime folder, a lock held in the shared temporary folder"
) || exit 1
[ -f "$HOME/.cache/$(basename "$program").lock" ] || fail "no lock in the user's cache folder"
(
    export XDG_RUNTIME_DIR="$shared"
    starts_with_window "a runtime folder every user can write to"
) || exit 1
# No folder of the user's own at all: the lock cannot be checked, and the program starts.
(
    export XDG_RUNTIME_DIR="$shared" XDG_CACHE_HOME="$shared"
    starts_with_window "no folder of the user's own for the lock"
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
echo "PASSED: every bad lock was taken over; ten copies at once gave 1 window and 9 notices"

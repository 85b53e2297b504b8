#!/usr/bin/env bash
# Practice with the keyboard alone, in the real program under a real X server: Ctrl+R opens
# Practice, where the new cards a day are set to none (which makes the progress file), Escape
# closes it; a test by significance is finished in the main window (key 1 for every answer, so
# most are wrong, by chance) and goes into that file; Ctrl+R opens Practice again, the missed
# questions are answered first (keys 1 and Enter; a wrong one comes back after three others until
# it is right, so the keys go on well past the missed questions, and once no card is left they
# do nothing), Escape closes the window, and the progress file holds the test and those answers.
#
# With CORVELLA_PICTURES set to a folder, pictures of the practice window are saved there.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
. "$(dirname "$0")/lib/drive.sh"
for tool in xdotool timeout; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
make_private_home
export XDG_DATA_HOME="$WORK/home/data"
progress="$XDG_DATA_HOME/CorvellaFreeLearnNumerology/progress.txt"
start_xvfb
export QT_QPA_PLATFORM=xcb

start_program_for_the_keys
[ ! -e "$progress" ] || fail "the progress file was written at start-up"

key() {
    xdotool key --clearmodifiers "$@"
    sleep 0.25
}

open_practice() {
    key ctrl+r
    wait_for 10 window_named '^Practice$' || fail "Ctrl+R did not open the Practice window"
    practice=$(window_named '^Practice$')
    xdotool windowfocus --sync "$practice" 2>/dev/null || xdotool windowfocus "$practice"
    sleep 0.4
}
close_practice() {
    key Escape
    wait_for 5 sh -c "[ -z \"\$(xdotool search --onlyvisible --name '^Practice\$' 2>/dev/null)\" ]" \
        || fail "Escape did not close the Practice window"
    main=$(window_named "$MAIN_TITLE")
    xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
    sleep 0.4
}

# No new cards today: only the missed questions are offered later.
open_practice
key alt+d
key ctrl+a
key 0
wait_for 10 test -s "$progress" || fail "a setting changed in Practice wrote no progress file"
close_practice
grep -qE '^card key=' "$progress" && fail "a card was answered while setting the new cards"

# Start screen: Test Numerology, then proceed; method screen: by Significance, Next.
key Down
key space
key Tab
key space
key space
key alt+n
# Ten questions: key 1 chooses the first box, Next Question moves on.
for _ in $(seq 1 10); do
    key 1
    key alt+q
done
wait_for 10 grep -q '^test ' "$progress" || fail "finishing the test wrote no test"
grep -qE '^test date=[0-9-]+ kind=significance score=[0-9]+ of=10$' "$progress" \
    || fail "the progress file does not hold the test: $(cat "$progress")"
missed=$(grep -E '^card key=significance/[0-9]+ .* missed=1( |$)' "$progress" \
    | sed -E 's/^card key=([^ ]+) .*/\1/')
count=$(grep -c . <<<"$missed")
[ -n "$missed" ] || skip "every answer of the test happened to be right"
questions=$(grep -c '^question ' "$progress")
[ "$questions" = 10 ] || fail "the progress file holds $questions questions of the test, not 10"
after_test=$(grep -E '^card key=' "$progress" | sort)

open_practice
if [ -n "${CORVELLA_PICTURES:-}" ]; then
    import -window "$practice" "$CORVELLA_PICTURES/practice-card.png"
fi

# Key 1 is right one time in five: about five answers a card, and room for many more.
for i in $(seq 1 $((12 * count))); do
    key 1
    if [ -n "${CORVELLA_PICTURES:-}" ] && [ "$i" = 1 ]; then
        import -window "$practice" "$CORVELLA_PICTURES/practice-answered.png"
    fi
    key Return
done
if [ -n "${CORVELLA_PICTURES:-}" ]; then
    key alt+m
    import -window "$practice" "$CORVELLA_PICTURES/practice-missed.png"
    key alt+r
    import -window "$practice" "$CORVELLA_PICTURES/practice-progress.png"
fi
close_practice
kill -0 "$app" 2>/dev/null || fail "the program ended"

# The cards answered in Practice are exactly the missed ones: each answered and no longer
# missed, and no other card has been answered.
answered=$(comm -13 <(sed -E 's/^card key=([^ ]+) .*( right=[0-9]+ wrong=[0-9]+ ).*/\1\2/' \
    <<<"$after_test" | sort) <(grep -E '^card key=' "$progress" \
    | sed -E 's/^card key=([^ ]+) .*( right=[0-9]+ wrong=[0-9]+ ).*/\1\2/' | sort) \
    | cut -d' ' -f1 | sort)
[ "$answered" = "$(sort <<<"$missed")" ] \
    || fail "answered cards '$answered' are not the missed ones '$missed'"
for card in $missed; do
    line=$(grep -E "^card key=$card " "$progress")
    grep -qE ' missed=0( |$)' <<<"$line" || fail "$card is still marked missed: $line"
done
echo "PASSED: $count missed questions offered first and answered by keyboard; progress kept"

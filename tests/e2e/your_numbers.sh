#!/usr/bin/env bash
# The Your Numbers window of the real program under a real X server, driven by the keyboard
# only: Ctrl+Y opens it, a name and two dates are typed, Enter calculates, and the chart is
# read from the pane with Ctrl+A, Ctrl+C and xclip. The clipboard rule empties the clipboard on
# mouse events over the pane, so the pointer stays away from it and the copy is read at once.
#
# With CORVELLA_PICTURE set to a file name, a picture of the window with its chart is saved
# there (this is how docs/your-numbers.png is made).
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

start_program_for_the_keys

xdotool key --clearmodifiers ctrl+y
wait_for 10 window_named '^Your Numbers$' || fail "Ctrl+Y did not open the Your Numbers window"
chart_window=$(window_named '^Your Numbers$')
xdotool windowfocus --sync "$chart_window" 2>/dev/null || xdotool windowfocus "$chart_window"
sleep 0.3

# The name field has the focus when the window opens; the date to look at holds today.
xdotool type --delay 20 "Kathryn Oakley"
xdotool key --clearmodifiers Tab
xdotool type --delay 20 "1983-08-31"
xdotool key --clearmodifiers Tab
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "2026-05-19"
xdotool key --clearmodifiers Return
sleep 0.5
kill -0 "$app" 2>/dev/null || fail "the program ended after Enter"
[ -z "$(window_named '^Corvella Learn Numerology$')" ] \
    || fail "a message box appeared instead of the chart"

if [ -n "${CORVELLA_PICTURE:-}" ]; then
    import -window "$chart_window" "$CORVELLA_PICTURE" || fail "could not take the picture"
fi

# Tab past Calculate into the pane, then copy all of it.
xdotool key --clearmodifiers Tab
xdotool key --clearmodifiers Tab
xdotool key --clearmodifiers ctrl+a
sleep 0.2
xdotool key --clearmodifiers ctrl+c
sleep 0.3
copied=$(timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r')
[ -n "$copied" ] || fail "the clipboard is empty after Ctrl+A, Ctrl+C in the pane"

# The fifteen headings in the catalogue's order, with the values the lessons work out for
# their example person.
expected_headings="Life Path Number: 6
Destiny / Expression Number: 4
Soul's Urge/ Heart's Desire Number: 2
Inner Dreams / Personality Number: 11
Birthday Number: 31
Life Path / Expression Bridge Number: 2
Heart Desire / Personality Bridge Number: 0
Balance Number: 8
Maturity / Realization Number: 1
Pinnacle Number: 3, 7, 1, 11
Challenge Number: 4, 1, 3, 5
Life Path Period Number: 8, 4, 3
Personal Day Number: 1
Personal Month Number: 9
Personal Year Number: 4"
headings=$(grep -E '^[A-Z][^:]*Number: [0-9]+(, [0-9]+)*$' <<<"$copied")
[ "$headings" = "$expected_headings" ] \
    || fail "the pane's headings are not the expected chart:
$headings"
# (Here-strings rather than pipes: an early-ending grep -q must not fail the pipe.)
first_line=${copied%%$'\n'*}
[ "$first_line" = 'KATHRYN OAKLEY, born August 31, 1983, looking at May 19, 2026' ] \
    || fail "the chart does not open with the person and the dates: $first_line"
grep -qxF 'August 31, 1983: 8 + 3 + 1 + 1 + 9 + 8 + 3 = 33' <<<"$copied" \
    || fail "the Life Path working is missing"
meanings=$(grep -c '^Meaning: .\{100,\}' <<<"$copied")
[ "$meanings" = 12 ] || fail "$meanings meanings of single numbers instead of 12"
echo "PASSED: Ctrl+Y, typed name and dates, Enter: the pane shows the fifteen numbers of the lessons' example person with working and meanings, copied with Ctrl+A, Ctrl+C"

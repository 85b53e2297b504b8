#!/usr/bin/env bash
# The update reminder at a real start: a corrupt store never stops the program; a date that no
# longer reads starts the fortnight again; a date 20 days old asks before the main window
# shows, No and Yes both write today's date, and Yes hands the download page to the desktop
# once.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
make_private_home
start_xvfb
export QT_QPA_PLATFORM=xcb LC_ALL=C LANG=C
store="$XDG_CONFIG_HOME/CorvellaFreeLearnNumerology.ini"
MAIN="$MAIN_TITLE"
BOX='^Corvella Learn Numerology$'

# A stand-in for the desktop's browser launcher: it records every address it is given.
mkdir -p "$WORK/bin"
cat >"$WORK/bin/xdg-open" <<SH
#!/bin/sh
echo "\$1" >>"$WORK/opened"
SH
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"

# Reads the stored Duration back in plain text.
stored_date() {
    python3 - "$store" <<'PY'
import sys
for line in open(sys.argv[1], encoding="utf-8"):
    if line.startswith("%99%CA%C7%B6%C9%BE%C4%C3="):
        print("".join(chr(ord(c) - 85) for c in line.rstrip("\n").split("=", 1)[1]))
PY
}
# Stores Duration as the text given, encoded as the program keeps it.
store_text() {
    python3 - "$store" "$1" <<'PY'
import sys
with open(sys.argv[1], "w", encoding="utf-8") as f:
    f.write("[Settings]\n%99%CA%C7%B6%C9%BE%C4%C3=" + "".join(chr(ord(c) + 85) for c in sys.argv[2]) + "\n")
PY
}
# Stores Duration as the date N days before today, in the C locale's short format.
store_days_ago() {
    store_text "$(python3 -c 'import sys, datetime; d = datetime.date.today() - datetime.timedelta(days=int(sys.argv[1])); print(d.day, d.strftime("%b"), d.year)' "$1")"
}
today=$(python3 -c 'import datetime; d = datetime.date.today(); print(d.day, d.strftime("%b"), d.year)')

# run_once KEY: starts the program, answers the reminder with KEY (or expects none when KEY
# is empty), waits for the main window, then closes the program.
run_once() {
    "$program" >>"$WORK/program.log" 2>&1 &
    local pid=$!
    CLEANUP_PIDS+=($pid)
    if [ -n "$1" ]; then
        wait_for 20 window_named "$BOX" || fail "no reminder was asked"
        [ -z "$(window_named "$MAIN")" ] || fail "the main window came before the reminder"
        local box
        box=$(window_named "$BOX")
        import -window "$box" "$WORK/box.png"
        convert "$WORK/box.png" -resize 300% "$WORK/box-large.png"
        local said
        said=$(tesseract "$WORK/box-large.png" - 2>/dev/null | tr '\n' ' ')
        echo "$said" | grep -q "There maybe an update to this software available" || fail "the reminder reads: $said"
        echo "$said" | grep -q "Do you want to check for an update" || fail "the reminder reads: $said"
        xdotool windowfocus --sync "$box" 2>/dev/null || xdotool windowfocus "$box"
        xdotool key "$1"
    fi
    wait_for 20 window_named "$MAIN" || fail "the main window did not appear"
    [ -z "$(window_named "$BOX")" ] || fail "a message box is still open"
    kill "$pid"
    wait "$pid" 2>/dev/null
}

# A corrupt store: no question, the program starts.
printf '[Settings\n\x01\x02=\xff\xfe garbage\n[[[' >"$store"
run_once ""
[ ! -e "$WORK/opened" ] || fail "a page was opened"

# First start: no question, today is written.
rm -f "$store"
run_once ""
[ "$(stored_date)" = "$today" ] || fail "first start stored '$(stored_date)', not '$today'"

# A date another locale wrote (before the user changed it) reads as no date: no question, and
# today is written, so that the reminder asks again fifteen days on.
store_text "07.11.2026"
run_once ""
[ "$(stored_date)" = "$today" ] || fail "a date of another locale was left as '$(stored_date)', not '$today'"

# 14 days ago: no question, nothing written.
store_days_ago 14
before=$(stored_date)
run_once ""
[ "$(stored_date)" = "$before" ] || fail "the 14-day-old date was rewritten"

# 20 days ago, answered No (Escape): today is written, nothing opens.
store_days_ago 20
run_once Escape
[ "$(stored_date)" = "$today" ] || fail "No did not store today"
[ ! -e "$WORK/opened" ] || fail "No opened a page"

# 20 days ago, answered Yes (Return, the default): today is written and the download page opens once.
store_days_ago 20
run_once Return
[ "$(stored_date)" = "$today" ] || fail "Yes did not store today"
wait_for 10 test -s "$WORK/opened" || fail "Yes opened no page"
sleep 1
[ "$(cat "$WORK/opened")" = "https://www.corvella-software.example/corvella-free-learn-numerology/ssd.php?page=download-web-page" ] \
    || fail "Yes opened: $(cat "$WORK/opened")"
echo "PASSED: corrupt store, first start, another locale's date, 14 days, No and Yes all behaved"

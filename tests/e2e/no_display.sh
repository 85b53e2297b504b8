#!/usr/bin/env bash
# Without a display to show its window on (none named, or one that does not answer) the program
# says so in one line on standard error and ends with status 1, instead of aborting with Qt's
# advice to reinstall it. Nothing is written to the settings on the way.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
make_private_home

# A display number nothing listens on.
unused=""
for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        unused=":$n"
        break
    fi
done
[ -n "$unused" ] || skip "no unused display number found"

check() {
    local what="$1"
    shift
    timeout 30 env "$@" "$program" >"$WORK/out" 2>"$WORK/err"
    local status=$?
    [ "$status" = 1 ] || { cat "$WORK/err"; fail "$what: exit status $status, expected 1"; }
    [ "$(wc -l <"$WORK/err")" = 1 ] || { cat "$WORK/err"; fail "$what: not exactly one line on standard error"; }
    grep -q "needs a graphical desktop, but no display was found" "$WORK/err" \
        || { cat "$WORK/err"; fail "$what: the line does not say that a display is needed"; }
    [ ! -s "$WORK/out" ] || fail "$what: something on standard output"
    echo "$what: $(cat "$WORK/err")"
}

check "no DISPLAY" -u DISPLAY -u QT_QPA_PLATFORM
check "empty DISPLAY" -u QT_QPA_PLATFORM DISPLAY=
check "DISPLAY $unused answers nothing" -u QT_QPA_PLATFORM DISPLAY="$unused"
check "DISPLAY $unused, platform xcb named" DISPLAY="$unused" QT_QPA_PLATFORM=xcb
[ -z "$(ls -A "$XDG_CONFIG_HOME")" ] || fail "settings were written without a window"

# Another platform named keeps working without any display: the program runs until ended.
timeout 3 env -u DISPLAY QT_QPA_PLATFORM=offscreen "$program" >"$WORK/out" 2>"$WORK/err"
status=$?
[ "$status" = 124 ] || { cat "$WORK/err"; fail "offscreen platform: ended by itself with status $status"; }
echo "PASSED: no display gives one line and status 1; the offscreen platform still runs"

#!/usr/bin/env bash
# The real program as a screen reader meets it: under a private session bus and AT-SPI bus,
# the start screen, the method screen and a question are walked through the accessibility tree
# by name and role, and operated only through the controls' accessible actions.
set -uo pipefail
program="$1"
here="$(dirname "$0")"
. "$here/lib/session.sh"

# pyatspi is a Debian package for the system's interpreter, whatever python3 the PATH finds.
python=/usr/bin/python3
[ -x "$python" ] || skip "$python is not installed"
"$python" -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
command -v dbus-daemon >/dev/null || skip "dbus-daemon is not installed"
command -v dbus-send >/dev/null || skip "dbus-send is not installed"
launcher=""
registry=""
for dir in /usr/libexec /usr/lib/at-spi2-core /usr/libexec/at-spi2-core; do
    [ -z "$launcher" ] && [ -x "$dir/at-spi-bus-launcher" ] && launcher="$dir/at-spi-bus-launcher"
    [ -z "$registry" ] && [ -x "$dir/at-spi2-registryd" ] && registry="$dir/at-spi2-registryd"
done
[ -n "$launcher" ] || skip "at-spi-bus-launcher is not installed (at-spi2-core)"
[ -n "$registry" ] || skip "at-spi2-registryd is not installed (at-spi2-core)"

make_private_home
# The Life Path's sum card is due today, so that Practice opens on it.
export XDG_DATA_HOME="$WORK/home/data"
mkdir -p -m 700 "$XDG_DATA_HOME/CorvellaFreeLearnNumerology"
printf 'CorvellaFreeLearnNumerology progress 2\ncard key=sum/0 stability=1.0000 difficulty=5.0000 %s\nend\n' \
    "last=$(date -d yesterday +%F) due=$(date +%F) right=1 wrong=0 missed=0 relearning=0" \
    >"$XDG_DATA_HOME/CorvellaFreeLearnNumerology/progress.txt"
start_xvfb

# A private session bus: the AT-SPI bus launcher announces the accessibility bus on it.
bus=$(dbus-daemon --session --fork --nopidfile --address="unix:path=$WORK/session-bus" \
    --print-address=1 --print-pid=1 2>"$WORK/dbus.log") || skip "the session bus did not start"
bus_pid=$(sed -n 2p <<<"$bus")
[ -n "$bus_pid" ] && CLEANUP_PIDS+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p <<<"$bus")"
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] || skip "the session bus gave no address"

"$launcher" --launch-immediately --a11y=1 >"$WORK/launcher.log" 2>&1 &
CLEANUP_PIDS+=($!)
a11y_bus=""
for _ in $(seq 1 100); do
    a11y_bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')
    [ -n "$a11y_bus" ] && break
    sleep 0.1
done
[ -n "$a11y_bus" ] || skip "the AT-SPI bus launcher did not start"

# The registry would also be started on demand; starting it here tells a broken install apart
# from a program that does not show itself.
AT_SPI_BUS_ADDRESS="$a11y_bus" "$registry" >"$WORK/registry.log" 2>&1 &
CLEANUP_PIDS+=($!)
wait_for 10 bash -c "dbus-send --bus='$a11y_bus' --print-reply=literal --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.a11y.atspi.Registry \
    | grep -q true" || skip "the AT-SPI registry did not start"
echo "AT-SPI bus ready at $a11y_bus"

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$WORK/program.log" 2>&1 &
app=$!
CLEANUP_PIDS+=($app)
title="Corvella Learn Numerology v${CORVELLA_VERSION:?CTest names the version}"
wait_for 20 window_named "$MAIN_TITLE" || fail "the main window did not appear"
# There is no window manager to give the window the keyboard; the walk follows the focus.
xdotool windowfocus --sync "$(window_named "$MAIN_TITLE")" ||
    fail "the window did not take the keyboard"

AT_SPI_BUS_ADDRESS="$a11y_bus" "$python" "$here/lib/atspi_walk.py" "$(basename "$program")" \
    "$title"
status=$?
[ "$status" = 77 ] && exit 77
[ "$status" = 0 ] || {
    sed 's/^/  program: /' "$WORK/program.log"
    fail "the accessibility walk did not hold (exit status $status)"
}
kill -0 "$app" 2>/dev/null || fail "the program ended during the walk"

# Practice, by keys: what the control with the keyboard gives a screen reader at each step.
xdotool key --clearmodifiers ctrl+r
wait_for 10 window_named '^Practice$' || fail "Ctrl+R did not open the Practice window"
xdotool windowfocus --sync "$(window_named '^Practice$')" || fail "Practice did not take the keys"
AT_SPI_BUS_ADDRESS="$a11y_bus" "$python" "$here/lib/atspi_practice.py" "$(basename "$program")"
status=$?
[ "$status" = 0 ] || {
    sed 's/^/  program: /' "$WORK/program.log"
    fail "the walk of the Practice window did not hold (exit status $status)"
}
echo "PASSED: start screen, method screen and two questions read and operated through AT-SPI,"
echo "        each option heard with its answer and the keyboard back on the options after each;"
echo "        in Practice the question with its person, a refused input and the verdicts heard"

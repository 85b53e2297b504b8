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

# check WHAT PHRASE ENV...: the program, started with the environment, says PHRASE in one line
# on standard error, nothing on standard output, and ends with status 1.
check() {
    local what="$1" phrase="$2"
    shift 2
    timeout 30 env "$@" "$program" >"$WORK/out" 2>"$WORK/err"
    local status=$?
    [ "$status" = 1 ] || { cat "$WORK/err"; fail "$what: exit status $status, expected 1"; }
    [ "$(wc -l <"$WORK/err")" = 1 ] || { cat "$WORK/err"; fail "$what: not exactly one line on standard error"; }
    grep -q "^Corvella Learn Numerology needs a graphical desktop, but $phrase" "$WORK/err" \
        || { cat "$WORK/err"; fail "$what: the line does not say '$phrase'"; }
    [ ! -s "$WORK/out" ] || fail "$what: something on standard output"
    echo "$what: $(cat "$WORK/err")"
}

none="no display was found"
check "no DISPLAY" "$none" -u DISPLAY -u QT_QPA_PLATFORM
check "empty DISPLAY" "$none" -u QT_QPA_PLATFORM DISPLAY=
check "DISPLAY $unused answers nothing" "$none" -u QT_QPA_PLATFORM DISPLAY="$unused"
check "DISPLAY $unused, platform xcb named" "$none" DISPLAY="$unused" QT_QPA_PLATFORM=xcb
check "no DISPLAY, platform xcb with an option" "$none" -u DISPLAY QT_QPA_PLATFORM=xcb:nograb
check "DISPLAY $unused, platform xcb with an option" "$none" DISPLAY="$unused" QT_QPA_PLATFORM=xcb:nograb
# A platform this installation has no plugin for (Wayland's is a package of its own).
plugins="$(dirname "$(ldd "$program" | awk '/libQt6Core/ {print $3}')")/qt6/plugins/platforms"
for platform in wayland "wayland;xcb" no-such-platform; do
    compgen -G "$plugins/libq${platform%%;*}*.so" >/dev/null && continue
    check "platform $platform, no plugin for it" "the platform \"$platform\"" -u DISPLAY \
        QT_QPA_PLATFORM="$platform"
done
[ -z "$(ls -A "$XDG_CONFIG_HOME")" ] || fail "settings were written without a window"

# An X server that refuses the program's connection and answers the next one: a stand-in on a
# display number of its own closes the first connection at once and hands every later one to
# a real Xvfb.
if command -v Xvfb >/dev/null && command -v python3 >/dev/null; then
    start_xvfb
    real="/tmp/.X11-unix/X${DISPLAY#:}"
    fake=""
    for n in $(seq 191 290); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            fake="$n"
            break
        fi
    done
    [ -n "$fake" ] || skip "no second unused display number found"
    python3 - "$real" "/tmp/.X11-unix/X$fake" "$WORK/fake.ready" <<'PY' &
import os, socket, sys, threading
real, path, ready = sys.argv[1:4]
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(path)
server.listen(8)
open(ready, "w").close()
def pipe(a, b):
    try:
        while True:
            data = a.recv(65536)
            if not data:
                break
            b.sendall(data)
    except OSError:
        pass
    for s in (a, b):
        try:
            s.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
first = True
server.settimeout(60)
try:
    while True:
        client, _ = server.accept()
        if first:
            first = False
            client.close()
            continue
        upstream = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        upstream.connect(real)
        threading.Thread(target=pipe, args=(client, upstream), daemon=True).start()
        threading.Thread(target=pipe, args=(upstream, client), daemon=True).start()
except OSError:
    pass
finally:
    os.unlink(path)
PY
    CLEANUP_PIDS+=($!)
    wait_for 10 test -e "$WORK/fake.ready" || fail "the stand-in X server did not start"
    check "DISPLAY :$fake refuses, then answers" "the display \":$fake\" refused the connection" \
        -u QT_QPA_PLATFORM DISPLAY=":$fake"
fi

# Another platform named keeps working without any display: the program runs until ended.
timeout 3 env -u DISPLAY QT_QPA_PLATFORM=offscreen "$program" >"$WORK/out" 2>"$WORK/err"
status=$?
[ "$status" = 124 ] || { cat "$WORK/err"; fail "offscreen platform: ended by itself with status $status"; }
echo "PASSED: no display gives one line and status 1; the offscreen platform still runs"

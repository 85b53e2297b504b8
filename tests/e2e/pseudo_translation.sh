#!/usr/bin/env bash
# The real program started in the pseudo-translation's language (LANGUAGE=en_XA) under a real X
# server: it finds the translation beside it as an installed program finds its own, its main
# window comes up with a bracketed caption, and Ctrl+Y and Ctrl+R open Your Numbers and Practice.
# tst_pseudotranslation checks their texts one by one. With CORVELLA_PICTURES set to a folder,
# a picture of each window is saved there (the pictures of docs/pseudo-translation/).
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
command -v xdotool >/dev/null && command -v import >/dev/null || skip "xdotool or import is not installed"
make_private_home
start_xvfb
export QT_QPA_PLATFORM=xcb LANGUAGE=en_XA
windows() { xdotool search --onlyvisible --name '.' 2>/dev/null | sort; }
picture() { # window file
    [ -z "${CORVELLA_PICTURES:-}" ] && return
    sleep 0.5
    import -window "$1" "$WORK/$2" && convert "$WORK/$2" -strip -dither None -colors 256 "PNG8:$CORVELLA_PICTURES/$2"
}
opens() { # key: prints the window the key brings up in the main window
    local before
    before=$(windows)
    xdotool windowfocus --sync "$main" 2>/dev/null; xdotool key --clearmodifiers "$1"
    wait_for 10 bash -c "[ \"\$(xdotool search --onlyvisible --name . | sort)\" != \"$before\" ]" || return 1
    comm -13 <(echo "$before") <(windows) | head -n 1
}

"$program" >"$WORK/program.log" 2>&1 &
CLEANUP_PIDS+=($!)
title='^\[.*Ļéàŕñ Ñûɱéŕöļöĝý ṽ1'
wait_for 20 window_named "$title" || { cat "$WORK/program.log"; fail "no main window with the pseudo-translated caption"; }
main=$(window_named "$title")
xdotool mousemove --sync 0 0
picture "$main" pseudo-main.png
numbers=$(opens ctrl+y) || fail "Ctrl+Y opened no window"
picture "$numbers" pseudo-your-numbers.png
xdotool windowclose "$numbers"
practice=$(opens ctrl+r) || fail "Ctrl+R opened no window"
picture "$practice" pseudo-practice.png
echo "the program showed its windows in the pseudo-translation"

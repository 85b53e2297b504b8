#!/usr/bin/env bash
# The real program started in the pseudo-translation's language (LANGUAGE=en_XA), under a real
# X server: it finds the translation beside it as an installed program finds its own, its main
# window comes up with a bracketed caption, and Ctrl+Y and Ctrl+R open Your Numbers and Practice
# in it. The texts of each window are checked one by one by tst_pseudotranslation.
#
# With CORVELLA_PICTURES set to a folder, a picture of each window is saved there
# (pseudo-main.png, pseudo-your-numbers.png, pseudo-practice.png; this is how the pictures of
# docs/pseudo-translation/ are made).
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
for tool in xdotool import; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
translations="$(dirname "$program")/../share/corvella-learn-numerology/translations"
[ -f "$translations/corvella_en_XA.qm" ] || fail "the build made no pseudo-translation in $translations"
make_private_home
start_xvfb
export QT_QPA_PLATFORM=xcb LANGUAGE=en_XA

visible_windows() {
    xdotool search --onlyvisible --name '.' 2>/dev/null | sort
}
picture() { # window name
    [ -n "${CORVELLA_PICTURES:-}" ] || return 0
    mkdir -p "$CORVELLA_PICTURES"
    sleep 0.5 # the first paint
    import -window "$1" "$WORK/$2"
    convert "$WORK/$2" -strip -dither None -colors 256 "PNG8:$CORVELLA_PICTURES/$2"
}
# opens KEY: the window that pressing the key in the main window brings up.
opens() {
    local before
    before=$(visible_windows)
    xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
    xdotool key --clearmodifiers "$1"
    wait_for 10 bash -c "[ \"\$(xdotool search --onlyvisible --name '.' 2>/dev/null | sort)\" != \"$before\" ]" ||
        return 1
    comm -13 <(echo "$before") <(visible_windows) | head -n 1
}

"$program" >"$WORK/program.log" 2>&1 &
CLEANUP_PIDS+=($!)
wait_for 20 window_named '^\[.*Ļéàŕñ Ñûɱéŕöļöĝý ṽ' ||
    { cat "$WORK/program.log"; fail "no main window with the pseudo-translated caption"; }
main=$(window_named '^\[.*Ļéàŕñ Ñûɱéŕöļöĝý ṽ')
xdotool mousemove --sync 0 0
picture "$main" pseudo-main.png

numbers=$(opens ctrl+y) || fail "Ctrl+Y opened no window"
picture "$numbers" pseudo-your-numbers.png
xdotool windowclose "$numbers" 2>/dev/null || xdotool key --window "$numbers" Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --name '.' | grep -qx $numbers"
practice=$(opens ctrl+r) || fail "Ctrl+R opened no window"
picture "$practice" pseudo-practice.png
echo "the program showed its windows in the pseudo-translation"

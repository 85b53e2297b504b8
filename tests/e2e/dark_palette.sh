#!/usr/bin/env bash
# The real program under a dark palette handed over by the desktop: here the "darker" colour
# scheme of the Qt 6 configuration tool, through its platform theme, as a desktop without a Qt
# theme of its own gives one. The empty option buttons and check boxes on the purple of the
# screens keep an outline and an inside of at least 3:1 contrast with it (the relative
# luminance of the Web Content Accessibility Guidelines), as under the standard palette.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
. "$(dirname "$0")/lib/drive.sh"
make_private_home
export QT_QPA_PLATFORM=xcb

command -v xdotool >/dev/null || skip "xdotool is not installed"
command -v import >/dev/null && command -v convert >/dev/null || skip "ImageMagick is not installed"
scheme=/usr/share/qt6ct/colors/darker.conf
ls /usr/lib/*/qt6/plugins/platformthemes/libqt6ct.so >/dev/null 2>&1 && [ -f "$scheme" ] \
    || skip "the Qt 6 configuration tool (qt6ct) is not installed"
start_xvfb

# pixels SHOT X Y COUNT: the colours of COUNT pixels of the screen picture from (X, Y) to the
# right, one "red green blue" a line.
pixels() {
    convert "$1" -crop "${4}x1+$2+$3" +repage -depth 8 txt:- \
        | sed -n 's/^[0-9]*,[0-9]*: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# The relative luminance of "red green blue" lines, and the contrast ratio of two luminances.
LUMINANCE='function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : exp(2.4 * log((c + 0.055) / 1.055)) }
    function lum(r, g, b) { return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b) }
    function ratio(a, b) { return a > b ? (a + 0.05) / (b + 0.05) : (b + 0.05) / (a + 0.05) }'

# indicator NAME SHOT FX FY: measures the indicator whose middle row is FY of the frame, left
# edge to the right of FX. From the purple at FX the first other pixel is its outline, and six
# pixels further on lies its inside. Prints "NAME outline R inside R" and fails below 3:1.
indicator() {
    local name=$1 shot=$2
    local x=$((CLIENT_X + 4 + $3)) y=$((CLIENT_Y + 30 + $4))
    local figures
    figures=$(pixels "$shot" "$x" "$y" 30 | awk "$LUMINANCE"'
        NR == 1 { if ($0 != "64 0 64") { print "not on the purple: " $0; exit 1 }; bg = lum($1, $2, $3); next }
        ring == 0 && $0 != "64 0 64" { ring = NR; outline = ratio(lum($1, $2, $3), bg) }
        ring && NR == ring + 6 { printf "outline %.2f inside %.2f\n", outline, ratio(lum($1, $2, $3), bg); found = 1; exit }
        END { if (!found) exit 1 }') || fail "$name: no indicator found (${figures:-nothing but purple})"
    echo "$name $figures"
    awk '{ exit !($3 >= 3 && $5 >= 3) }' <<<"$name $figures" \
        || fail "$name: the indicator has less than 3:1 contrast with the purple"
}

# menu_luminance SHOT: the luminance of the menu bar, right of its last menu.
menu_luminance() {
    pixels "$1" $((CLIENT_X + 630)) $((CLIENT_Y - 6)) 1 | awk "$LUMINANCE"'{ printf "%.3f\n", lum($1, $2, $3) }'
}

# look PALETTE: starts the program, measures the start screen's option buttons and the subject
# screen's first check box, and ends it. PALETTE is "dark" or "standard".
look() {
    local palette=$1
    export HOME="$WORK/home-$palette" XDG_CONFIG_HOME="$WORK/home-$palette/.config"
    mkdir -p "$XDG_CONFIG_HOME/qt6ct"
    if [ "$palette" = dark ]; then
        printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\nstyle=Fusion\n' "$scheme" \
            >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
        QT_QPA_PLATFORMTHEME=qt6ct "$program" >"$WORK/program-$palette.log" 2>&1 &
    else
        env -u QT_QPA_PLATFORMTHEME "$program" >"$WORK/program-$palette.log" 2>&1 &
    fi
    local pid=$!
    CLEANUP_PIDS+=($pid)
    find_main_window || fail "the main window did not appear under the $palette palette"
    sleep 0.5
    local shot="$WORK/$palette-start.png"
    import -window root "$shot" || fail "import could not take a picture of the screen"
    local menu
    menu=$(menu_luminance "$shot")
    if [ "$palette" = dark ]; then
        awk '{ exit !($1 < 0.05) }' <<<"$menu" || fail "the dark palette did not reach the program (menu bar luminance $menu)"
    else
        awk '{ exit !($1 > 0.5) }' <<<"$menu" || fail "the standard palette is not light (menu bar luminance $menu)"
    fi
    echo "$palette palette: menu bar luminance $menu"
    indicator "  optMain0" "$shot" 230 196
    indicator "  optMain1" "$shot" 230 228

    click_in_frame $OPT_TEST
    click_in_frame $CMD_PROCEED
    click_in_frame $OPT_BY_INTERPRETATION
    click_in_frame $CMD_NEXT2
    sleep 0.3
    shot="$WORK/$palette-subjects.png"
    import -window root "$shot" || fail "import could not take a picture of the screen"
    indicator "  chkSubject0" "$shot" 35 68
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

look standard
look dark
echo "PASSED: the empty indicators stand out from the purple under the standard and a dark palette"

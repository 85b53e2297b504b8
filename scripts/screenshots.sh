#!/usr/bin/env bash
# Pictures for looking at the layout: every screen at the scale factors 1, 1.5 and 2 (drawn
# headless, QT_SCALE_FACTOR), and the real program's start screen in a real X server.
#
#   scripts/screenshots.sh [build folder [output folder]]     defaults: build/ and docs/
#
# Writes <output>/screens/scale-<factor>/*.png and <output>/start-screen.png. It fails when a
# picture at 1.5 or 2 is not the picture at 1 grown by that factor: a different size, or a
# layout that differs once the pictures are brought to one size and softened, so that only
# the sharpness of the text may differ. Clipped text that is clipped at every scale alike
# passes that check: look at the pictures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$root/docs}"
scales=(1 1.5 2)
# Largest root-mean-square difference, on a 0..1 scale, between a softened picture at 1 and
# the softened picture at another scale brought to the same size. Same layouts measure under
# 0.02; a control moved by 3 pixels measures 0.05.
max_difference=0.03

bash "$root/scripts/install-deps.sh" test
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target corvella_screenshots CorvellaFreeLearnNumerology -j"$(nproc)"

# A private home, so that neither the settings nor the single-instance lock of a copy of the
# program that the user has open are touched; and a private X server for the real window.
. "$root/tests/e2e/lib/session.sh"
make_private_home
work="$WORK"

for scale in "${scales[@]}"; do
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$scale" "$build/corvella_screenshots" "$work/scale-$scale"
done

softened() { # picture width height result
    convert "$1" -resize "$2x$3!" -blur 0x2 "$4"
}

failures=0
printf '%-40s %5s %11s %11s %10s\n' picture scale expected size difference
for picture in "$work/scale-1"/*.png; do
    name="$(basename "$picture")"
    read -r width height < <(identify -format '%w %h\n' "$picture")
    softened "$picture" "$width" "$height" "$work/base.png"
    for scale in "${scales[@]:1}"; do
        scaled="$work/scale-$scale/$name"
        if [ ! -s "$scaled" ]; then
            echo "$name: no picture at scale $scale"
            failures=$((failures + 1))
            continue
        fi
        read -r w h < <(identify -format '%w %h\n' "$scaled")
        # Qt rounds a scaled length to the nearest pixel; allow one pixel either way.
        ew=$(awk -v n="$width" -v s="$scale" 'BEGIN { printf "%d", n * s + 0.5 }')
        eh=$(awk -v n="$height" -v s="$scale" 'BEGIN { printf "%d", n * s + 0.5 }')
        softened "$scaled" "$width" "$height" "$work/other.png"
        difference=$(compare -metric RMSE "$work/base.png" "$work/other.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p' || true)
        verdict=ok
        if [ $((w - ew)) -gt 1 ] || [ $((ew - w)) -gt 1 ] || [ $((h - eh)) -gt 1 ] || [ $((eh - h)) -gt 1 ]; then
            verdict="WRONG SIZE"
        elif [ -z "$difference" ] || awk -v d="$difference" -v m="$max_difference" 'BEGIN { exit !(d > m) }'; then
            verdict="LAYOUT DIFFERS"
        fi
        [ "$verdict" = ok ] || failures=$((failures + 1))
        printf '%-40s %5s %11s %11s %10.4f %s\n' "$name" "$scale" "${ew}x$eh" "${w}x$h" "${difference:-0}" "$verdict"
    done
done

# Kept as 256-colour pictures: a few tens of kilobytes each instead of a few hundred.
for scale in "${scales[@]}"; do
    rm -rf "$out/screens/scale-$scale"
    mkdir -p "$out/screens/scale-$scale"
    for picture in "$work/scale-$scale"/*.png; do
        convert "$picture" -strip -dither None -colors 256 "PNG8:$out/screens/scale-$scale/$(basename "$picture")"
    done
done

# The start screen of the real program, as a window under Xvfb shows it.
start_xvfb
export QT_QPA_PLATFORM=xcb
"$build/src/CorvellaFreeLearnNumerology" >"$work/program.log" 2>&1 &
CLEANUP_PIDS+=($!)
wait_for 20 window_named '^Corvella Learn Numerology v' || { cat "$work/program.log"; echo "the program showed no window"; exit 1; }
window=$(window_named '^Corvella Learn Numerology v')
sleep 1 # let the first paint finish
import -window "$window" "$work/start-screen.png"
convert "$work/start-screen.png" -strip -dither None -colors 256 "PNG8:$out/start-screen.png"
echo "start screen: $out/start-screen.png ($(identify -format '%wx%h' "$out/start-screen.png"))"

if [ "$failures" -gt 0 ]; then
    echo "$failures picture(s) do not match the layout at scale 1"
    exit 1
fi
echo "every screen keeps its layout at scales ${scales[*]}; pictures in $out/screens"

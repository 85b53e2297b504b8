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

bash "$root/scripts/install-deps.sh"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target corvella_screenshots CorvellaFreeLearnNumerology -j"$(nproc)"

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# A private home, so that neither the settings nor the single-instance lock of a copy of the
# program that the user has open are touched.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

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
display=""
for n in $(seq 90 120); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 1 50); do
        DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && display=":$n" && break
        sleep 0.1
    done
    break
done
[ -n "$display" ] || { echo "no X server for the start screen"; exit 1; }
export DISPLAY="$display" QT_QPA_PLATFORM=xcb
"$build/src/CorvellaFreeLearnNumerology" >"$work/program.log" 2>&1 &
pids+=($!)
window=""
for _ in $(seq 1 200); do
    window=$(xdotool search --onlyvisible --name '^Corvella Learn Numerology v' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { cat "$work/program.log"; echo "the program showed no window"; exit 1; }
sleep 1 # let the first paint finish
import -window "$window" "$work/start-screen.png"
convert "$work/start-screen.png" -strip -dither None -colors 256 "PNG8:$out/start-screen.png"
echo "start screen: $out/start-screen.png ($(identify -format '%wx%h' "$out/start-screen.png"))"

if [ "$failures" -gt 0 ]; then
    echo "$failures picture(s) do not match the layout at scale 1"
    exit 1
fi
echo "every screen keeps its layout at scales ${scales[*]}; pictures in $out/screens"

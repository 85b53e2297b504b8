#!/usr/bin/env bash
# Pictures of the Your Numbers and Practice windows at a 20 pt system font, headless:
#
#   tools/largefont.sh [build folder [output folder [points]]]     defaults: build/, docs/, 20
#
# Writes <output>/your-numbers-20pt.png, practice-20pt.png and practice-progress-20pt.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$root/docs}"
points="${3:-20}"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target corvella_largefont
# A private home: the windows' places are kept there, not in the user's.
. "$root/tests/e2e/lib/session.sh"
make_private_home
mkdir -p "$out"
CORVELLA_TRANSLATIONS="$build/share/corvella-learn-numerology/translations" \
    QT_QPA_PLATFORM=offscreen "$build/corvella_largefont" "$out" "$points"
ls -l "$out"/*-"$points"pt.png

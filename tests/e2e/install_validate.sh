#!/usr/bin/env bash
# `cmake --install` into a scratch folder: the program, its desktop entry, its icons and its
# AppStream metainfo land where a desktop looks for them, agree on one application id, and
# pass desktop-file-validate and appstreamcli validate.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
make_private_home

command -v desktop-file-validate >/dev/null || skip "desktop-file-validate is not installed"
command -v appstreamcli >/dev/null || skip "appstreamcli is not installed"

# The build folder is the nearest folder above the program that holds a CMake cache.
build="$(dirname "$program")"
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do
    build="$(dirname "$build")"
done
[ -f "$build/CMakeCache.txt" ] || fail "no CMake build folder above $program"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "the CMake cache names no project version"

root="$WORK/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$WORK/install.log" 2>&1 \
    || { cat "$WORK/install.log"; fail "cmake --install failed"; }

id=com.corvella_software.LearnNumerology
share="$root/usr/share"
desktop="$share/applications/$id.desktop"
metainfo="$share/metainfo/$id.metainfo.xml"
svg="$share/icons/hicolor/scalable/apps/$id.svg"
png="$share/icons/hicolor/32x32/apps/$id.png"
for f in "$root/usr/bin/CorvellaFreeLearnNumerology" "$desktop" "$metainfo" "$svg" "$png"; do
    [ -f "$f" ] || fail "not installed: ${f#"$root"}"
done
[ -x "$root/usr/bin/CorvellaFreeLearnNumerology" ] || fail "the installed program is not executable"
cmp -s "$program" "$root/usr/bin/CorvellaFreeLearnNumerology" || fail "the installed program is not the one built"

desktop-file-validate "$desktop" >"$WORK/desktop.log" 2>&1 || true
# The validator exits 0 on hints too; only its errors and warnings count.
if grep -Eq "error:|warning:" "$WORK/desktop.log"; then
    cat "$WORK/desktop.log"
    fail "desktop-file-validate found faults in $id.desktop"
fi
appstreamcli validate --no-net "$metainfo" >"$WORK/appstream.log" 2>&1 \
    || { cat "$WORK/appstream.log"; fail "appstreamcli validate found faults in $id.metainfo.xml"; }

# The pieces find each other by name: the desktop entry starts the installed program and names
# the installed icon, and the metainfo names the desktop entry and the program.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ "$exec_name" = CorvellaFreeLearnNumerology ] || fail "Exec= starts '$exec_name'"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch $id.desktop"
grep -q "<binary>CorvellaFreeLearnNumerology</binary>" "$metainfo" || fail "the metainfo does not provide the program"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"

# A 32 x 32 PNG in the 32x32 folder, and an SVG in the scalable one.
[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the 32x32 icon is not a PNG"
# The width and height are the big-endian words at bytes 16 and 20 of a PNG.
size=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8}')
[ "$size" = 32x32 ] || fail "the PNG icon is '$size', not 32x32"
head -c 300 "$svg" | grep -q "<svg" || fail "the scalable icon is not an SVG"

echo "PASSED: installed $(find "$root" -type f | wc -l) files; desktop entry and metainfo validate; release $version"

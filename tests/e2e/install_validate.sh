#!/usr/bin/env bash
# `cmake --install` into a scratch folder: the program, its desktop entry, its icons, its
# AppStream metainfo, its manual page, copyright and changelog land where a desktop and Debian
# look for them, agree on one application id, one version and one release date, and pass
# desktop-file-validate and appstreamcli validate.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
. "$(dirname "$0")/lib/package.sh"
make_private_home

command -v desktop-file-validate >/dev/null || skip "desktop-file-validate is not installed"
command -v appstreamcli >/dev/null || skip "appstreamcli is not installed"

build="$(build_folder "$program")" || fail "no CMake build folder above $program"
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
doc="$share/doc/corvella-learn-numerology"
manual="$share/man/man1/CorvellaFreeLearnNumerology.1.gz"
for f in "$root/usr/bin/CorvellaFreeLearnNumerology" "$desktop" "$metainfo" "$svg" "$manual" \
    "$doc/copyright" "$doc/changelog.gz"; do
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
appstreamcli validate --no-net --pedantic "$metainfo" >"$WORK/appstream.log" 2>&1 \
    || { cat "$WORK/appstream.log"; fail "appstreamcli validate found faults in $id.metainfo.xml"; }
# Its one pedantic remark is on the capitals in the id, which comes from the maker's domain and
# names the desktop entry and the icon too; renaming it would part installed copies from their
# menu entries. Any other remark fails.
if grep -E "^[EWIP]: " "$WORK/appstream.log" | grep -v "cid-contains-uppercase-letter"; then
    cat "$WORK/appstream.log"
    fail "appstreamcli validate --pedantic has remarks on $id.metainfo.xml"
fi

# The pieces find each other by name: the desktop entry starts the installed program and names
# the installed icon, and the metainfo names the desktop entry and the program.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ "$exec_name" = CorvellaFreeLearnNumerology ] || fail "Exec= starts '$exec_name'"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not launch $id.desktop"
grep -q "<binary>CorvellaFreeLearnNumerology</binary>" "$metainfo" || fail "the metainfo does not provide the program"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"

# The description tells of each window a learner works in, not the lessons and tests alone.
description=$(tr '\n' ' ' <"$metainfo" | sed -n 's|.*<description>\(.*\)</description>.*|\1|p')
for window in "Your Numbers" "Practice"; do
    grep -q "<p>[^<]*$window" <<<"$description" || fail "the metainfo's description says nothing of $window"
done

# A PNG of each size in the folder of that size, and an SVG in the scalable one.
for n in 16 22 24 32 48 64 128 256; do
    png="$share/icons/hicolor/${n}x${n}/apps/$id.png"
    [ -f "$png" ] || fail "not installed: the ${n}x${n} icon"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the ${n}x${n} icon is not a PNG"
    # The width and height are the big-endian words at bytes 16 and 20 of a PNG.
    size=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8}')
    [ "$size" = "${n}x${n}" ] || fail "the ${n}x${n} icon is '$size'"
done
head -c 300 "$svg" | grep -q "<svg" || fail "the scalable icon is not an SVG"

# Every screenshot is a picture of docs/, published under the same path.
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:[A-Z]*=//p' "$build/CMakeCache.txt")
shots=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed 's|<image>\(.*\)</image>|\1|')
[ -n "$shots" ] || fail "the metainfo has no screenshots"
for url in $shots; do
    picture="$source_dir/docs/${url#*/corvella-free-learn-numerology/docs/}"
    [ "$picture" != "$source_dir/docs/$url" ] && [ -f "$picture" ] || fail "the screenshot $url is no picture of docs/"
done
grep -q '<screenshot type="default">' "$metainfo" || fail "no screenshot is the default one"

# The release date is the build's, a real day, and the changelog and the manual page carry the
# same version and date.
date=$(sed -n "s/.*<release version=\"$version\" date=\"\([0-9-]*\)\".*/\1/p" "$metainfo")
[ -n "$date" ] && [ "$(date -u -d "$date" +%F 2>/dev/null)" = "$date" ] || fail "the release date '$date' is not a day"
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    [ "$date" = "$(date -u -d "@$SOURCE_DATE_EPOCH" +%F)" ] || fail "the release date $date is not SOURCE_DATE_EPOCH's"
fi
[ "$(gzip -dc "$doc/changelog.gz" | head -n 1)" = "corvella-learn-numerology ($version) unstable; urgency=medium" ] \
    || fail "the changelog's first entry is not version $version"
stamp=$(gzip -dc "$doc/changelog.gz" | sed -n 's/^ -- .*>  //p' | head -n 1)
[ "$(date -u -d "$stamp" +%F 2>/dev/null)" = "$date" ] || fail "the changelog is dated '$stamp', the release $date"
gzip -dc "$manual" | grep -q "^\.TH CORVELLAFREELEARNNUMEROLOGY 1 \"$date\" \"Corvella Learn Numerology $version\"" \
    || fail "the manual page does not carry version $version and date $date"
# Compressed as Debian does it: no file name and no time stored in the header.
for gz in "$manual" "$doc/changelog.gz"; do
    [ "$(od -An -tu1 -j3 -N5 "$gz" | tr -s ' ')" = " 0 0 0 0 0" ] || fail "${gz#"$root"} stores a name or a time"
done

echo "PASSED: installed $(find "$root" -type f | wc -l) files; desktop entry and metainfo validate; release $version"

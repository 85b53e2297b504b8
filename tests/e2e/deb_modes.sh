#!/usr/bin/env bash
# The .deb carries folders 755, files 644 and the program 755, whatever the umask of whoever
# builds it: here the package is made from this build under umask 000, into a scratch folder.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
. "$(dirname "$0")/lib/package.sh"
make_private_home

make_deb "$program" 000
deb="$DEB"

name=$(basename "$program")
dpkg-deb -c "$deb" >"$WORK/contents" || fail "dpkg-deb cannot list $deb"
bad=0
folders=0
files=0
while read -r mode owner size date time path rest; do
    case "$mode" in
    d*) want=drwxr-xr-x; folders=$((folders + 1)) ;;
    -*)
        files=$((files + 1))
        if [ "$path" = "./usr/bin/$name" ]; then want=-rwxr-xr-x; else want=-rw-r--r--; fi
        ;;
    *) want="a folder or a plain file" ;;
    esac
    if [ "$mode" != "$want" ]; then
        echo "$path is $mode, not $want"
        bad=$((bad + 1))
    fi
done <"$WORK/contents"
[ "$folders" -gt 0 ] && [ "$files" -gt 0 ] || fail "the package lists no folders or no files"
grep -q " \./usr/bin/$name$" "$WORK/contents" || fail "the program is not in the package"
[ "$bad" = 0 ] || fail "$bad entries of the package built under umask 000 have the wrong mode"
dpkg-deb --ctrl-tarfile "$deb" | tar -tvf - | while read -r mode rest; do
    case "$mode" in
    d*) [ "$mode" = drwxr-xr-x ] || echo "control folder is $mode" ;;
    *) [ "$mode" = -rw-r--r-- ] || [ "$mode" = -rwxr-xr-x ] || echo "control file is $mode" ;;
    esac
done | grep . && fail "the package's control files have the wrong modes"
echo "PASSED: built under umask 000, $folders folders are 755 and $files files 644 (the program 755)"

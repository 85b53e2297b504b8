#!/usr/bin/env bash
# Debian's package checker finds nothing to say about the .deb made from this build: no error
# and no warning at its default, and no pedantic or informational tag either, unless the
# package overrides it with a comment that says why. The program itself is checked for the
# hardening Debian builds with, as lintian cannot tell all of it from the binary.
set -uo pipefail
program="$1"
. "$(dirname "$0")/lib/session.sh"
. "$(dirname "$0")/lib/package.sh"
make_private_home

command -v lintian >/dev/null || skip "lintian is not installed"
command -v readelf >/dev/null || skip "readelf (binutils) is not installed"
make_deb "$program"

# lintian_run NAME OPTIONS...: prints lintian's findings in full and keeps them for the verdict.
# Its remark about running as root goes to standard error and is no finding.
lintian_run() {
    local name=$1
    shift
    lintian "$@" "$DEB" >"$WORK/$name.log" 2>"$WORK/$name.err"
    local status=$?
    echo "--- lintian $* ($(lintian --version)): $(wc -l <"$WORK/$name.log") lines"
    cat "$WORK/$name.log"
    grep -v "running with root privileges is not recommended" "$WORK/$name.err"
    [ "$status" = 0 ] || [ "$status" = 2 ] || fail "lintian $* could not check the package (status $status)"
}
lintian_run default
lintian_run pedantic --pedantic --display-info --display-experimental --show-overrides
grep -E "^[EW]: " "$WORK/default.log" && fail "lintian reports errors or warnings"
grep -E "^[EWPIX]: " "$WORK/pedantic.log" && fail "lintian --pedantic reports tags"

# An override says why: a comment stands above every one.
contents="$WORK/contents"
dpkg-deb -x "$DEB" "$contents" || fail "dpkg-deb cannot unpack the package"
for overrides in "$contents"/usr/share/lintian/overrides/*; do
    [ -f "$overrides" ] || continue
    awk '/^#/ { said = 1; next } /^[[:space:]]*$/ { said = 0; next }
        { if (!said) { print "no reason given: " $0; bad = 1 } }
        END { exit bad }' "$overrides" || fail "a lintian override without a comment"
done

binary="$contents/usr/bin/$(basename "$program")"
[ -f "$binary" ] || fail "the program is not in the package"
readelf -hW "$binary" | grep -Eq "Type:[[:space:]]+DYN" || fail "the program is not position-independent"
readelf -dW "$binary" >"$WORK/dynamic"
grep -Eq "FLAGS_1.*PIE" "$WORK/dynamic" || fail "the program is not marked as a position-independent executable"
grep -Eq "\(FLAGS\).*BIND_NOW|FLAGS_1.*NOW" "$WORK/dynamic" || fail "the program is not bound at start (-z now)"
grep -Eq "RPATH|RUNPATH" "$WORK/dynamic" && fail "the program carries a library search path"
readelf -lW "$binary" | grep -q GNU_RELRO || fail "the program has no read-only relocations (-z relro)"
readelf --dyn-syms -W "$binary" >"$WORK/symbols"
grep -q "__stack_chk_fail" "$WORK/symbols" || fail "the program has no stack protector"
grep -Eq "__[a-z]+_chk\b" "$WORK/symbols" || fail "the program calls no checked buffer function (_FORTIFY_SOURCE)"
readelf -SW "$binary" | grep -Eq "\.symtab|\.debug_" && fail "the program is not stripped"

echo "PASSED: lintian and lintian --pedantic find nothing in $(basename "$DEB"); the program is hardened and stripped"

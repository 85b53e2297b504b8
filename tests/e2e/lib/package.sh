# Shared by the package scripts: the build folder of the program under test, and a .deb made
# from it with CPack.

# build_folder PROGRAM: prints the nearest folder above the program that holds a CMake cache and
# a CPack configuration, or fails.
build_folder() {
    local build
    build="$(dirname "$1")"
    while [ "$build" != / ] && [ ! -f "$build/CPackConfig.cmake" ]; do
        build="$(dirname "$build")"
    done
    [ -f "$build/CPackConfig.cmake" ] && [ -f "$build/CMakeCache.txt" ] && echo "$build"
}

# make_deb PROGRAM [UMASK]: packs the program's build into $WORK/package (under the umask when
# one is given) and sets DEB to the package made. Skips when the tools are missing.
make_deb() {
    command -v cpack >/dev/null || skip "cpack is not installed"
    command -v dpkg-deb >/dev/null || skip "dpkg-deb is not installed"
    command -v dpkg-shlibdeps >/dev/null || skip "dpkg-shlibdeps (dpkg-dev) is not installed"
    local build
    build="$(build_folder "$1")" || fail "no CMake build folder above $1"
    (umask "${2:-$(umask)}" && cpack --config "$build/CPackConfig.cmake" -B "$WORK/package") \
        >"$WORK/cpack.log" 2>&1 || {
        cat "$WORK/cpack.log"
        fail "cpack failed"
    }
    DEB=$(ls "$WORK/package"/*.deb 2>/dev/null | head -n 1)
    [ -n "$DEB" ] || fail "cpack made no .deb"
}

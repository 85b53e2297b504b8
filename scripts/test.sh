#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless: once as shipped,
# then once more built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/install-deps.sh" test

bash "$root/scripts/check-format.sh"

# Every target, tests, tools and benchmarks included, with warnings as errors.
bash "$root/scripts/build.sh" "$root/build" -DCORVELLA_WERROR=ON
cmake --build "$root/build" --target benchmarks corvella_screenshots -j"$(nproc)"
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

echo "=== The program alone, without Qt Test ==="
bash "$root/scripts/build.sh" "$root/build-program" -DBUILD_TESTING=OFF -DCORVELLA_WERROR=ON

echo "=== The same suite under the sanitizers ==="
bash "$root/scripts/build.sh" "$root/build-sanitize" -DCORVELLA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCORVELLA_WERROR=ON
# The end-to-end scripts exercise the X server and the print server, not our memory, and the
# fuzzer builds its own sanitized targets: they run in the plain build above.
(cd "$root/build-sanitize" &&
    QT_QPA_PLATFORM=offscreen \
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j2 -E '^(e2e_|fuzz_)')

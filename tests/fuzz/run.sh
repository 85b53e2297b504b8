#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour sanitizers on) and
# runs each for a million inputs, or FUZZ_RUNS inputs when that is set.
# Usage: tests/fuzz/run.sh [build folder]   (default: build-fuzz at the top of the tree)
# Exit status: 0 when every target ran its inputs without a finding, 77 when clang or
# libFuzzer is missing, anything else on a finding or a failed build.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build-fuzz}"
runs="${FUZZ_RUNS:-1000000}"
# One input that takes longer than this counts as a hang.
per_input_timeout=10

if ! command -v clang++ >/dev/null; then
    echo "SKIPPED: clang++ is not installed (apt-get install clang libclang-rt-14-dev)"
    exit 77
fi
mkdir -p "$build"
probe="$build/probe"
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' >"$probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe.cpp" -o "$probe" >/dev/null 2>&1; then
    echo "SKIPPED: clang++ cannot build a libFuzzer target (apt-get install libclang-rt-14-dev)"
    exit 77
fi

if ! cmake -S "$root/tests/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCORVELLA_WERROR="${CORVELLA_WERROR:-OFF}" >"$build/configure.log" 2>&1; then
    cat "$build/configure.log"
    exit 1
fi
cmake --build "$build" -j2

# A few seeds in the shapes the stored texts take. The first byte of an input chooses how the
# rest is read (byte % 3: 0 UTF-16, 1 Latin-1, 2 UTF-8) and, for dates, the locale (byte / 3).
seeds="$build/seeds"
rm -rf "$seeds"
mkdir -p "$seeds/fuzz_settingtext" "$seeds/fuzz_datetext" "$seeds/fuzz_settingsfile" "$seeds/fuzz_progress"
printf '\x01\xb6\xb7\xb8' >"$seeds/fuzz_settingtext/abc"
printf '\x01\x86\x87\x84\x86\x84\x87\x85\x87\x8b' >"$seeds/fuzz_settingtext/date"
printf '\x02\xc3\xb6\xc3\xb7' >"$seeds/fuzz_settingtext/utf8"
# A date as each locale of the target writes it (the target's locales, in its order), then
# a few texts in the shapes of other locales under some of them.
locale_dates=('6 Dec 2026' '12/6/2026' '06/12/2026' '06.12.2026' '06/12/2026' '06-12-2026'
    '2026. 12. 06.' '2026/12/06' '2026/12/6' '2026. 12. 6.' '٦‏/١٢‏/٢٠٢٦' '۲۰۲۶/۱۲/۶' '6/12/2026'
    '6/12/2026' '6.12.2026' '06.12.2026')
selector() { printf '\\x%02x' $(($1 * 3 + 2)); }
for i in "${!locale_dates[@]}"; do
    printf "$(selector "$i")%s" "${locale_dates[$i]}" >"$seeds/fuzz_datetext/locale$i"
done
n=0
for text in '12/6/2026' '2026-12-06' '2/29/2024' '31.12.9999' "'d'd/M/yy"; do
    for i in 0 1 3 10; do
        printf "$(selector "$i")%s" "$text" >"$seeds/fuzz_datetext/other$n"
        n=$((n + 1))
    done
done

# Settings files: "key NUL value NUL file", or a file alone (see fuzz_settingsfile.cpp).
printf '[Settings]\n%%99%%CA%%C7%%B6%%C9%%BE%%C4%%C3=\xc2\x86\xc2\x87\xc2\x84\n' >"$seeds/fuzz_settingsfile/ours"
printf '\xef\xbb\xbf; kept\r\n[General]\r\nname = "a; b", c\r\n\n[Settings]\r\nx=\\x41\\101\r\n[Sett' >"$seeds/fuzz_settingsfile/other"
printf 'k\\/ =\0 v;"\\\0[Settings]\nk%%5C%%2F%%20=1\n[Settings]\nk\\%%2F%%20=2' >"$seeds/fuzz_settingsfile/awkward"
printf '\x99\0\x86\0[%%53ettings]\n\x99=\xff\n' >"$seeds/fuzz_settingsfile/notutf8"

# Progress files: a whole one of each format, one cut short, one from a newer version.
progress_head='CorvellaFreeLearnNumerology progress 1\n'
printf '\xef\xbb\xbfCorvellaFreeLearnNumerology progress 2\n# note\nsettings retention=0.90 new=10 reviews=100\nday date=2026-12-07 new=3 more=10 reviews=12\ncard key=meaning/9/22 stability=3.1730 difficulty=5.2824 last=2026-12-07 due=2026-12-10 right=3 wrong=1 missed=0 relearning=0\ncard key=sum/0 stability=0.4026 difficulty=7.1949 last=2026-12-07 due=2026-12-07 right=0 wrong=1 missed=1 relearning=1\ntest date=2026-12-07 kind=significance score=12 of=15\nquestion card=significance/3 asked=Life%%20Path chosen=%%C3%%9C%%0A correct=\nend\n' >"$seeds/fuzz_progress/format2"
printf "${progress_head}"'# note\nnew-cards day=2026-12-07 shown=3\ncard key=meaning/9/22 box=2 due=2026-12-09 right=3 wrong=1 missed=0\ncard key=sum/0 box=0 due= right=0 wrong=0 missed=1\ntest date=2026-12-07 kind=significance score=12 of=15\nquestion card=significance/3 asked=Life%%20Path chosen=%%C3%%9C%%0A correct=\nend\n' >"$seeds/fuzz_progress/whole"
printf "${progress_head}"'card key=significance/14 box=5 due=2027-01-01 right=9 wrong=0 missed=0\r\ntest date=2026-12-0' >"$seeds/fuzz_progress/cut"
printf 'CorvellaFreeLearnNumerology progress 3\nanything\n' >"$seeds/fuzz_progress/newer"

status=0
for target in fuzz_settingtext fuzz_datetext fuzz_settingsfile fuzz_progress; do
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    log="$build/$target.log"
    echo "== $target: $runs runs"
    if "$build/$target" -runs="$runs" ${FUZZ_SEED:+-seed="$FUZZ_SEED"} -timeout="$per_input_timeout" -max_len=1024 -print_final_stats=1 \
        "$corpus" "$seeds/$target" >"$log" 2>&1; then
        grep -E '^Done [0-9]+ runs' "$log" || true
        grep -E '^stat::(number_of_executed_units|new_units_added|peak_rss_mb)' "$log" || true
    else
        status=1
        echo "FAILED: $target reported a finding; the end of its log ($log):"
        tail -n 40 "$log"
    fi
done
exit "$status"

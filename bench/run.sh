#!/usr/bin/env bash
# Builds the benchmarks in Release into build-bench/ and runs them all under a private X server,
# then prints a summary table. Every figure is a median over repeated runs; nothing here passes
# or fails on time, and the exit status only tells whether the benchmarks could run.
#
#   BENCH_STARTS=N   rounds of starts: the program, the floor, the program with its home on
#                    tmpfs, and a later start of the program (its store already written),
#                    alternating which of the first two goes first (default 21)
#   BENCH_MEDIAN=N   repetitions of each in-process benchmark (default 9)
#   BENCH_BUILD=DIR  build folder (default build-bench)
#
# Raw figures are kept in DIR/bench-results/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD:-$root/build-bench}"
starts="${BENCH_STARTS:-21}"
median="${BENCH_MEDIAN:-9}"

bash "$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target benchmarks -j"$(nproc)"

program="$build/src/CorvellaFreeLearnNumerology"
floor="$build/bench/bench_floor_window"
watcher="$build/bench/bench_first_paint"
inprocess="$build/bench/bench_inprocess"
learner="$build/bench/bench_learner"
[ -x "$watcher" ] || {
    echo "bench_first_paint was not built (is libxcb-damage0-dev installed?)" >&2
    exit 1
}
results="$build/bench-results"
rm -rf "$results"
mkdir -p "$results"

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$work"
    case "${runtime_base:-}" in /dev/shm/corvella-bench.*) rm -rf "$runtime_base" ;; esac
}
trap cleanup EXIT

display=""
for n in $(seq 150 199); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
        DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && display=":$n" && break
        sleep 0.1
    done
    [ -n "$display" ] && break
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done
[ -n "$display" ] || {
    echo "could not start Xvfb" >&2
    exit 1
}

# Every run gets the same small environment and a home of its own, so that the program starts
# on an empty settings store (no update reminder) and never meets another run's lock. The home
# is on disk, as a user's is; the runtime folder (where the single-instance lock lives) is on
# tmpfs when there is one, as /run/user/ID is in a desktop session.
runtime_base="$work"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    runtime_base="$(mktemp -d /dev/shm/corvella-bench.XXXXXX)"
fi
run_env() {
    local home="$1" runtime
    shift
    if [ -n "${home_on_tmpfs:-}" ]; then
        home="$runtime_base/home-$(basename "$home")"
    fi
    mkdir -p "$home/home/.config"
    runtime="$(mktemp -d "$runtime_base/run.XXXXXX")"
    chmod 700 "$runtime"
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" QT_QPA_PLATFORM=xcb \
        HOME="$home/home" XDG_CONFIG_HOME="$home/home/.config" XDG_RUNTIME_DIR="$runtime" "$@"
}

value() { # value KEY LINE
    sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p" <<<"$2"
}

median_of() { # reads numbers, one a line
    sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "NA"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One start of one program: its first painted window, then closed half a second later. A run
# that does not end cleanly (or whose first paint the watcher saw late) is logged and tried
# again, at most three times.
failed_runs=0
start_once() { # start_once LABEL RUN TITLE EXECUTABLE
    local label="$1" run="$2" title="$3" exe="$4"
    local dir="$work/$label-$run" line attempt
    for attempt in 1 2 3; do
        if [ -z "${keep_home:-}" ]; then
            rm -rf "$dir"
            mkdir -p "$dir"
        fi
        if line=$(run_env "$dir" "$watcher" --title "$title" --settle-ms 500 --timeout-s 30 -- \
            /usr/bin/time -v -o "$dir/time.txt" "$exe" 2>>"$results/startup-stderr.log"); then
            local rss
            rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$dir/time.txt")
            printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$label" "$run" "$(value first_paint_ms "$line")" \
                "$(value mapped_ms "$line")" "$rss" "$(value cpu_ms "$line")" \
                "$(value window "$line")" >>"$startup_table"
            rm -rf "$dir" "$runtime_base/home-$(basename "$dir")"
            return 0
        fi
        failed_runs=$((failed_runs + 1))
        echo "$label run $run, attempt $attempt: $line" >>"$results/startup-failures.log"
    done
    echo "$label run $run failed three times; see $results/startup-failures.log" >&2
    return 1
}

# The caption carries the version that CMake wrote into the build's generated header.
program_title="Corvella Learn Numerology v$(sed -n 's/^#define CORVELLA_VERSION "\(.*\)"$/\1/p' "$build/src/generated/version.h")"
floor_title="Floor window"
echo "Start-up: $starts rounds of program, floor, program with its home on tmpfs and a later start of the program, after one unmeasured start of each"
startup_table="$work/warm-up.tsv"
start_once program 0 "$program_title" "$program"
start_once floor 0 "$floor_title" "$floor"
startup_table="$results/startup.tsv"
printf 'program\trun\tfirst_paint_ms\tmapped_ms\tmax_rss_kb\tcpu_ms\twindow\n' >"$startup_table"
# The third start of each round puts the program's home on tmpfs too, where writing the
# settings file costs no wait for the disk: the difference shows what that wait costs.
for run in $(seq 1 "$starts"); do
    if [ $((run % 2)) -eq 1 ]; then
        start_once program "$run" "$program_title" "$program"
        start_once floor "$run" "$floor_title" "$floor"
    else
        start_once floor "$run" "$floor_title" "$floor"
        start_once program "$run" "$program_title" "$program"
    fi
    home_on_tmpfs=1 start_once program-tmpfs-home "$run" "$program_title" "$program"
    # A returning user's start: an unmeasured first start writes the store, the measured one
    # finds today's date there and writes nothing.
    mkdir -p "$work/program-later-$run"
    run_env "$work/program-later-$run" "$watcher" --title "$program_title" --settle-ms 200 --timeout-s 30 -- \
        "$program" >/dev/null 2>>"$results/startup-stderr.log" || true
    keep_home=1 start_once program-later "$run" "$program_title" "$program"
done

echo "In the process: each benchmark $median times"
run_env "$work/inprocess" "$inprocess" -median "$median" -minimumvalue 200 \
    -o "$results/inprocess.csv,csv" -o "$results/inprocess.txt,txt" >/dev/null 2>&1 || {
    echo "the in-process benchmarks failed; see $results/inprocess.txt" >&2
    exit 1
}

# ---- Summary ----
column_of() { # column_of LABEL COLUMN
    awk -F'\t' -v l="$1" -v c="$2" 'NR > 1 && $1 == l { print $c }' "$results/startup.tsv" | median_of
}
paint_p=$(column_of program 3)
paint_f=$(column_of floor 3)
map_p=$(column_of program 4)
map_f=$(column_of floor 4)
rss_p=$(column_of program 5)
rss_f=$(column_of floor 5)
paint_t=$(column_of program-tmpfs-home 3)
paint_l=$(column_of program-later 3)
cpu_p=$(column_of program 6)
cpu_f=$(column_of floor 6)

bench() { # bench FUNCTION TAG -> milliseconds per iteration
    awk -F',' -v f="\"$1\"" -v t="\"$2\"" '$1 == f && $2 == t { print $4 }' "$results/inprocess.csv"
}
verdict() { # verdict VALUE LIMIT
    awk -v v="$1" -v l="$2" 'BEGIN { print (v <= l) ? "met" : "MISSED" }'
}

{
    echo
    echo "Corvella Learn Numerology - benchmarks (Release build, medians)"
    echo "Machine: $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo), $(nproc) cores," \
        "$(awk '/MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo) RAM, Linux $(uname -r)"
    echo "Qt $(sed -n 's/.*Qt \([0-9.]*\) (.*/\1/p' "$results/inprocess.txt" | head -n 1)," \
        "$(c++ --version | head -n 1); X server: Xvfb 1024x768x24"
    echo
    echo "Whole program under Xvfb, $starts alternating runs each, fresh home for every run" \
        "($failed_runs runs failed and were repeated)"
    awk -v pp="$paint_p" -v pf="$paint_f" -v mp="$map_p" -v mf="$map_f" -v rp="$rss_p" -v rf="$rss_f" \
        -v cp="$cpu_p" -v cf="$cpu_f" -v pt="$paint_t" -v pl="$paint_l" 'BEGIN {
        printf "  %-34s %12s %12s %14s  %s\n", "", "program", "floor", "program/floor", "target"
        printf "  %-34s %9.1f ms %9.1f ms %12.2f x  %s\n", "start to first painted window", pp, pf, pp / pf, "<= 1.15 x"
        printf "  %-34s %9.1f ms %9.1f ms %12.2f x\n", "(the same, program home on tmpfs)", pt, pf, pt / pf
        printf "  %-34s %9.1f ms %9.1f ms %12.2f x\n", "(a later start, store written)", pl, pf, pl / pf
        printf "  %-34s %9.1f ms %9.1f ms %12.2f x\n", "(start to window mapped)", mp, mf, mp / mf
        printf "  %-34s %9.1f ms %9.1f ms %12.2f x\n", "(processor time, whole run)", cp, cf, cp / cf
        printf "  %-34s %8.1f MiB %8.1f MiB %+10.1f MiB  %s\n", "peak resident memory", rp / 1024, rf / 1024, (rp - rf) / 1024, "<= +8 MB (7.63 MiB)"
    }'
    echo "  start-up target: $(verdict "$(awk -v a="$paint_p" -v b="$paint_f" 'BEGIN { print a / b }')" 1.15)," \
        "memory target: $(verdict "$(awk -v a="$rss_p" -v b="$rss_f" 'BEGIN { print (a - b) / 1024 }')" 7.63)"
    echo
    echo "In the process (QBENCHMARK wall time per call, median of $median runs)"
    printf '  %-44s %10s %10s %9s  %s\n' "" "program" "floor" "ratio" "target"
    row() { # row TEXT FUNCTION CORVELLA_TAG FLOOR_TAG TARGET
        local p f=""
        p=$(bench "$2" "$3")
        [ -n "$4" ] && f=$(bench "$2" "$4")
        awk -v t="$1" -v p="$p" -v f="$f" -v target="${5:-}" '
            function fmt(ms) {
                if (ms < 0.001) return sprintf("%7.0f ns", ms * 1e6)
                if (ms < 1) return sprintf("%7.2f us", ms * 1e3)
                return sprintf("%7.1f ms", ms)
            }
            BEGIN {
                if (f == "")
                    printf "  %-44s %s\n", t, fmt(p)
                else
                    printf "  %-44s %s %s %7.2f x  %s\n", t, fmt(p), fmt(f), p / f, target
            }'
    }
    row "loadContent" loadContent "" ""
    row "Birthday Number record (31), until laid out" drawLongestRecord corvella floor "<= 3 x"
    row "  the same, until the call returns" drawLongestRecord "corvella call only" "floor call only"
    row "75-block report, until laid out" writeReport75 corvella floor "<= 3 x"
    row "  the same, until the call returns" writeReport75 "corvella call only" "floor call only"
    row "clipboard guard, one event" clipboardGuard "" ""
    row "mouse movement over the learn pane" paneMouseMove corvella floor
    row "whole 75-question test through the window" wholeTest75 "" ""
    row "Your Numbers: calculate, write, lay out, paint" yourNumbersChart "" ""
    row "Practice: open on 10,000 tests, paint" openPractice corvella floor
    row "Practice: answer a card, show the next, paint" answerCard corvella floor
    row "  of which reading the file (loadProgress)" loadLongHistory "" ""
    row "Practice: write the 10,000-test file" saveLongHistory "" ""
    ratio() { # ratio FUNCTION CORVELLA_TAG FLOOR_TAG
        awk -v p="$(bench "$1" "$2")" -v f="$(bench "$1" "$3")" 'BEGIN { print p / f }'
    }
    echo "  record target: $(verdict "$(ratio drawLongestRecord corvella floor)" 3)" \
        "(until the call returns: $(verdict "$(ratio drawLongestRecord "corvella call only" "floor call only")" 3))," \
        "report target: $(verdict "$(ratio writeReport75 corvella floor)" 3)" \
        "(until the call returns: $(verdict "$(ratio writeReport75 "corvella call only" "floor call only")" 3))"
    echo "  Your Numbers target: $(verdict "$(bench yourNumbersChart "")" 16) (<= 16 ms, one frame)"
    echo "  Practice targets: opening $(verdict "$(bench openPractice corvella)" 50) (<= 50 ms)," \
        "answering $(verdict "$(bench answerCard corvella)" 16) (<= 16 ms)"
    echo
    # Figures of a simulated learner, not timings: the old boxes and the scheduler.
    "$learner" | tee "$results/learner.txt" | grep -v '^   '
    echo
    echo "Raw figures: $results"
} | tee "$results/summary.txt"

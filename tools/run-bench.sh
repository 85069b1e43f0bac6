#!/usr/bin/env bash
# `make bench`: the core's speed (Google Benchmark), the desktop program's start-up time and
# resident memory under Xvfb beside a minimal Qt Widgets window with the same controls, and the
# command line's time and peak memory for long sweeps in each output form.
#   BENCH_RUNS  start-up runs per program (default 10); sweep runs per form (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench

tools/install-deps.sh libbenchmark-dev libxcb1-dev xvfb xauth time
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLIFTCALC_BUILD_UI=ON \
    -DLIFTCALC_BUILD_TESTS=OFF -DLIFTCALC_BUILD_BENCH=ON >/dev/null
cmake --build "$build"

echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
"$build/bench/liftcalc_bench" --benchmark_counters_tabular=true
if [ -x "$build/bench/liftcalc_pdf_bench" ]; then
    QT_QPA_PLATFORM=offscreen "$build/bench/liftcalc_pdf_bench"
fi

programs=("$build/bench/minimal_window")
desktop="$build/bin/liftcalc"
# Every program alike gets a private runtime folder, which Qt wants and a bare session lacks,
# and the desktop program a data folder of its own: empty, or keeping a record of 100 entries,
# which it opens in the record window at start-up.
export XDG_RUNTIME_DIR XDG_DATA_HOME
XDG_RUNTIME_DIR=$(mktemp -d)
XDG_DATA_HOME=$XDG_RUNTIME_DIR/empty
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
if [ -x "$desktop" ]; then
    programs+=("$desktop")
    visit=$XDG_RUNTIME_DIR/visit.liftrec
    for _ in $(seq 100); do
        "$desktop" relief --full-load-pressure 288.595 --relief-setting 420 --record "$visit" \
            >/dev/null
    done
    mkdir -p "$XDG_RUNTIME_DIR/kept/liftcalc"
    { printf 'liftcalc open record 1\n%s\nsaved\n' "$visit"; cat "$visit"; } \
        >"$XDG_RUNTIME_DIR/kept/liftcalc/open-record"
    with_record=$XDG_RUNTIME_DIR/liftcalc-with-record
    printf '#!/bin/sh\nXDG_DATA_HOME=%s exec %s "$@"\n' "$XDG_RUNTIME_DIR/kept" "$desktop" \
        >"$with_record"
    chmod +x "$with_record"
    # Timed once to its calculator window and once to the record window beside it.
    programs+=("$with_record" --windows 2 "$with_record")
else
    echo "(no desktop program at $desktop: the minimal window alone)"
fi
echo "== start-up to the window's MapNotify, and VmRSS once shown (Xvfb, median of ${BENCH_RUNS:-10})"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/bench/startup_probe" --runs "${BENCH_RUNS:-10}" "${programs[@]}" |
    awk '{ name[NR] = $1; ms[NR] = $3; rss[NR] = $7
           printf "%-40s start-up %7.1f ms (min %.1f, max %.1f)  RSS %7.1f MiB\n",
                  $1, $3, $4, $5, $7 / 1024 }
         END { if (NR >= 2)
                   printf "desktop / minimal: start-up %.2fx, RSS %+.1f MiB\n",
                          ms[2] / ms[1], (rss[2] - rss[1]) / 1024
               if (NR == 4)
                   printf "desktop with a record open / minimal: start-up %.2fx to the calculator, %.2fx to the record window, RSS %+.1f MiB\n",
                          ms[3] / ms[1], ms[4] / ms[1], (rss[3] - rss[1]) / 1024 }'

if [ -x "$desktop" ]; then
# A sweep writes each row as it is calculated, so its peak memory is the same for a thousand
# rows as for a hundred thousand; --version is the program's own floor. Median of the runs.
echo "== command line: pressure sweep over --load, output to /dev/null (median of ${BENCH_RUNS:-5})"
sweep() { # ROWS FORM-OPTION...
    local rows=$1
    shift
    for _ in $(seq "${BENCH_RUNS:-5}"); do
        /usr/bin/time -f "%e %U %S %M" -o "$XDG_RUNTIME_DIR/time" "$desktop" pressure \
            --diameter 10 --plungers 1 --load "1:$rows:1" "$@" >/dev/null
        cat "$XDG_RUNTIME_DIR/time"
    done | sort -n | awk -v name="${1:-}" -v rows="$rows" '{ line[NR] = $0 }
        END { split(line[int((NR + 1) / 2)], f, " ")
              printf "%-9s %7d rows  %6.3f s wall  %6.3f s CPU  peak RSS %5.1f MiB\n",
                     name == "" ? "table" : substr(name, 3), rows, f[1], f[2] + f[3], f[4] / 1024 }'
}
/usr/bin/time -f "%M" -o "$XDG_RUNTIME_DIR/time" "$desktop" --version >/dev/null
awk '{ printf "--version                                        peak RSS %5.1f MiB\n", $1 / 1024 }' "$XDG_RUNTIME_DIR/time"
for form in "" --csv --json; do
    for rows in 1000 100000; do
        sweep "$rows" $form
    done
done
fi

# The web page, side by side with a bare page of the same controls in headless Chromium.
make --no-print-directory web >/dev/null
echo "== web page (headless Chromium $(chromium --version 2>/dev/null | awk '{print $2}'))"
/usr/bin/python3 bench/web_bench.py build-web/site "${BENCH_RUNS:-20}"
echo "== the test record kept on the page after a change (headless Chromium, 100 entries)"
/usr/bin/python3 bench/record_keep_bench.py build-web/site 100 200

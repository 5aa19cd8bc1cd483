#!/usr/bin/env bash
# Start-up benchmark of the window: the time from process start to the first painted main window
# and the peak resident memory of `goalrun`, side by side with a minimal Qt Widgets window of
# similar controls (bench/window/minimal_window.cpp), over several alternating runs; prints the
# medians and the ratios (aim: both at most 1.25). Then the thirty-matchday button: thirty
# matchdays with every redraw (aim: under 50 ms).
#
#   bench/window_startup.sh [RUNS]        (default 15; runs under xvfb-run when there is no display)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    if command -v xvfb-run >/dev/null; then
        exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
    fi
    export QT_QPA_PLATFORM=offscreen
fi

build="$top/build"
bench_build="$top/build-bench-window"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGOALRUN_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target goalrun_startup_probe goalrun_data \
    thirty_matchday_bench >/dev/null
cmake -S "$top/bench/window" -B "$bench_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$bench_build" -j"$(nproc)" >/dev/null

# `goalrun` itself, with the start-up probe compiled in.
goalrun="$build/app/goalrun_startup_probe"
minimal="$bench_build/minimal_window"
results=$(mktemp)
trap 'rm -f "$results"' EXIT

# One run: "<first-paint ms> <peak RSS kB>", measured by the program itself at its first paint.
measure() {
    GOALRUN_STARTUP_PROBE=1 GOALRUN_STARTUP_T0_NS=$(date +%s%N) "$1" 2>/dev/null |
        awk '/^first-paint-ms/ { print $2, $4 }'
}

measure "$goalrun" >/dev/null # warm the file cache
measure "$minimal" >/dev/null
for ((i = 0; i < runs; i++)); do
    echo "goalrun $(measure "$goalrun")" >>"$results"
    echo "minimal $(measure "$minimal")" >>"$results"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
g_ms=$(awk '$1 == "goalrun" { print $2 }' "$results" | median)
m_ms=$(awk '$1 == "minimal" { print $2 }' "$results" | median)
g_kb=$(awk '$1 == "goalrun" { print $3 }' "$results" | median)
m_kb=$(awk '$1 == "minimal" { print $3 }' "$results" | median)

echo "platform: ${QT_QPA_PLATFORM:-xcb} (DISPLAY=${DISPLAY:-none}), $runs runs each, medians"
printf '%-16s %12s %14s\n' program first-paint-ms peak-rss-kB
printf '%-16s %12.1f %14d\n' goalrun "$g_ms" "$g_kb"
printf '%-16s %12.1f %14d\n' minimal_window "$m_ms" "$m_kb"
awk -v a="$g_ms" -v b="$m_ms" -v c="$g_kb" -v d="$m_kb" \
    'BEGIN { printf "ratios goalrun/minimal: start-up %.2f, peak memory %.2f (aim: at most 1.25)\n", a / b, c / d }'

QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/ui/thirty_matchday_bench" 2>/dev/null |
    sed -n 's/\(thirty-matchday-ms.*\)/\1 (aim: under 50 ms)/p'

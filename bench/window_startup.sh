#!/usr/bin/env bash
# Start-up benchmark of the window: the time from process start to the first painted main window,
# the CPU time (user+sys) spent until then and the peak resident memory of `goalrun`, side by side
# in one run with two yardsticks built from bench/window/: a minimal Japanese Qt Widgets window (a
# main window with a menu, tabs, a tree, a text box and three buttons, all with Japanese text) and
# an empty window (the framework's floor), over several interleaved runs; prints the medians and
# the ratios (aim: time and memory at most 1.3 times the minimal window's). The CPU time is
# disturbed less than the wall clock on a shared machine. Then the thirty-matchday button: thirty
# matchdays with every redraw (aim: under 50 ms). Between the two, the start with one kept game
# and with 200 (aim: no slower with 200).
#
#   bench/window_startup.sh [RUNS]        (default 15; runs under xvfb-run when there is no display)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    if command -v xvfb-run >/dev/null; then
        # -noreset: the server stays up between the starts, as a desktop's does. One that resets
        # when its last client leaves makes each next start wait 10 to 25 ms for it, the same for
        # every program, which made the ratios look closer to 1 than they are.
        exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
    fi
    export QT_QPA_PLATFORM=offscreen
fi

build="$top/build"
bench_build="$top/build-bench-window"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGOALRUN_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target goalrun_startup_probe goalrun_data \
    thirty_matchday_bench goalrun-cli >/dev/null
cmake -S "$top/bench/window" -B "$bench_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$bench_build" -j"$(nproc)" >/dev/null

# `goalrun` itself, with the start-up probe compiled in, and the yardsticks.
programs=(goalrun minimal_window empty_window)
declare -A path=([goalrun]="$build/app/goalrun_startup_probe"
    [minimal_window]="$bench_build/minimal_window" [empty_window]="$bench_build/empty_window")
results=$(mktemp)
# A first start of a new game: empty configuration and data folders of their own (no remembered
# window state, no autosave to continue), and a private runtime folder, so that no copy of the
# game running elsewhere takes the start over.
private=$(mktemp -d)
trap 'rm -rf "$results" "$private"' EXIT
mkdir -m 700 "$private/config" "$private/data" "$private/runtime"
export XDG_CONFIG_HOME="$private/config" XDG_DATA_HOME="$private/data" \
    XDG_RUNTIME_DIR="$private/runtime"

# One run: "<first-paint ms> <peak RSS kB> <CPU ms>", measured by the program itself at its first
# paint.
measure() {
    GOALRUN_STARTUP_PROBE=1 GOALRUN_STARTUP_T0_NS=$(date +%s%N) "$1" 2>/dev/null |
        awk '/^first-paint-ms/ { print $2, $4, $6 }'
}

for name in "${programs[@]}"; do measure "${path[$name]}" >/dev/null; done # warm the file cache
for ((i = 0; i < runs; i++)); do
    for name in "${programs[@]}"; do echo "$name $(measure "${path[$name]}")" >>"$results"; done
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -A ms kb cpu
for name in "${programs[@]}"; do
    ms[$name]=$(awk -v n="$name" '$1 == n { print $2 }' "$results" | median)
    kb[$name]=$(awk -v n="$name" '$1 == n { print $3 }' "$results" | median)
    cpu[$name]=$(awk -v n="$name" '$1 == n { print $4 }' "$results" | median)
done

echo "platform: ${QT_QPA_PLATFORM:-xcb} (DISPLAY=${DISPLAY:-none}), $runs runs each, medians"
printf '%-16s %12s %10s %14s\n' program first-paint-ms cpu-ms peak-rss-kB
for name in "${programs[@]}"; do
    printf '%-16s %12.1f %10.1f %14d\n' "$name" "${ms[$name]}" "${cpu[$name]}" "${kb[$name]}"
done
for base in minimal_window empty_window; do
    awk -v a="${ms[goalrun]}" -v b="${ms[$base]}" -v c="${kb[goalrun]}" -v d="${kb[$base]}" \
        -v e="${cpu[goalrun]}" -v f="${cpu[$base]}" -v n="$base" \
        'BEGIN { printf "ratios goalrun/%s: start-up %.2f, CPU %.2f, peak memory %.2f\n", n, a / b, e / f, c / d }'
done
echo "(aim: start-up and peak memory against minimal_window at most 1.3)"

# The start among the player's kept games: one, then 200, the game played last continued in both
# (a game of the second season), interleaved in one run (aim: no slower with 200).
save="$private/kept.sav"
printf 'play 30\nnext\nplay 12\nsave %s\n' "$save" | "$build/app/goalrun-cli" --seed 3 >/dev/null
for kept in 1 200; do
    for ((g = 1; g <= kept; g++)); do
        game="$private/kept$kept/goalrun/games/$(printf '%032x' "$g")"
        mkdir -p "$game"
        cp "$save" "$game/autosave1.sav"
    done
done
for ((i = 0; i < runs; i++)); do
    for kept in 1 200; do
        echo "$kept $(XDG_DATA_HOME="$private/kept$kept" measure "${path[goalrun]}")" >>"$results.kept"
    done
done
for kept in 1 200; do
    printf 'goalrun with %3d kept games: first paint %.1f ms, CPU %.1f ms\n' "$kept" \
        "$(awk -v n="$kept" '$1 == n { print $2 }' "$results.kept" | median)" \
        "$(awk -v n="$kept" '$1 == n { print $4 }' "$results.kept" | median)"
done
rm -f "$results.kept"

QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/ui/thirty_matchday_bench" 2>/dev/null |
    sed -n 's/\(thirty-matchday-ms.*\)/\1 (aim: under 50 ms)/p'

#!/usr/bin/env bash
# 3000 seasons through goalrun-cli ("play 30" and "next" from a seeded new game) beside a bare loop
# of the same rules (engine_bench's BM_SeasonBare, 3000 seasons in one process), alternating over
# several runs; prints the median CPU time (user + system) of each and their ratio (aim: at most
# 1.3). Both figures include the start of their process. With CALLGRIND=1 it also counts the
# instructions of one run of each under valgrind's callgrind, which a busy machine does not move.
#
#   bench/cli_seasons.sh [RUNS [BUILD]]        (default 11 runs, in build/ of the checkout)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-11}

build=${2:-"$top/build"}
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGOALRUN_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target goalrun-cli engine_bench >/dev/null

input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk 'BEGIN { for (i = 0; i < 3000; ++i) print "play 30\nnext" }' >"$input"

# The CPU time of one run of the command, in ms.
cpu_ms() {
    local TIMEFORMAT='%3U %3S' t
    t=$({ time "$@" >/dev/null 2>&1; } 2>&1)
    awk '{ printf "%.1f\n", ($1 + $2) * 1000 }' <<<"$t"
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

cli="" bare=""
for ((i = 0; i < runs; ++i)); do
    cli+="$(cpu_ms "$build/app/goalrun-cli" --seed 1 --names /dev/null <"$input")"$'\n'
    bare+="$(cpu_ms "$build/bench/engine_bench" \
        --benchmark_filter='^BM_SeasonBare/iterations:3000$')"$'\n'
done
cli_ms=$(printf '%s' "$cli" | median)
bare_ms=$(printf '%s' "$bare" | median)
awk -v c="$cli_ms" -v b="$bare_ms" \
    'BEGIN { printf "goalrun-cli %.1f ms, bare loop %.1f ms, ratio %.2f\n", c, b, c / b }'

[ "${CALLGRIND:-0}" = 1 ] || exit 0
# The instructions of one run of the command, as callgrind counts them.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        awk '/Collected :/ { print $NF }'
}
cli_ir=$(instructions "$build/app/goalrun-cli" --seed 1 --names /dev/null <"$input")
bare_ir=$(instructions "$build/bench/engine_bench" \
    --benchmark_filter='^BM_SeasonBare/iterations:3000$')
awk -v c="$cli_ir" -v b="$bare_ir" 'BEGIN {
    printf "instructions: goalrun-cli %.1f M, bare loop %.1f M, ratio %.2f\n", c / 1e6, b / 1e6, c / b
}'

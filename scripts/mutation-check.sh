#!/usr/bin/env bash
# Measures how many realistic one-line faults the tests catch. Each mutant of tests/mutants.tsv
# (tab-separated: file, text, replacement, note; `#` starts a comment line) is put into a copy
# of the tree, the Debug build without sanitizers is brought up to date and every test but the
# installation ones runs until the first failure; then the file is restored. A mutant whose text
# is gone or found more than once, or that does not compile, is reported and left out of the
# rate. One copy and one build folder serve every mutant, so each build recompiles only the
# mutated file and what includes it (with ccache, the restored file costs nothing).
#
# Usage: scripts/mutation-check.sh [--only N[,N...]] [MUTANTS.tsv]
#   --only   run only the mutants of these line numbers of the list (for working on one mutant)
# Environment: GOALRUN_MUTATION_DIR (default build-mutation/ in the checkout), GOALRUN_JOBS
# (default 2), GOALRUN_TIME_SCALE (timing bounds of the tests, default 2).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
only=""
if [ "${1-}" = --only ]; then
    only=",$2,"
    shift 2
fi
list=$(realpath "${1:-$top/tests/mutants.tsv}")
work=${GOALRUN_MUTATION_DIR:-$top/build-mutation}
jobs=${GOALRUN_JOBS:-2}
src=$work/src
build=$work/build
log=$work/log
export GOALRUN_TIME_SCALE=${GOALRUN_TIME_SCALE:-2}
mkdir -p "$src" "$log"

# The copy follows the checkout (committed or not); only changed files are written, so the
# build folder stays valid from one run to the next.
copy_tree() {
    local f
    while IFS= read -r -d '' f; do
        [ -f "$top/$f" ] || continue
        if ! cmp -s "$top/$f" "$src/$f"; then
            mkdir -p "$(dirname "$src/$f")"
            cp "$top/$f" "$src/$f"
        fi
    done < <(git -C "$top" ls-files -z --cached --others --exclude-standard)
}

# Brings the build up to date: the targets given, or everything. Status 1 when it fails.
build_tree() {
    local out=$1
    shift
    if [ ! -f "$build/CMakeCache.txt" ]; then
        local launcher=()
        if command -v ccache >/dev/null; then
            launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
            export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work} CCACHE_NOHASHDIR=1
        fi
        cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DGOALRUN_WERROR=OFF \
            -DGOALRUN_TESTS=ON -DGOALRUN_BENCH=OFF "${launcher[@]}" >/dev/null
    fi
    nice -n 10 cmake --build "$build" -j"$jobs" "$@" >>"$out" 2>&1
}

run_tests() {
    local out=$1
    shift
    # A mutant may make a test loop: the engine's tests, which set no time limit, get one.
    nice -n 10 ctest --test-dir "$build" --stop-on-failure --timeout 300 -j"$jobs" "$@" \
        >>"$out" 2>&1
}

# Every test but the installation ones, until the first failure, in two rounds: the engine and
# CLI tests first, built alone, since most faults show there within seconds; then the window and
# support tests, with everything built. Status 0 when every test passed, 1 when one failed, 2
# when the tree does not build.
check_tree() {
    local tag=$1
    : >"$log/$tag-build.txt" && : >"$log/$tag-tests.txt"
    build_tree "$log/$tag-build.txt" --target engine_tests --target goalrun-cli || return 2
    run_tests "$log/$tag-tests.txt" -L 'engine|cli' || return 1
    build_tree "$log/$tag-build.txt" || return 2
    run_tests "$log/$tag-tests.txt" -LE 'install|engine|cli' || return 1
}

# Replaces the one occurrence of $2 in file $1 by $3 (in both, a backslash-n is a line break and
# two backslashes are one); status 2 when the text is missing, 3 when it occurs more than once.
# Perl is part of every Debian system.
mutate() {
    TEXT=$2 REPL=$3 perl -0777 -i -ne '
        BEGIN {
            for my $v (@ENV{qw(TEXT REPL)}) { $v =~ s/\\(n|\\)/$1 eq "n" ? "\n" : "\\"/ge; }
            ($text, $repl) = @ENV{qw(TEXT REPL)};
        }
        my $n = () = /\Q$text\E/g;
        if ($n == 1) { s/\Q$text\E/$repl/; print; }
        else { print; $code = $n ? 3 : 2; }
        END { exit($code // 0); }' "$1"
}

copy_tree
start=$SECONDS
echo "Baseline: building and running the tests without a mutant"
status=0
check_tree baseline || status=$?
if [ "$status" -ne 0 ]; then
    echo "The unchanged tree $([ "$status" -eq 2 ] && echo "does not build" || echo "fails its tests"):" \
        "see $log/baseline-*.txt" >&2
    exit 1
fi
echo "Baseline passed in $((SECONDS - start)) s"

restore=""
trap '[ -z "$restore" ] || cp "$restore.orig" "$restore"' EXIT
killed=0
counted=0
survivors=()
excluded=()
line=0
tab=$'\t'
while IFS= read -r row || [ -n "$row" ]; do
    line=$((line + 1))
    # Split by hand: read would merge the two tabs around an empty replacement.
    file=${row%%"$tab"*} rest=${row#*"$tab"}
    text=${rest%%"$tab"*} rest=${rest#*"$tab"}
    repl=${rest%%"$tab"*} note=${rest#*"$tab"}
    case "$file" in '' | '#'*) continue ;; esac
    if [ -n "$only" ] && [[ $only != *",$line,"* ]]; then continue; fi
    name="$line $file: $note"
    target=$src/$file
    if [ ! -f "$target" ]; then
        excluded+=("$name (no such file)")
        printf '%-14s %s\n' "no file" "$name"
        continue
    fi
    cp "$target" "$target.orig"
    restore=$target
    status=0
    mutate "$target" "$text" "$repl" || status=$?
    if [ "$status" -ne 0 ]; then
        why=$([ "$status" -eq 3 ] && echo "text not unique" || echo "text not found")
        excluded+=("$name ($why)")
        printf '%-14s %s\n' "$why" "$name"
    else
        status=0
        check_tree "$line" || status=$?
        if [ "$status" -eq 2 ]; then
            excluded+=("$name (does not compile)")
            printf '%-14s %s\n' "no compile" "$name"
        elif [ "$status" -eq 0 ]; then
            counted=$((counted + 1))
            survivors+=("$name")
            printf '%-14s %s\n' "SURVIVED" "$name"
        else
            counted=$((counted + 1))
            killed=$((killed + 1))
            test=$(grep -m1 -E '\*\*\*(Failed|Exception)|\*\*\*Timeout|Subprocess aborted' \
                "$log/$line-tests.txt" | sed -E 's/.*Test +#[0-9]+: ([^ ]+).*/\1/' || true)
            printf '%-14s %s  [%s]\n' "killed" "$name" "$test"
        fi
    fi
    # A new time stamp, so the next build recompiles the restored file.
    cp "$target.orig" "$target"
    rm -f "$target.orig"
    restore=""
done <"$list"
# The tree is left built as it is: the next run starts from here.
build_tree "$log/final-build.txt" || true

echo
echo "Left out (${#excluded[@]}):"
for m in "${excluded[@]}"; do echo "  $m"; done
echo "Survived (${#survivors[@]}):"
for m in "${survivors[@]}"; do echo "  $m"; done
if [ "$counted" -gt 0 ]; then
    echo "Killed $killed of $counted mutants ($((100 * killed / counted))%) in $((SECONDS - start)) s"
else
    echo "No mutant was counted"
fi

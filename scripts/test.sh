#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the engine, window and CLI
# tests, the installation and the Debian package (built, checked by lintian and the metadata
# validators, unpacked and run); the engine tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer; and a bounded fuzzing run of the save loader.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$top/scripts/ensure-packages.sh" cmake g++ make qt6-base-dev pkg-config libxcb1-dev \
    fonts-noto-cjk qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgtest-dev \
    libbenchmark-dev clang libclang-rt-14-dev xvfb xauth xfonts-base xdotool dpkg-dev file lintian \
    appstream desktop-file-utils devscripts shared-mime-info xdg-utils libfile-mimeinfo-perl \
    libglib2.0-bin x11-utils

step() { printf '\n== %s ==\n' "$*"; }

step "Build and test (warnings are errors)"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGOALRUN_WERROR=ON \
    -DGOALRUN_TESTS=ON -DGOALRUN_BENCH=ON >/dev/null
cmake --build "$top/build" -j"$jobs"
ctest --test-dir "$top/build" -j"$jobs" --output-on-failure

step "Engine tests with AddressSanitizer and UndefinedBehaviorSanitizer"
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DGOALRUN_WERROR=ON \
    -DGOALRUN_ENGINE_ONLY=ON -DGOALRUN_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build "$top/build-asan" -j"$jobs"
ctest --test-dir "$top/build-asan" -j"$jobs" --output-on-failure

step "Fuzzing the save loader for ${GOALRUN_FUZZ_SECONDS:=30} s"
CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DGOALRUN_WERROR=ON -DGOALRUN_FUZZ=ON >/dev/null
cmake --build "$top/build-fuzz" -j"$jobs"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
"$top/build-fuzz/tests/fuzz/load_fuzzer" -max_total_time="$GOALRUN_FUZZ_SECONDS" -max_len=6000 \
    -print_final_stats=1 "$corpus" "$top/tests/fuzz/corpus" 2>&1 | tail -n 12

step "All tests passed"

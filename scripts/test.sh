#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: in the release build, the
# installation and the Debian package (built, checked by lintian and the metadata validators,
# unpacked and run); every other test (engine, support, window and CLI) in the build under
# AddressSanitizer and UndefinedBehaviorSanitizer; and a bounded fuzzing run of the save loader.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$top/scripts/ensure-packages.sh" cmake g++ make qt6-base-dev pkg-config libxcb1-dev \
    fonts-noto-cjk qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgtest-dev \
    libbenchmark-dev clang libclang-rt-14-dev xvfb xauth xfonts-base xdotool dpkg-dev file lintian \
    appstream desktop-file-utils devscripts shared-mime-info xdg-utils libfile-mimeinfo-perl \
    libglib2.0-bin x11-utils dbus-daemon at-spi2-core

step() { printf '\n== %s (%d s so far) ==\n' "$*" "$SECONDS"; }

step "Release build; installation and package tests (warnings are errors)"
# The release build makes the programs, their files, the benchmarks and the package's helper; the
# other tests are built and run in the sanitizer build below. Everything is built here, in
# parallel, before a test starts, so the package test only packs what is there.
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGOALRUN_WERROR=ON \
    -DGOALRUN_TESTS=OFF -DGOALRUN_INSTALL_TESTS=ON -DGOALRUN_BENCH=ON >/dev/null
cmake --build "$top/build" -j"$jobs"
ctest --test-dir "$top/build" -j"$jobs" --output-on-failure -L install

step "Every other test with AddressSanitizer and UndefinedBehaviorSanitizer"
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DGOALRUN_WERROR=ON \
    -DGOALRUN_ENGINE_ONLY=OFF -DGOALRUN_TESTS=ON -DGOALRUN_INSTALL_TESTS=OFF -DGOALRUN_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build "$top/build-asan" -j"$jobs"
# Leak detection stays on (the window framework leaks nothing the tests reach); the timing
# bounds of the tests are widened for the slower code.
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
    UBSAN_OPTIONS=print_stacktrace=1 GOALRUN_TIME_SCALE=6 \
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

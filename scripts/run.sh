#!/usr/bin/env bash
# Builds the game and starts it: the window on a desktop, the terminal version without one.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/ensure-packages.sh" cmake g++ make qt6-base-dev fonts-noto-cjk
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(goalrun-cli)
[ -f "$top/ui/CMakeLists.txt" ] && targets+=(goalrun)
cmake --build "$top/build" -j"$(nproc)" --target "${targets[@]}" goalrun_data 2>/dev/null ||
    cmake --build "$top/build" -j"$(nproc)" --target "${targets[@]}"
app="$top/build/app"
if [ -x "$app/goalrun" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    exec "$app/goalrun" "$@"
fi
if [ -x "$app/goalrun" ]; then
    echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): starting the terminal version."
fi
exec "$app/goalrun-cli" "$@"

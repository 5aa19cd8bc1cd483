#!/usr/bin/env bash
# Builds the game and starts it: the window on a desktop, the terminal version without one.
# Arguments go to the program (for the window: a save file to open).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/ensure-packages.sh" cmake g++ make qt6-base-dev pkg-config libxcb1-dev \
    fonts-noto-cjk qt6-translations-l10n shared-mime-info
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGOALRUN_TESTS=OFF \
    -DGOALRUN_BENCH=OFF >/dev/null
cmake --build "$top/build" -j"$(nproc)" --target goalrun goalrun-cli goalrun_data
app="$top/build/app"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$app/goalrun" "$@"
fi
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): starting the terminal version."
exec "$app/goalrun-cli" "$@"

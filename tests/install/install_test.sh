#!/usr/bin/env bash
# Installs the build into a temporary prefix, starts the installed program on a virtual screen,
# saves to slot 4 with the keyboard as a player would, and expects the file in the per-user data
# folder, although the program's folder stays writable, as /usr/lib/goalrun is for root.
set -euo pipefail
build=$1
work=$(mktemp -d)
server=""
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
app="$prefix/lib/goalrun"
for file in goalrun goalrun-cli TeamNameList.txt goalrun_help{,_en}.html goalrun.png \
    goalrun.installed; do
    [ -f "$app/$file" ] || fail "missing $app/$file"
done
[ "$(readlink -f "$prefix/bin/goalrun")" = "$(readlink -f "$app/goalrun")" ] || fail "bin/goalrun link"
desktop="$prefix/share/applications/example.vomera.goalrun.desktop"
grep -qx 'Name=Goalrun' "$desktop" && grep -qx 'Name\[ja\]=ゴールラン' "$desktop" ||
    fail "desktop entry name"
grep -qx "Exec=$prefix/bin/goalrun %f" "$desktop" || fail "desktop entry command"
grep -q 'MimeType=application/x-goalrun-save;' "$desktop" || fail "desktop entry file type"
grep -q 'value="Vomera"' "$prefix/share/mime/packages/goalrun.xml" || fail "save file type"
[ -f "$prefix/share/icons/hicolor/48x48/apps/goalrun.png" ] || fail "themed icon"

# The installed command-line program runs from the read-only folder with the shipped names.
out=$(printf 'club\n' | "$prefix/bin/goalrun-cli" | head -1)
[ "$out" = "担当チーム	$(iconv -f cp932 -t utf-8 "$app/TeamNameList.txt" | sed -n '16p' | tr -d '\r')" ] ||
    fail "installed goalrun-cli names: $out"

# A real (virtual) X screen, whatever platform the other tests use.
export QT_QPA_PLATFORM=xcb
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
slot="$XDG_DATA_HOME/goalrun/savedata/04savedata.sav"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$0" & program=$!
    window=$(timeout 30 xdotool search --sync --name "ゴールラン" | head -1)
    xdotool windowfocus --sync "$window"
    sleep 0.5
    xdotool key --clearmodifiers alt+s
    sleep 0.5
    xdotool key Down Down Down Down Return
    for _ in $(seq 100); do [ -f "$1" ] && break; sleep 0.1; done
    kill "$program"
' "$prefix/bin/goalrun" "$slot"
[ -f "$slot" ] || fail "no save file in the per-user folder"
[ "$(stat -c %s "$slot")" = 5122 ] || fail "save file size"
[ ! -e "$app/savedata" ] || fail "the program's folder was written"
echo "install test: passed"

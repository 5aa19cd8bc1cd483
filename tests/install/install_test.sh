#!/usr/bin/env bash
# Installs the build into a temporary prefix, starts the installed program on a virtual screen,
# saves to slot 4 with the keyboard as a player would, and expects the file in the per-user data
# folder, although the program's folder stays writable, as /usr/lib/goalrun is for root.
set -euo pipefail
build=$1
mime_type_of=$2
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
[ -f "$prefix/share/icons/hicolor/48x48/apps/goalrun.png" ] || fail "themed icon"

# The installed command-line program runs from the read-only folder with the shipped names.
out=$(printf 'club\n' | "$prefix/bin/goalrun-cli" | head -1)
[ "$out" = "担当チーム	$(iconv -f cp932 -t utf-8 "$app/TeamNameList.txt" | sed -n '16p' | tr -d '\r')" ] ||
    fail "installed goalrun-cli names: $out"

# The desktop's tools (xdg-mime as on a desktop of no known kind, gio) and the file boxes
# (QMimeDatabase) know a save by its first bytes, under a slot's name or any other ending in .sav,
# and leave another program's .sav, or any other bytes so named, to that program's type. As in
# /usr once the package is installed, the system's types and the game's share one database (Qt
# 6.4 takes the type a name suggests from the first database that knows the name).
cp /usr/share/mime/packages/freedesktop.org.xml "$prefix/share/mime/packages/"
update-mime-database "$prefix/share/mime"
files="$work/files"
mkdir -p "$files"
printf 'save %s\n' "$files/01savedata.sav" | "$prefix/bin/goalrun-cli" >/dev/null
cp "$files/01savedata.sav" "$files/my season.sav"
printf '$FL2@(#) SPSS DATA FILE\n' >"$files/survey.sav"
head -c 5122 /dev/urandom >"$files/noise.sav"
for file in "$files"/*; do
    want=application/x-spss-sav
    cmp -s -n 126 "$file" "$files/01savedata.sav" && want=application/x-goalrun-save
    got=$(export XDG_DATA_DIRS="$prefix/share"; unset XDG_CURRENT_DESKTOP
        xdg-mime query filetype "$file"
        gio info -a standard::content-type "$file" | sed -n 's/^ *standard::content-type: //p'
        "$mime_type_of" "$file")
    [ "$(echo $got)" = "$want $want $want" ] || fail "type of ${file##*/}: $(echo $got)"
done

# A real (virtual) X screen, whatever platform the other tests use.
export QT_QPA_PLATFORM=xcb
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
slot="$XDG_DATA_HOME/goalrun/savedata/04savedata.sav"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$0" & program=$!
    window=$(timeout 30 xdotool search --sync --name "ゴールラン" | head -1)
    xprop -id "$window" WM_CLASS >"$2"
    xdotool windowfocus --sync "$window"
    sleep 0.5
    xdotool key --clearmodifiers alt+s
    sleep 0.5
    xdotool key Down Down Down Down Return
    for _ in $(seq 100); do [ -f "$1" ] && break; sleep 0.1; done
    kill "$program"
' "$prefix/bin/goalrun" "$slot" "$work/wm_class"
# The desktop ties the window to its entry by the window's class.
grep -q "\"$(sed -n 's/^StartupWMClass=//p' "$desktop")\"\$" "$work/wm_class" ||
    fail "StartupWMClass against the window's $(cat "$work/wm_class")"
[ -f "$slot" ] || fail "no save file in the per-user folder"
# The game's 5122-byte image, then its records (the check of the image, the game's identity).
[ "$(stat -c %s "$slot")" -gt 5122 ] && [ "$(head -c 6 "$slot")" = Vomera ] ||
    fail "save file: $(stat -c %s "$slot") bytes"
[ ! -e "$app/savedata" ] || fail "the program's folder was written"
echo "install test: passed"

#!/usr/bin/env bash
# Builds the Debian package from the build folder as a maintainer would (cpack -G DEB), checks it
# with lintian and its metadata with the AppStream and desktop-entry validators, unpacks it into
# a throw-away root and runs the programs from there. The version the package carries must be
# the one the programs show and the one the newest release notes name.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null
debs=("$work"/out/goalrun_*.deb)
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
[ "${deb##*/}" = "goalrun_${version}_$(dpkg --print-architecture).deb" ] || fail "name ${deb##*/}"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
[ "$(dpkg-deb -f "$deb" Recommends)" = "fonts-noto-cjk, qt6-translations-l10n" ] ||
    fail "recommends"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6 (>= ' || fail "no computed dependencies"
echo "package: ${deb##*/}, $(stat -c %s "$deb") bytes"

# Every note down to the pedantic ones fails, unless data/lintian-overrides answers it.
lint=$(lintian --pedantic -I "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -n "$lint" ] && printf '%s\n' "$lint"
printf '%s\n' "$lint" | grep -q '^[EWIPX]:' && fail "lintian"

root="$work/root"
dpkg -x "$deb" "$root"
share="$root/usr/share"
for file in lib/goalrun/TeamNameList.txt lib/goalrun/goalrun_help{,_en}.html games/goalrun \
    share/icons/hicolor/scalable/apps/goalrun.svg share/mime/packages/goalrun.xml \
    share/man/{,ja/}man6/goalrun{,-cli}.6.gz share/doc/goalrun/copyright; do
    [ -e "$root/usr/$file" ] || fail "missing /usr/$file"
done
# Debian's hardening (control-flow marks come only with a C library built for them, which
# Debian 12's is not), and the size counted as dpkg counts it: each link and folder 1 KiB.
hardening-check --quiet --nocfprotection "$root"/usr/lib/goalrun/goalrun{,-cli} || fail "hardening"
size=$(find "$root" -mindepth 1 \( -type f -printf '%s\n' -o -printf '1\n' \) |
    awk '{ kib += int(($1 + 1023) / 1024) } END { print kib }')
[ "$(dpkg-deb -f "$deb" Installed-Size)" = "$size" ] || fail "Installed-Size, not $size"
metainfo="$share/metainfo/example.vomera.goalrun.metainfo.xml"
desktop="$share/applications/example.vomera.goalrun.desktop"
appstream=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli: $appstream"
printf '%s\n' "$appstream" | grep -q '^[EW]:' && fail "appstreamcli: $appstream"
checked=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$checked" ] ||
    fail "desktop entry: $checked"
grep -qx 'Exec=/usr/bin/goalrun %f' "$desktop" || fail "desktop entry command"
grep -q "<release version=\"$version\" date=" "$metainfo" || fail "no release $version in $metainfo"
zcat "$share/doc/goalrun/changelog.gz" | head -1 | grep -qF "goalrun ($version)" ||
    fail "changelog does not start with $version"

# The installed programs, without a display: the manners of a command-line program.
bin="$root/usr/bin"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
[ "$("$bin/goalrun-cli" --version)" = "goalrun-cli $version" ] || fail "goalrun-cli --version"
[ "$("$bin/goalrun" --version)" = "goalrun $version" ] || fail "goalrun --version"
"$bin/goalrun" --help | grep -q '^usage: goalrun ' || fail "goalrun --help"
status=0
"$bin/goalrun" --bogus >"$work/out.txt" 2>"$work/err.txt" || status=$?
[ "$status" = 2 ] && [ ! -s "$work/out.txt" ] && grep -q '^usage: goalrun ' "$work/err.txt" ||
    fail "goalrun --bogus: status $status"

# A season played by the installed goalrun-cli with the club names shipped beside it.
names=$(iconv -f cp932 -t utf-8 "$root/usr/lib/goalrun/TeamNameList.txt" | tr -d '\r' | head -16)
table=$(printf 'play 30\ntable\nsave %s\n' "$work/season.sav" | "$bin/goalrun-cli" --seed 7)
[ "$(printf '%s\n' "$table" | wc -l)" = 16 ] || fail "table: $table"
printf '%s\n' "$table" | cut -f1 | sort | cmp -s - <(printf '%s\n' "$names" | sort) ||
    fail "the table does not hold the shipped names: $table"
state=$(printf 'load %s\nstate\n' "$work/season.sav" | "$bin/goalrun-cli") || fail "load: $state"
case "$state" in *'"matchday":30'*) ;; *) fail "the saved season does not load: $state" ;; esac
echo "package test: passed"

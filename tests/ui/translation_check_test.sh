#!/bin/sh
# The catalog check fails on each kind of broken entry and passes the catalog as it is: copies of
# goalrun_en.ts, each with one entry broken, must fail and name the entry.
# Usage: translation_check_test.sh LUPDATE SOURCE_DIR
set -eu
lupdate=$1
top=$2
check="$(dirname "$0")/translation_check.sh"
ts="$top/translations/goalrun_en.ts"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copy="$scratch/goalrun_en.ts"
status=0
if ! out=$(sh "$check" "$lupdate" "$top" "$ts" 2>&1); then
    echo "FAIL: the catalog as it is: $out"
    status=1
fi
# kind|translation as it is|broken|what the check names
while IFS='|' read -r kind from to named; do
    FROM=$from TO=$to perl -pe 's/\Q$ENV{FROM}\E/$ENV{TO}/' "$ts" >"$copy"
    if cmp -s "$copy" "$ts"; then
        echo "FAIL: $kind: no entry \"$from\" to break"
        status=1
    elif out=$(sh "$check" "$lupdate" "$top" "$copy" 2>&1); then
        echo "FAIL: $kind: the check passed"
        status=1
    elif ! printf '%s\n' "$out" | grep -qF "$named"; then
        echo "FAIL: $kind: the check did not name \"$named\": $out"
        status=1
    fi
done <<'TABLE'
a place dropped|<translation>Matchday %1, %2: won against %5!<|<translation>Matchday %1: won against %5!<|the places of "第%1節 %2で、%5に勝ちました！"
a place added|<translation>Gained %1 experience points.<|<translation>Gained %1 experience points (%2).<|the places of "経験値%1を獲得しました。"
places reordered|<translation>W %1% D %2% L %3%<|<translation>W %1% D %3% L %2%<|the places of "勝%1% 分%2% 負%3%"
a window text's places reordered|<translation>%1W %2D %3L<|<translation>%2W %1D %3L<|the places of "%1勝%2分%3敗"
unfinished|<translation>Season %1<|<translation type="unfinished">Season %1<|"%1季目" is not translated
empty|<translation>Win chance %1%<|<translation><|"勝利確率%1%" is not translated
an engine's word kept again|<name>TFundsChart</name>|<name>TFundsChart</name><message><source>勝点</source><translation>Pts</translation></message>|"勝点" is the engine's word, yet kept again in TFundsChart
TABLE
[ $status -eq 0 ] && echo "the check fails on each broken entry"
exit $status

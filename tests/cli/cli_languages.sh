#!/bin/sh
# goalrun-cli speaks the languages of the catalogs present (translations/goalrun_<code>.ts) and
# names them, no more and no fewer, in its help and when --lang is refused.
# Usage: cli_languages.sh GOALRUN_CLI SOURCE_DIR
set -u
cli=$1
codes="ja"
for ts in "$2"/translations/goalrun_*.ts; do
    code=${ts##*/goalrun_}
    codes="$codes ${code%.ts}"
done
status=0
fail() {
    echo "FAIL: $1"
    status=1
}
refused=$(echo | "$cli" --lang xx 2>&1 >/dev/null | head -1)
[ "$refused" = "goalrun-cli: --lang takes one of: $codes" ] || fail "refused --lang: $refused"
help=$("$cli" --help | tr '\n' ' ' | tr -s ' ')
for code in $codes; do
    case "$help" in *" $code ("*) ;; *) fail "the help does not name $code" ;; esac
    [ "$(printf 'club\n' | "$cli" --seed 1 --lang "$code" | wc -l)" -eq 12 ] ||
        fail "--lang $code does not show the club panel"
done
[ $status -eq 0 ] && echo "goalrun-cli speaks: $codes"
exit $status

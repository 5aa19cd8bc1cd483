#!/bin/sh
# Fails while a translation file misses a translation of a window text, leaves one unfinished,
# keeps one of a text the window no longer has or names other places (%1, %2 ...) than its
# source. A copy of each file is brought up to date with the sources by lupdate first, as the
# update_translations target does to the file itself.
# Usage: translation_check.sh LUPDATE SOURCE_DIR
set -eu
lupdate=$1
top=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$top"/translations/goalrun_*.ts; do
    copy="$scratch/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none "$top/ui" "$top/support" -ts "$copy"
    if grep -n -B2 -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$copy"; then
        echo "$ts: translations missing or out of date;" \
            "run the update_translations target and translate what it marks"
        status=1
    fi
    # Each translation holds the places %1, %2 ... of its source, no more and no fewer.
    perl -0777 -ne 'while (/<source>(.*?)<\/source>.*?<translation[^>]*>(.*?)<\/translation>/gs) {
        my ($s, $t) = ($1, $2);
        next if join(" ", sort $s =~ /%\d+/g) eq join(" ", sort $t =~ /%\d+/g);
        print "$ARGV: the places of \"$s\" differ in \"$t\"\n"; $bad = 1; }
        END { exit($bad ? 1 : 0) }' "$ts" || status=1
done
exit $status

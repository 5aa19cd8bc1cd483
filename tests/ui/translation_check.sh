#!/bin/sh
# Fails while a catalog (translations/goalrun_<code>.ts, or each TS given) leaves a translation
# unfinished or empty, names other places (%1, %2 ...) than its source or names them in another
# order, keeps a word of the engine's again for the window, misses a text of the window or the
# engine, or keeps one they no longer have. For the
# last two a copy of each file is brought up to date with the sources by lupdate first, as the
# update_translations target does to the file itself.
# Usage: translation_check.sh LUPDATE SOURCE_DIR [TS ...]
set -eu
lupdate=$1
top=$2
shift 2
[ $# -gt 0 ] || set -- "$top"/translations/goalrun_*.ts
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$@"; do
    # Each translation is finished, not empty, and holds the places of its source in its order:
    # the engine fills them by number, and a swapped pair shows one value where the other belongs.
    # A word of the engine's (contexts Game...) that the window shows too is that one entry.
    perl -0777 -ne 'while (/<context>\s*<name>(.*?)<\/name>(.*?)<\/context>/gs) {
        my ($context, $messages) = ($1, $2);
        while ($messages =~ /<message>.*?<source>(.*?)<\/source>(?:\s*<comment>(.*?)<\/comment>)?.*?<translation([^>]*)>(.*?)<\/translation>/gs) {
            my ($s, $meaning, $attributes, $t) = ($1, $2 // "", $3, $4);
            # A text told apart by its meaning (a disambiguation) is another word.
            push @{$seen{"$s\0$meaning\0$t"}}, $context;
            if ($attributes =~ /type="(unfinished|vanished|obsolete)"/ || $t eq "") {
                print "$ARGV: \"$s\" is not translated\n"; $bad = 1; next; }
            next if join(" ", $s =~ /%\d+/g) eq join(" ", $t =~ /%\d+/g);
            print "$ARGV: the places of \"$s\" differ in \"$t\"\n"; $bad = 1; } }
        for my $key (sort keys %seen) {
            my @contexts = @{$seen{$key}};
            next if @contexts < 2 || !grep(/^Game/, @contexts);
            my ($s) = split /\0/, $key;
            print "$ARGV: \"$s\" is the engine\x27s word, yet kept again in ",
                join(", ", grep(!/^Game/, @contexts)), "\n";
            $bad = 1; }
        END { exit($bad ? 1 : 0) }' "$ts" || status=1
    copy="$scratch/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none -tr-function-alias QT_TRANSLATE_NOOP+=ZN_TRANSLATE_NOOP \
        "$top/ui" "$top/support" "$top/words" -ts "$copy"
    if grep -n -B2 -E 'type="(unfinished|vanished|obsolete)"' "$copy"; then
        echo "$ts: translations missing or out of date;" \
            "run the update_translations target and translate what it marks"
        status=1
    fi
done
exit $status

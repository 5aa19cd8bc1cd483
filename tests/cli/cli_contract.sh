#!/usr/bin/env bash
# The command-line contract of goalrun-cli that scripts rely on.
set -uo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

check() { # description, expected, actual
    if [ "$2" != "$3" ]; then
        printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

run() { "$cli" --names /dev/null "$@"; }

# A new game at start: the three opening lines; nothing but printing commands writes output.
out=$(printf 'play 2\ninvest 5\nnext\nclear\nnew\nlog\n' | run --seed 3 2>/dev/null)
check "opening lines" $'あなたを監督に招いたのは、我がチームを優勝に導いてもらうためです。\nそのために、2億円を資金として捻出しました。\nそれでは、健闘を祈ります。' "$out"

# A seed makes a run reproducible; blank lines, comments and CR LF line ends are skipped.
a=$(printf 'play 7\ninvest 100\nplay\nstate\n' | run --seed 42)
b=$(printf '# comment\n\nplay 7\r\ninvest 100\r\nplay\nstate\n' | run --seed 42)
check "same seed, same game" "$a" "$b"
check "state is one line of JSON" 1 "$(printf '%s\n' "$a" | wc -l)"
case "$a" in *'"matchday":8'*'"money":'*) ;; *) check "state holds the matchday" "matchday 8" "$a" ;; esac

# The box shows the plain decimal form of the amount, "0" after a refusal.
check "box normalised" $'0\n12\n0\n7' "$(printf 'box\ninvest ０１２\nbox\ninvest abc\nbox\ninvest \u3000+7 \nbox\n' | run --seed 1 2>/dev/null)"

# Play stops at matchday 30; next only after it.
out=$(printf 'next\nplay 40\nclub\n' | run --seed 9 2>/dev/null)
check "play stops at 30" "今節	なし" "$(printf '%s\n' "$out" | grep '^今節	')"
out=$(printf 'play 30\nnext\nclub\n' | run --seed 9)
check "next season" "シーズン	2季目" "$(printf '%s\n' "$out" | grep '^シーズン')"

# The views: 16 table rows of 10 cells, 8 fixtures of 3 cells, 12 club rows, 16 prizes.
out=$(printf 'table\n' | run --seed 1)
check "table rows" 16 "$(printf '%s\n' "$out" | wc -l)"
check "table cells" 10 "$(printf '%s\n' "$out" | head -1 | awk -F'\t' '{print NF}')"
check "first matchday" $'P\t-\tK' "$(printf 'fixtures 1\n' | run --seed 1 | head -1)"
check "club rows" 12 "$(printf 'club\n' | run | wc -l)"
check "prizes" $'1\t8億1920万円' "$(printf 'prizes\n' | run | head -1)"
check "last prize" $'16\t1万円' "$(printf 'prizes\n' | run | tail -1)"

# Save and load: the game comes back, the log is cleared.
printf 'play 11\ninvest 250\nsave %s\n' "$work/a.sav" | run --seed 5
check "the image, then the records" "ZnRecord" "$(tail -c +5123 "$work/a.sav" | head -c 8)"
saved=$(printf 'play 11\ninvest 250\nstate\n' | run --seed 5 | sed 's/"seed":[0-9]*,//; s/"box":"[^"]*",//')
loaded=$(printf 'load %s\nstate\nlog\n' "$work/a.sav" | run --seed 77 | sed 's/"seed":[0-9]*,//; s/"box":"[^"]*",//')
check "load restores the state and clears the log" "$saved" "$loaded"

# Failures: reported with the line number, exit status 1, the game unchanged.
head -c 5121 "$work/a.sav" >"$work/short.sav"
err=$(printf 'play\nload %s\nbogus\nfixtures 31\nplay x\n' "$work/short.sav" | run 2>&1 >/dev/null)
status=$?
check "failure status" 1 "$status"
check "load failure lines" "$work/short.sav"$'\n'"ファイルは開けません" "$(printf '%s\n' "$err" | grep -A1 -x -F "$work/short.sav")"
check "failures name their lines" "2 3 4 5" "$(printf '%s\n' "$err" | sed -n 's/^goalrun-cli: line \([0-9]*\):.*/\1/p' | tr '\n' ' ' | sed 's/ $//')"
out=$(printf 'save %s\n' "$work/missing/x.sav" | run 2>&1 >/dev/null)
check "save failure" "ファイルを作成できませんでした" "$(printf '%s\n' "$out" | tail -1)"

# Hostile input: a line over 64 KiB is refused unread, the commands after it still run, and a
# refused line is quoted to 80 characters; output that cannot be written fails the run.
err=$({ printf 'x%.0s' $(seq 70000); printf '\nbox\n'; printf 'é%.0s' $(seq 81); echo; } | run 2>&1 >"$work/box")
check "long line status" 1 "$?"
check "after a long line" 0 "$(cat "$work/box")"
check "refused lines quoted short" "goalrun-cli: line 1: longer than 65536 bytes, not run: $(printf 'x%.0s' $(seq 80))…
goalrun-cli: line 3: unknown command or missing argument: $(printf 'é%.0s' $(seq 80))…" "$err"
rm "$work/box"
printf 'table\n' | run >/dev/full 2>/dev/null
check "unwritable output" 1 "$?"
# So is output whose reader went away, the help and the version included: status 1, not the
# signal's 141. Descriptor 6 is a pipe whose only reader is closed.
mkfifo "$work/pipe"
exec 5<>"$work/pipe" 6>"$work/pipe" 5<&-
rm "$work/pipe"
for options in --help --version "--seed 1"; do
    err=$(printf 'play 30\ntable\n' | run $options 2>&1 >&6)
    check "no reader: $options" "1 goalrun-cli: cannot write the output" "$? $err"
done
exec 6>&-
printf 'state\n%.0s' $(seq 40) | run --seed 1 2>/dev/null | head -1 >/dev/null
check "| head -1" 1 "${PIPESTATUS[1]}"

# Paths the file system cannot take whole, and what is not a regular file, are refused at once.
mkfifo "$work/fifo"
err=$(printf 'save %s\0b\nload %s\0b\nsave  \nload\nsave %s\nload %s\n' "$work/a" "$work/a" \
    "$work/fifo" "$work/fifo" | timeout 10 "$cli" --names /dev/null 2>&1 >/dev/null)
check "refused paths status" 1 "$?"
check "refused paths" "1 2 3 4 5 6" "$(printf '%s\n' "$err" | sed -n 's/^goalrun-cli: line \([0-9]*\):.*/\1/p' | tr '\n' ' ' | sed 's/ $//')"
check "NUL and blank names" 4 "$(printf '%s\n' "$err" | grep -c 'blank or holds a NUL byte')"
check "nothing written" "a.sav fifo short.sav" "$(ls "$work" | tr '\n' ' ' | sed 's/ $//')"

# The career: a line of twelve fields per completed season, oldest first, kept by a save.
history=$(printf 'play 30\nnext\nplay 30\nsave %s\nhistory\n' "$work/career.sav" | run --seed 9)
check "history lines" 2 "$(printf '%s\n' "$history" | wc -l)"
check "history fields" "1 12" "$(printf '%s\n' "$history" | head -1 | awk -F'\t' '{print $1, NF}')"
check "history after a load" "$history" "$(printf 'load %s\nhistory\n' "$work/career.sav" | run)"

# The odds of the next match, with an amount as the box reads it; refused like the command.
check "odds lines" $'win=0.1517 draw=0.2576 loss=0.5908\nwin=0.1663 draw=0.2630 loss=0.5706' \
    "$(printf 'odds\nodds １００\n' | run --seed 1)"
printf 'odds 20001\n' | run >/dev/null 2>&1
check "odds beyond the funds" 1 "$?"
printf 'play 30\nodds\n' | run >/dev/null 2>&1
check "odds without a next match" 1 "$?"

# The price of a win chance: one line per chance, a whole amount (0 when none is needed) or "-".
price=$(printf 'price\nprice 1\n' | run --seed 1)
[[ $price =~ ^(([579]0)$'\t'([0-9]+|-)$'\n'){3}1$'\t'0$ ]] || check "price lines" "P<tab>amount" "$price"

# A command that cannot run, or is given what it cannot take, says why on its line and fails the
# run; the commands after it still run. A title ends the game: from a save of rich funds (a plain
# image, money at byte 1026, season at 5114) thirty matchdays of 100000 invested win it.
printf 'save %s\n' "$work/new.sav" | run --seed 2
head -c 5122 "$work/new.sav" >"$work/rich.sav"
printf '\x40\x4b\x4c\x00' | dd of="$work/rich.sav" bs=1 seek=1026 conv=notrunc 2>/dev/null
printf '\xe8\x03\x00\x00' | dd of="$work/rich.sav" bs=1 seek=5114 conv=notrunc 2>/dev/null
title="load $work/rich.sav$(printf '\\ninvest 100000\\nplay%.0s' $(seq 30))"
check "a title won" 1 "$(printf "$title\nhistory\n" | run | grep -c $'\t優勝$')"
# input | what the reason says
refused=('play 30\nplay|the season is over (next starts' 'play 30\nplay 0|the season is over'
    'play 30\ninvest 5|the season is over' 'next|not over: 0 of 30' 'play 3\nnext|not over: 3 of 30'
    "$title\nplay|the title is won" "$title\ninvest 5|the title is won" "$title\nnext|the title is won"
    "$title\nodds|the title is won" 'invest abc|nothing invested' 'invest 20001|nothing invested'
    'invest|nothing invested' 'odds 20001|not an amount' 'play 30\nodds|the season is over'
    'price 0|from 1 to 99' 'price 50 abc|from 1 to 99' 'price 100|from 1 to 99'
    'play 30\nprice|the season is over' 'review 1|takes no argument: 1' 'records x|takes no argument'
    'history 2|takes no argument' 'state x|takes no argument' 'new x|takes no argument'
    'box 1|takes no argument' 'next 2|takes no argument' 'table x|takes no argument'
    'club x|takes no argument' 'prizes x|takes no argument' 'log x|takes no argument'
    'clear x|takes no argument' 'help play|takes no argument')
for row in "${refused[@]}"; do
    input=${row%%|*} last=${row%%|*} last=${last##*\\n}
    err=$(printf "$input\nprizes\n" | run 2>&1 >"$work/out")
    status=$?
    check "refused: $last" "1 goalrun-cli: line $(printf "$input\n" | wc -l): ${last%% *}: 1 last prize" \
        "$status $(printf '%s\n' "$err" | grep -F -- "${row#*|}" | cut -d: -f1-3): $(printf '%s\n' "$err" | wc -l) $(tail -1 "$work/out" | sed 's/^16\t1万円$/last prize/')"
done
rm "$work/out" "$work/new.sav" "$work/rich.sav"
# The record views. A report: eight fixtures, each a score line and six rounds whose G's are the
# goals; the review's keys in order; the records book of completed seasons.
report=$(printf 'invest 900\nplay 3\nreport 2\n' | run --seed 4)
check "report lines" "8 48" "$(printf '%s\n' "$report" | awk -F'\t' '/ - /{s++} /^[1-6]\t[-xG]\t[-xG]$/{r++} END{print s, r}')"
check "report goals are the G's" 0 "$(printf '%s\n' "$report" | awk -F'\t' '/ - /{split($2,g," - "); if (NR>1) bad+=(h!=hg||a!=ag); hg=g[1]; ag=g[2]; h=a=0; next} {h+=$2=="G"; a+=$3=="G"} END{print bad+(h!=hg||a!=ag)}')"
# live: six quarter-hours whose last scores are report's, the rank at the end is table's; a live
# line's scores never fall; no matchday or no rounds fails.
live=$(printf 'invest 900\nplay 3\nlive\nreport\ntable\n' | run --seed 4)
check "live lines" 6 "$(printf '%s\n' "$live" | grep -cP '^[1-6]\t([1-9]|1[0-6])(\t[0-6]-[0-6]){8}$')"
check "live ends at the report's scores" \
    "$(printf '%s\n' "$live" | awk -F'\t' '/ - /{gsub(/ /, "", $2); printf "%s ", $2}' | sed 's/ $//')" \
    "$(printf '%s\n' "$live" | awk -F'\t' '/^6\t/ && NF == 10 {for (i = 3; i <= NF; i++) printf "%s%s", $i, (i < NF ? " " : "")}')"
check "live rank is the table's at the end" \
    "$(printf '%s\n' "$live" | awk -F'\t' -v me="$(printf 'club\n' | run | head -1 | cut -f2)" '$1 == me && NF == 10 {print $2}')" \
    "$(printf '%s\n' "$live" | awk -F'\t' '/^6\t/ && NF == 10 {print $2}')"
check "live scores never fall" 0 "$(printf '%s\n' "$live" | awk -F'\t' '/^[1-6]\t/ && NF == 10 {for (i = 3; i <= 10; i++) {split($i, s, "-"); if (s[1] < h[i] || s[2] < a[i]) bad++; h[i] = s[1]; a[i] = s[2]}} END{print bad + 0}')"
for input in 'live' 'play 30\nnext\nlive' 'play\nlive 1'; do
    printf "$input\n" | run --seed 4 >/dev/null 2>&1
    check "live refused: $input" 1 "$?"
done
keys="season played rank points wins draws losses goals_for goals_against money_start invested bonuses prize money_now level_start level_now best_win worst_defeat longest_unbeaten longest_winning title_race title_decided"
check "review keys" "$keys" "$(printf 'invest 900\nplay 5\nreview\n' | run --seed 4 | cut -d= -f1 | tr '\n' ' ' | sed 's/ $//')"
check "review sums" "money_start=20000 invested=900" "$(printf 'invest 900\nplay 5\nreview\n' | run --seed 4 | grep -E '^(money_start|invested)=' | tr '\n' ' ' | sed 's/ $//')"
head -c 5122 "$work/a.sav" >"$work/plain.sav"
check "review after a file without records" "$(printf '%s\n' "$keys" | sed 's/money_start invested //; s/level_start //')" \
    "$(printf 'load %s\nreview\n' "$work/plain.sav" | run | cut -d= -f1 | tr '\n' ' ' | sed 's/ $//')"
printf 'load %s\nlive\n' "$work/plain.sav" | run >/dev/null 2>&1
check "live without rounds" 1 "$?"
check "report without rounds" 8 "$(printf 'load %s\nreport\n' "$work/plain.sav" | run | wc -l)"
printf 'report\nplay 2\nreport 3\nreport 0\n' | run >/dev/null 2>&1
check "report out of range" 1 "$?"
# timeline: each event in the quarter-hour of the report's round that holds it, the same count of
# marks, time order, and the fixtures' last scores are the report's.
timeline() { printf 'invest 900\nplay 3\ntimeline %s\n' "$1" | run --seed "$2"; }
for seed in 4 17; do
    for day in 1 3; do
        tl=$(timeline "$day" "$seed")
        rep=$(printf 'invest 900\nplay 3\nreport %s\n' "$day" | run --seed "$seed")
        check "timeline agrees with report ($seed, $day)" "$(printf '%s\n' "$rep" | awk -F'\t' '
            / - / {f++; next} {for (s = 2; s <= 3; s++) if ($s != "-") print f, $1, (s == 2 ? "H" : "A"), ($s == "G" ? "goal" : "chance")}' | sort)" \
            "$(printf '%s\n' "$tl" | awk -F'\t' '{print $1, int(($2 - 1) / 15) + 1, $3, $4}' | sort)"
        check "timeline in time order, last scores the report's ($seed, $day)" \
            "$(printf '%s\n' "$rep" | awk -F'\t' '/ - / {f++; split($2, g, " - "); if (g[1] + g[2] > 0) print f, g[1] "-" g[2]}')" \
            "$(printf '%s\n' "$tl" | awk -F'\t' '$2 < m || ($2 == m && $1 < p) {print "unordered"} {m = $2; p = $1}
                $4 == "goal" {last[$1] = $5} END {for (f = 1; f <= 8; f++) if (f in last) print f, last[f]}')"
    done
done
printf 'timeline\n' | run >/dev/null 2>&1
check "timeline before any matchday" 1 "$?"
printf 'play 2\ntimeline 3\n' | run >/dev/null 2>&1
check "timeline out of range" 1 "$?"
printf 'load %s\ntimeline\n' "$work/plain.sav" | run >/dev/null 2>&1
check "timeline without rounds" 1 "$?"
# The title race: decided only with a matchday, and the season's end as the table says.
check "title race open early" $'title_race=open\ntitle_decided=0' "$(printf 'play 3\nreview\n' | run --seed 4 | grep '^title_')"
out=$(printf 'play 30\ntable\nreview\n' | run --seed 4)
check "title race at the end" "$(printf '%s\n' "$out" | awk -F'\t' 'NF == 10 {if ($1 == "P") me = $5; else if ($5 > best) best = $5}
    END {print (me > best ? "clinched" : me < best ? "out" : "open")}')" "$(printf '%s\n' "$out" | sed -n 's/^title_race=//p')"
check "no records yet" $'seasons=0\ntitles=0' "$(printf 'records\n' | run)"
check "records keys" "seasons=2 titles best_rank most_points most_goals fewest_conceded biggest_win longest_unbeaten highest_money" \
    "$(printf 'play 30\nnext\nplay 30\nnext\nrecords\n' | run --seed 9 | sed '/^seasons=/!s/=.*//' | tr '\n' ' ' | sed 's/ $//')"

# Each command's bounds: the value just outside is refused on its line, the one at the edge runs,
# and the commands after a refusal still run.
err=$(printf 'fixtures 0\nfixtures 31\nfixtures 30\nreport 0\nplay 0\nplay -1\nplay 1000001\nprice 0\nprice 100\nprice 1 99\nodds -1\nplay 1\nreport 1\nreport 2\nstate\n' |
    run --seed 2 2>&1 >"$work/out")
check "bounds status" 1 "$?"
check "bounds refused" "1 2 4 6 7 8 9 11 14" "$(printf '%s\n' "$err" | sed -n 's/^goalrun-cli: line \([0-9]*\):.*/\1/p' | tr '\n' ' ' | sed 's/ $//')"
check "bounds: the edges run" "67 1" "$(wc -l <"$work/out") $(tail -1 "$work/out" | grep -c '"matchday":1,')"
run </ >/dev/null 2>"$work/err"
check "read error status" "1 goalrun-cli: line 1: cannot read the input" "$? $(cat "$work/err")"
err=$({ head -c 65536 /dev/zero | tr '\0' x; echo; head -c 65537 /dev/zero | tr '\0' x; echo; } | run 2>&1 >/dev/null)
check "a line may hold 65536 bytes" "unknown longer" "$(printf '%s\n' "$err" | sed -n 's/^goalrun-cli: line [12]: \([a-z]*\).*/\1/p' | tr '\n' ' ' | sed 's/ $//')"
# The review agrees with the player's row of the table; the records book with the history.
out=$(printf 'play 30\ntable\nreview\n' | run --seed 4)
check "review is the table's row" "$(printf '%s\n' "$out" | awk -F'\t' '$1=="P"{print $3, $5, $6, $7, $8, $9}')" \
    "$(printf '%s\n' "$out" | sed -n 's/^\(points\|wins\|draws\|losses\|goals_for\|goals_against\)=//p' | tr '\n' ' ' | sed 's/ $//')"
out=$(printf 'play 30\nnext\nplay 30\nnext\nplay 30\nnext\nplay 30\nhistory\nrecords\n' | run --seed 11)
check "records book of the history" "$(printf '%s\n' "$out" | awk -F'\t' 'NF == 12 {
        if (n++ == 0 || $2 < r) { r = $2; rs = $1 } if (n == 1 || $3 > p) { p = $3; ps = $1 }
        if (n == 1 || $7 > g) { g = $7; gs = $1 } if (n == 1 || $8 < c) { c = $8; cs = $1 }
        if (n == 1 || $10 > m) { m = $10; ms = $1 } }
    END { printf "best_rank=%s\t%s most_points=%s\t%s most_goals=%s\t%s fewest_conceded=%s\t%s highest_money=%s\t%s", r, rs, p, ps, g, gs, c, cs, m, ms }')" \
    "$(printf '%s\n' "$out" | grep -E '^(best_rank|most_points|most_goals|fewest_conceded|highest_money)=' | tr '\n' ' ' | sed 's/ $//')"

# Languages: Japanese unless --lang says otherwise. In English a whole season, every printing
# command and a load of damaged records show no Japanese character when the clubs are A to P.
check "ja by default" "$(printf 'club\nhelp\n' | run --seed 1)" "$(printf 'club\nhelp\n' | run --seed 1 --lang ja)"
cp "$work/a.sav" "$work/damaged.sav"
printf '\x5a' | dd of="$work/damaged.sav" bs=1 seek=$(($(stat -c %s "$work/a.sav") - 1)) conv=notrunc 2>/dev/null
en=$(printf 'help\ninvest abc\ninvest 20001\ninvest 50\nodds\nprice\nplay 30\ntable\nprizes\nfixtures 2\nreport\nreview\nhistory\nnext\nclub\nrecords\nlog\nload %s\nlog\nclub\nload %s\nsave %s\n' \
    "$work/damaged.sav" "$work/short.sav" "$work/missing/x.sav" | run --lang en --seed 4 2>&1)
check "English has no Japanese" "" "$(printf '%s\n' "$en" | LC_ALL=C grep -n $'[\xe3-\xe9]')"
check "English money" $'Funds\t¥200,000,000' "$(printf 'club\n' | run --lang en | grep '^Funds')"
# The last byte is the checksum of the last section: only its records are lost.
check "English damaged records" 1 \
    "$(printf '%s\n' "$en" | grep -c "^Could not read this season's matches of your club: damaged")"

# Options: bad ones give status 2.
for options in "--seed" "--seed abc" "--seed 4294967296" "--seed -1" "--bogus" "--lang xx"; do
    echo | "$cli" $options >/dev/null 2>&1
    check "bad option $options" 2 "$?"
done
echo | "$cli" --seed 4294967295 --names /dev/null >/dev/null
check "largest seed" 0 "$?"
# --help answers on standard output and plays nothing, even with commands waiting.
# (The commands come from a file: --help may end before a pipe's writer has written.)
printf 'play\nstate\n' >"$work/commands"
out=$("$cli" --seed 1 --help <"$work/commands")
check "help status" 0 "$?"
check "help" "usage: goalrun-cli [--seed N] [--names FILE] [--lang L]" "$(printf '%s\n' "$out" | head -1)"
case "$out" in *'"matchday"'*) check "help starts no game" "" "$out" ;; esac
# ... and lists every command on a line of its own, as the command help does.
commands=$(printf '%s\n' "$out" | sed -n '/^commands:/,/^$/p' | sed '/^$/d')
check "help lists the commands" "$(printf 'help\n' | run)" "$commands"
printf '%s\n' "$commands" | grep -q '^   ' && check "one line per command" "" "$commands"

# Names from a code page 932 file.
for i in $(seq 1 16); do printf 'クラブ%d\r\n' "$i"; done | iconv -f utf-8 -t cp932 >"$work/names.txt"
check "names from code page 932" $'担当チーム\tクラブ16' "$(printf 'club\n' | "$cli" --names "$work/names.txt" | head -1)"

# A challenge code: the same code gives the same seasons and saves, another code others.
script='invest 300\nplay 30\nnext\nplay 12\ntable\nachievements\nsave %s\n'
printf "$script" "$work/code1.sav" | run --code SAKURA26 >"$work/code1.out"
printf "$script" "$work/code2.sav" | run --code sakura26 >"$work/code2.out"
printf "$script" "$work/code3.sav" | run --code SAKURA27 >"$work/code3.out"
check "same code, same output" "$(cat "$work/code1.out")" "$(cat "$work/code2.out")"
# Two games of one code play alike: their saves differ only in each game's identity (its 16
# bytes and the checksum of its section).
check "same code, same save" "$(head -c 5122 "$work/code1.sav" | od -An -tx1)" \
    "$(head -c 5122 "$work/code2.sav" | od -An -tx1)"
check "same code, same records but the identity" "yes" \
    "$([ "$(wc -c <"$work/code1.sav")" = "$(wc -c <"$work/code2.sav")" ] &&
        [ "$(cmp -l "$work/code1.sav" "$work/code2.sav" | wc -l)" -le 20 ] && echo yes)"
cmp -s "$work/code1.sav" "$work/code3.sav"
check "another code, another save" 1 "$?"
check "the code travels in the save" 1 "$(grep -c CHAL "$work/code1.sav")"
# Achievements: id, season from 1, matchday; the same after a load; none at easy.
earned=$(grep -E $'^[a-z_]+\t[0-9]+\t[0-9]+$' "$work/code1.out")
case "$earned" in first_win$'\t'1$'\t'*) ;; *) check "first achievement" "first_win	1	M" "$earned" ;; esac
check "achievements after a load" "$earned" "$(printf 'load %s\nachievements\n' "$work/code1.sav" | run)"
check "none at easy" "" "$(printf 'play 30\nachievements\n' | run --code SAKURA26 --difficulty easy)"
for row in "easy 3億円" "normal 2億円" "hard 1億円"; do
    set -- $row
    check "starting funds at $1" "監督資金	$2" "$(printf 'club\n' | run --difficulty "$1" | grep '^監督資金')"
done
check "difficulty after a load" "監督資金	1億円" \
    "$(printf 'save %s\nnew\nload %s\nclub\n' "$work/hard.sav" "$work/hard.sav" | run --difficulty hard | grep '^監督資金')"
for options in "--code" "--code ABCD0123" "--code ABCDEFG" "--code ABCDEFGHJ" "--difficulty" \
    "--difficulty Hard" "--seed 1 --code ABCDEFGH"; do
    echo | "$cli" $options >/dev/null 2>&1
    check "bad option $options" 2 "$?"
done
ids=$("$cli" --help | sed -n '/^achievements (/,/^$/p' | sed 1d | awk 'NF > 1 {print $1}' | tr '\n' ' ')
check "help lists the achievement ids" "first_win ten_in_a_row giant_killing unbeaten_season title title_in_five frugal_title hundred_seasons " "$ids"

# A script keeps the pipes open and talks: each answer arrives before the next command is
# written, not when the input ends. The time limits only end a hung run.
mkfifo "$work/to" "$work/from"
timeout 20 "$cli" --names /dev/null --seed 1 <"$work/to" >"$work/from" 2>/dev/null &
talker=$!
exec 7>"$work/to" 8<"$work/from"
answers=""
for command in "price 70" "box" "price 90"; do
    printf '%s\n' "$command" >&7
    IFS= read -r -t 10 answer <&8 || break
    answers+="$answer;"
done
check "answers while the pipe stays open" $'70\t3121;0;90\t4727;' "$answers"
exec 7>&- 8<&-
wait "$talker"
check "ends with its input" 0 "$?"

# A code is counted in characters: eight with one outside the alphabet is named, whatever its
# bytes.
err=$(echo | "$cli" --code "SAKURA2Ö" 2>&1 >/dev/null)
case "$err" in *"not 'Ö'"*) ;; *) check "a code's wrong character" "... not 'Ö'" "$err" ;; esac
err=$(echo | "$cli" --code "さくら" 2>&1 >/dev/null)
case "$err" in *", not 3"*) ;; *) check "a code's length in characters" "... not 3" "$err" ;; esac

[ "$failures" -eq 0 ] && echo "cli contract: all checks passed"
exit $((failures > 0))

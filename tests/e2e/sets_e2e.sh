#!/usr/bin/env bash
# A teacher's spreadsheet reaches a game without a terminal: an .xlsx of 40 questions lies in
# the user folder's "Sady otázek"; in the real window under Xvfb the sets panel lists it, it is
# switched on (the shipped questions off) and a clock game plays a question from it.
# The shipped questions here have three one-letter answers and the sheet's a long right one,
# so a screenshot tells which set a question came from.
set -u
game=$1 qbank=$2 xclose=$3 out=$4
status=0
display=:176
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/x11_helpers.sh"

dir=$out/sets
shots=$dir
make_long_answer_game "$dir" "$game" "$qbank"
for n in $(seq 1000); do
    printf 'Zkušební otázka číslo %d?\nx\ny\nz\n\n' "$n"
done >"$dir/questions.txt"
"$qbank" compile "$dir/questions.txt" -o "$dir/game/Data/otazky4.crp" >/dev/null || fail "qbank"
for n in $(seq 40); do
    printf 'Otázka z tabulky číslo %d?\nSprávná odpověď je tento dlouhý řádek\na\nb\n\n' "$n"
done >"$dir/Dějepis.txt"
"$qbank" compile "$dir/Dějepis.txt" -o "$dir/sheet.crp" >/dev/null 2>&1 || fail "qbank compile"
mkdir -p "$dir/home/Sady otázek"
"$qbank" export "$dir/sheet.crp" -o "$dir/home/Sady otázek/Dějepis.xlsx" >/dev/null ||
    fail "qbank export"

# The darkness of the three answer blocks: a long line in one of them tells the sheet's question.
answers_show_a_long_line() {  # screenshot name
    local picture="$shots/$1.png" w x0 corner means=()
    shot "$1"
    read -r w _ <<<"$(at 250 0)"; read -r x0 _ <<<"$(at 0 0)"; w=$(( w - x0 ))
    for block in "48 255" "65 354" "82 453"; do
        set -- $block
        corner=$(at $(( $1 + 120 )) $(( $2 + 4 )) | tr ' ' +)
        means+=("$(convert "$picture" -crop "${w}x$(( w * 26 / 250 ))+$corner" \
                   -colorspace Gray -format '%[fx:mean]' info:)")
    done
    awk -v a="${means[0]}" -v b="${means[1]}" -v c="${means[2]}" 'BEGIN {
        lo = a; hi = a
        if (b < lo) lo = b; if (c < lo) lo = c; if (b > hi) hi = b; if (c > hi) hi = c
        exit !(hi - lo > 0.03) }'
}

start_game "$dir"
sleep 1
click 400 300 2                # skip the intro
click 575 166                  # Jeden hráč
click 475 545                  # Sady otázek
shot panel_open
click 116 163                  # the shipped set off
click 116 193                  # Dějepis.xlsx on
shot panel_chosen
click 639 469 2                # Hotovo
grep -q '^Question sets=Dějepis.xlsx' "$dir/home/tarvex_p.ini" || fail "the choice is not kept"
grep -q 'Sets: 40 questions from the chosen sets' "$dir/game/Debug.log" ||
    fail "the sheet's questions were not read"
click 422 238                  # Hra na čas
click 700 259 7                # Start; the answers come one a second
answers_show_a_long_line sheet_question || fail "the question shown is not from the sheet"
x key Escape
sleep 2.5
close_game "$xclose"
[ $status -eq 0 ] && echo "the sheet was chosen in the panel and its question played"
exit $status

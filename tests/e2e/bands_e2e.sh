#!/usr/bin/env bash
# The buzzer game's board in the side bands of the real window under Xvfb at 1920x1080: black
# on the set-up screen, then the players' names and points in their colours beside the play
# area once a question is played. The players come ready from users2.dat.
set -u
game=$1 qbank=$2 xclose=$3 out=$4
status=0
display=:158
screen_size=1920x1080
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/x11_helpers.sh"

dir="$out/bands"
make_long_answer_game "$dir" "$game" "$qbank"
mkdir -p "$dir/home/System"
# Ada on key A (scan code 30) and Bob on L (38), both playing; three empty rows.
record() {
    printf '%-28s' "$1" | tr ' ' '\0'
    printf "$2"'\000\000\000\001\000\000\000\000\000\000\000\001\000\000\000'
}
{ record Ada '\036'; record Bob '\046'; head -c 132 /dev/zero; } >"$dir/home/System/users2.dat"

# The share of the right band's pixels that show exactly this colour (0 to 1).
band_share() {  # screenshot rgb
    convert "$dir/$1.png" -crop 240x1080+1680+0 +repage -fill white -opaque "$2" \
        -fill black +opaque white -format '%[fx:mean]' info:
}
nonzero() { awk -v v="$1" 'BEGIN { exit !(v > 0) }'; }

shots=$dir
start_game "$dir"
sleep 1
for _ in 1 2 3; do click 40 440 1.5; done   # skip the intro, however slowly it starts
click 425 241 2                             # Více hráčů
shot setup
nonzero "$(band_share setup 'rgb(0,0,0)')" || fail "no black band beside the set-up"
nonzero "$(band_share setup 'rgb(246,185,41)')" && fail "the set-up shows a board in its band"
click 469 543 2                             # Hrát
click 695 254 0.5                           # Start
sleep 7
x key a; sleep 0.3; x key F1; sleep 0.8    # Ada claims and answers
shot question
nonzero "$(band_share question 'rgb(246,185,41)')" || fail "no gold Ada in the right band"
nonzero "$(band_share question 'rgb(31,181,165)')" || fail "no teal Bob in the right band"
close_game "$xclose"
[ $status -eq 0 ] && echo "bands: ok"
exit $status

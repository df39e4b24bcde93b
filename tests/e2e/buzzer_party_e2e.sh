#!/usr/bin/env bash
# A whole 10-question buzzer game for three in the real window under Xvfb. Cyril holds his
# key down through the first question and never claims it: the held key must not buzz. Ada
# and Bob share the rest, Ada winning more. The results screen must rank Ada first (her
# row in her colour), then a key leads to the table, where this game's rows are marked.
# An optional fifth argument sets the screen size (1024x768 unless given).
set -u
game=$1 qbank=$2 xclose=$3 out=$4 size=${5:-1024x768}
status=0
display=:157
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/x11_helpers.sh"

dir="$out/buzzer_party_$size"
make_long_answer_game "$dir" "$game" "$qbank"
record() {  # name key
    python3 -c 'import sys, struct
name = sys.argv[1].encode("cp1250")
sys.stdout.buffer.write(name.ljust(28, b"\0") + struct.pack("<iiiB3x", int(sys.argv[2]), 1, 0, 1))' "$1" "$2"
}
mkdir -p "$dir/home/System"
{ record Ada 30; record Bob 38; record Cyril 50; head -c 88 /dev/zero; } >"$dir/home/System/users2.dat"

shots=$dir screen_size=$size
start_game "$dir"

# The red, green and blue (0..255) of a play-area point of a screenshot.
rgb_at() {  # picture x y
    local point
    point=$(at "$2" "$3" | tr ' ' ,)
    convert "$1" -format "%[fx:int(255*p{$point}.r)] %[fx:int(255*p{$point}.g)] \
%[fx:int(255*p{$point}.b)]" info:
}

# Whether a play-area box of a screenshot holds a pixel near the colour (each channel
# within 40): the box is scaled to the screen, then its pixels are compared.
box_has_colour() {  # picture x y width height r g b
    local corner w h
    corner=$(at "$2" "$3" | tr ' ' +)
    read -r w h <<<"$(at $(( $2 + $4 )) $(( $3 + $5 )))"
    read -r x0 y0 <<<"$(at "$2" "$3")"
    convert "$1" -crop "$(( w - x0 ))x$(( h - y0 ))+$corner" -depth 8 txt:- |
        awk -v r="$6" -v g="$7" -v b="$8" -F'[(),]' '
            NR > 1 { d1 = $3 - r; d2 = $4 - g; d3 = $5 - b
                     if (d1 < 0) d1 = -d1; if (d2 < 0) d2 = -d2; if (d3 < 0) d3 = -d3
                     if (d1 < 40 && d2 < 40 && d3 < 40) { found = 1; exit } }
            END { exit !found }'
}


# One question: waits for its answers, then `key` claims and answers right.
play_question() {  # number key
    local slot
    sleep 6.2
    slot=$(right_answer "question$1")
    [ "$slot" -ge 1 ] 2>/dev/null || { fail "no answer found in question $1"; slot=1; }
    x key "$2"; sleep 0.3
    x key "F$slot"
    sleep 3                    # the points, then the pause before the next question
}

# Whether the set-up screen is up: its Next button is green.
setup_open() {
    shot probe
    set -- $(rgb_at "$dir/probe.png" 469 543)
    [ "$2" -gt $(( $1 + 50 )) ] && [ "$2" -gt $(( $3 + 50 )) ]
}

for _ in $(seq 10); do
    click 40 440 1.5           # skip the intro
    click 425 241 2            # Více hráčů
    setup_open && break
done
setup_open || fail "the set-up screen did not open"
click 214 421 1                # 10 questions
shot setup
grep -q '^Buzzer questions=10' "$dir/home/tarvex_p.ini" || fail "the game length is not in the profile"
click 469 543 2                # Hrát
shot before_start
click 695 254 0.3              # Start

# Question 1: Cyril holds his key from the question's start to its end, never claiming it.
x keydown m
sleep 6.2
slot=$(right_answer question1)
sleep 3                        # three seconds of held key into the claim phase
shot question1_held
x key a; sleep 0.3
x key "F$slot"; sleep 3
x keyup m
for question in 2 3 4 5 6; do play_question "$question" a; done
for question in 7 8 9 10; do play_question "$question" l; done
sleep 1
shot results
# Ada (gold, row 1's colour) heads the results, Bob (teal) is second; Cyril (coral) is last.
box_has_colour "$dir/results.png" 215 222 200 30 246 185 41 || fail "Ada does not head the results"
box_has_colour "$dir/results.png" 215 272 200 30 31 181 165 || fail "Bob is not second"
box_has_colour "$dir/results.png" 215 322 200 30 236 90 63 || fail "Cyril is not third"
sleep 2                        # the results stay at least two seconds
x key space; sleep 1.5
shot scores

python3 - "$dir/home/System/mp2.sco" <<'PY' || fail "mp2.sco does not hold the game"
import struct, sys
data = open(sys.argv[1], 'rb').read()
rows = []
for i in range(10):
    name = data[64 * i:64 * i + 28].split(b'\0')[0].decode('cp1250')
    points, answered, wrong, right = struct.unpack_from('<4i', data, 64 * i + 28)
    if points != -100:
        rows.append((name, points, answered, wrong, right))
assert [r[0] for r in rows] == ['Ada', 'Bob'], rows   # Cyril never scored
assert rows[0][2:] == (10, 0, 6) and rows[1][2:] == (10, 0, 4), rows
PY
# The table marks the two rows of this game beside the table, and no other.
box_has_colour "$dir/scores.png" 700 196 90 18 255 226 140 || fail "row 1 is not marked"
box_has_colour "$dir/scores.png" 700 218 90 18 255 226 140 || fail "row 2 is not marked"
box_has_colour "$dir/scores.png" 700 240 90 18 255 226 140 && fail "row 3 is marked"

close_game "$xclose"
[ $status -eq 0 ] && echo "a 10-question game for three played to its results and the marked table"
exit $status

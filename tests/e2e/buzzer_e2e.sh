#!/usr/bin/env bash
# Plays the buzzer game in the real window under Xvfb, as two players would: both switch
# their rows on, type their names, choose their keys on the on-screen keyboard, then claim
# and answer with their own keys. Both must then be in mp2.sco with their tallies.
# The question file is made for the test: the right answer is a long line and the wrong
# ones single letters, so a screenshot tells which answer is right.
set -u
game=$1 qbank=$2 xclose=$3 out=$4
status=0
display=:152
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/x11_helpers.sh"

dir="$out/buzzer"
make_long_answer_game "$dir" "$game" "$qbank"

shots=$dir
start_game "$dir"

# Whether a point of the play area shows a colour: green (the set-up's Next button) or cream
# (the game's question block).
pixel_is() {  # x y green|cream
    local rgb point
    shot probe
    point=$(at "$1" "$2" | tr ' ' ,)
    rgb=$(convert "$dir/probe.png" -format "%[fx:int(255*p{$point}.r)] \
%[fx:int(255*p{$point}.g)] %[fx:int(255*p{$point}.b)]" info:)
    set -- $rgb "$3"
    case $4 in
        green) [ "$2" -gt $(( $1 + 50 )) ] && [ "$2" -gt $(( $3 + 50 )) ] ;;
        cream) [ "$1" -gt 230 ] && [ "$2" -gt 230 ] && [ "$3" -gt 200 ] ;;
    esac
}


# Waits for the answers of the next question and prints the right slot.
next_right_answer() {  # screenshot name
    local slot
    sleep 6                    # question, three answers one a second, then the claim phase
    slot=$(right_answer "$1")
    [ "$slot" -ge 1 ] 2>/dev/null || { fail "no answer found on $1"; slot=1; }
    echo "$slot"
}

# A loaded machine may start slowly: skip the intro until the main menu takes the click
# that opens the set-up (the point of the intro click is a blank spot of the main menu, the set-up and the class lobby).
for _ in $(seq 10); do
    click 40 440 1.5           # skip the intro
    click 425 241 2            # Více hráčů
    pixel_is 469 543 green && break
done
pixel_is 469 543 green || fail "the set-up screen did not open"
shot setup_fresh
click 586 180 1.5              # row 0 on: its name field takes the typing
x type Ada; x key Return; sleep 0.5
click 514 184 1                # row 0's key button opens the keyboard
shot setup_keyboard
x key a; sleep 1.8             # the keyboard closes a second after the choice
click 608 226 1.5              # row 1 on
x type Bob; x key Return; sleep 0.5
click 533 229 1
x key l; sleep 1.8
shot setup_ready
click 469 543 2                # Hrát
pixel_is 300 150 cream || fail "the game screen did not open"
click 695 254 0.5              # Start

# Question 1: Ada claims and answers right.
slot=$(next_right_answer question1)
x key a; sleep 0.3
x key "F$slot"; sleep 0.5
shot question1_right

# Question 2: Ada answers wrong, then Bob answers right.
sleep 2
slot=$(next_right_answer question2)
x key a; sleep 0.3
x key "F$(( slot % 3 + 1 ))"; sleep 0.5
shot question2_wrong
sleep 2.2                      # the claim phase reopens for the others
x key l; sleep 0.3
x key "F$slot"; sleep 0.8
shot question2_right
x key Escape
sleep 2
shot results                   # the game's results, then a key on to the table
x key space
sleep 1
shot scores

python3 - "$dir/home/System/mp2.sco" <<'PY' || fail "mp2.sco does not hold both players"
import struct, sys
data = open(sys.argv[1], 'rb').read()
assert len(data) == 640, len(data)
rows = {}
for i in range(10):
    name = data[64 * i:64 * i + 28].split(b'\0')[0].decode('cp1250')
    points, answered, wrong, right = struct.unpack_from('<4i', data, 64 * i + 28)
    if points != -100:
        rows[name] = (points, answered, wrong, right)
assert set(rows) == {'Ada', 'Bob'}, rows
ada, bob = rows['Ada'], rows['Bob']
assert ada[1:] == (2, 1, 1) and 0 < ada[0] <= 5, ada
assert bob[1:] == (2, 0, 1) and 0 < bob[0] <= 10, bob
PY
# Both names are on the score screen: its first two name fields carry text.
for row in 0 1; do
    corner=$(at 174 $(( 191 + 22 * row )) | tr ' ' +)
    spread=$(convert "$dir/scores.png" -crop "115x26+$corner" \
             -colorspace Gray -format '%[fx:standard_deviation]' info:)
    awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || fail "row $row of the score screen is empty"
done

close_game "$xclose"
[ $status -eq 0 ] && echo "buzzer game played by two; both in mp2.sco and on the score screen"
exit $status

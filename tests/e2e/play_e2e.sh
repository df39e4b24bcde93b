#!/usr/bin/env bash
# Plays both single-player games in the real window under Xvfb, as a player would: from the
# main menu to the score table, typing a name, which must then be in the table file.
# The question file is made for the test: the right answer is a long line and the wrong
# ones single letters, so a screenshot tells which answer to pick.
set -u
game=$1 qbank=$2 xclose=$3 out=$4
status=0
display=:151
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/x11_helpers.sh"

make_long_answer_game "$out/play" "$game" "$qbank"

shots=$out/play
start_game "$out/play"

check_table() {  # file, expected name -> fails unless row 0 has the name and positive points
    python3 - "$out/play/home/System/$1" "$2" <<'PY' || fail "$1 does not hold the name $2"
import struct, sys
data = open(sys.argv[1], 'rb').read()
assert len(data) == 640, len(data)
name = data[0:28].split(b'\0')[0].decode('cp1250')
points, answered, wrong, right = struct.unpack_from('<4i', data, 28)
assert name == sys.argv[2], name
assert points > 0 and right == 1 and answered == 1 and wrong == 0, (points, answered, wrong, right)
assert data[44:52].count(b'/') == 2
PY
}

play_one_question() {  # screenshot name
    local slot
    slot=$(right_answer "$1")
    [ "$slot" -ge 1 ] 2>/dev/null || { fail "no answer found on $1"; slot=1; }
    x key "F$slot"
    sleep 1
}

sleep 1
click 400 300 2                # skip the intro
click 575 166                  # Jeden hráč
click 422 238                  # Hra na čas
click 700 259 7                # Start; the answers come one a second
play_one_question clock_game
x key Escape
sleep 2.5
shot clock_scores
x type Tester
x key Return
sleep 1
check_table sp_fp2.sco Tester

click 406 519                  # back to the menu
click 575 166                  # Jeden hráč
click 274 316 2                # Hra o životy: the first question comes with its answers
play_one_question lives_game
x key Escape
sleep 2.5
x type Hrac
x key Return
sleep 1
shot lives_scores
check_table sp_fr2.sco Hrac

close_game "$xclose"
[ $status -eq 0 ] && echo "both games played; names in sp_fp2.sco and sp_fr2.sco"
exit $status

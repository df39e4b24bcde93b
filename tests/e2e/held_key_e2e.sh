#!/usr/bin/env bash
# A buzzer key held down in the real window under Xvfb: Ada presses her key while the
# answers are still being revealed and holds it for seconds, well into the claim phase, so
# the X server repeats it. The repeats must claim nothing: had they claimed, her answer
# window would run out while she holds the key and she would be locked out of the question.
# After letting go she claims with a fresh press and answers right, so she must be in
# mp2.sco with one right answer and no wrong one.
set -u
game=$1 qbank=$2 xclose=$3 out=$4
status=0
display=:153
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/x11_helpers.sh"

dir="$out/held_key"
make_long_answer_game "$dir" "$game" "$qbank"
# Both players ready from the start: Ada on A (scan code 30), Bob on L (38).
python3 - "$dir/home/System/users2.dat" <<'PY'
import struct, sys, os
os.makedirs(os.path.dirname(sys.argv[1]), exist_ok=True)
def record(name, key):
    return name.encode().ljust(28, b'\0') + struct.pack('<3i', key, 1, 0) + b'\1\0\0\0'
open(sys.argv[1], 'wb').write(record('Ada', 30) + record('Bob', 38) + bytes(132))
PY

shots=$dir
start_game "$dir"


# Whether a point of the play area shows the set-up's green Next button.
is_green() {
    local point rgb
    shot probe
    point=$(at "$1" "$2" | tr ' ' ,)
    rgb=$(convert "$dir/probe.png" -format "%[fx:int(255*p{$point}.r)] \
%[fx:int(255*p{$point}.g)] %[fx:int(255*p{$point}.b)]" info:)
    set -- $rgb
    [ "$2" -gt $(( $1 + 50 )) ] && [ "$2" -gt $(( $3 + 50 )) ]
}

# A loaded machine may start slowly: skip the intro until the main menu opens the set-up.
for _ in $(seq 10); do
    click 40 440 1.5
    click 425 241 2
    is_green 469 543 && break
done
is_green 469 543 || fail "the set-up screen did not open"
click 469 543 2                # Hrát: both rows come complete from users2.dat
click 695 254 0.5              # Start
sleep 1                        # the question is up, its answers are still coming
x keydown a
sleep 7.5                      # held through the rest of the reveal and 2 s of claiming
shot held
x keyup a
sleep 2.5                      # long past the five seconds a claim by the repeats would have
slot=$(right_answer answers)
[ "$slot" -ge 1 ] 2>/dev/null || { fail "no answer found"; slot=1; }
x key a; sleep 0.3
shot ada_claims
x key "F$slot"; sleep 0.8
shot ada_right
x key Escape
sleep 2
shot scores

python3 - "$dir/home/System/mp2.sco" <<'PY' || fail "the held key claimed: Ada did not score"
import struct, sys
data = open(sys.argv[1], 'rb').read()
rows = {}
for i in range(len(data) // 64):
    name = data[64 * i:64 * i + 28].split(b'\0')[0].decode('cp1250')
    points, answered, wrong, right = struct.unpack_from('<4i', data, 64 * i + 28)
    if points != -100:
        rows[name] = (points, wrong, right)
assert set(rows) == {'Ada'}, rows
assert rows['Ada'][1:] == (0, 1) and rows['Ada'][0] > 0, rows
PY

close_game "$xclose"
[ $status -eq 0 ] && echo "a key held for seconds claimed nothing; a fresh press did"
exit $status

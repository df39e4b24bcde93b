#!/usr/bin/env bash
# Soak test: the real game under Xvfb, driven by random clicks and keys for a given time.
# Fails on a crash (the game ends by a signal or with a status other than 0), a hang, a
# torn or stray file in the user folder, any change to the game folder, or resident memory
# that keeps growing. The game may end normally when a random click hits its exit: it is
# then started again.
#
# A hang is a game that no longer draws frames or handles window events: every 2 s the
# window is pinged (_NET_WM_PING, answered by the game's event pump, which runs once per
# frame) and must answer within 5 s. Under Xvfb without a window manager a live game
# sometimes stops answering pings after an X error of its window library, so an unanswered
# ping counts as a hang only when the frame loop did not sleep in those 5 s (it sleeps
# whenever a frame is done early) and the screen then stays the same for 5 s of random input.
# A message box the game opens runs its own loop; while one is open the window is
# not pinged and the box is closed with Enter.
#
# Usage: soak.sh <game binary> <xping> <xclose> <work folder> [minutes]
set -u
game=$(readlink -f "$1") xping=$2 xclose=$3 out=$4 minutes=${5:-10}
gamedir=$(dirname "$game")
out=$(mkdir -p "$out" && cd "$out" && pwd)  # the game runs in its own folder
display=:${SOAK_DISPLAY:-173}
home="$out/home"
status=0
fail() { echo "FAIL: $*"; status=1; }
. "$(dirname "$0")/../e2e/x11_helpers.sh"

rm -rf "$out" && mkdir -p "$home"
# The game's log goes to the work folder, so the game folder must stay exactly as it was.
printf '[Brellik]\nRuntime path=%s/\n' "$out" >"$home/tarvex_p.ini"

snapshot_game_folder() {
    (cd "$gamedir" && find . -path ./Debug.log -prune -o -type f -print0 | sort -z |
        xargs -0 sha256sum)
}
snapshot_game_folder >"$out/game-before.txt"

start_xvfb 24 "$out/xvfb.log"
x() { DISPLAY=$display xdotool "$@" 2>/dev/null; }

pid=""
window=""
starts=0
start_game() {
    (cd "$gamedir" && exec env BRELLIK_HOME="$home" DISPLAY=$display SDL_VIDEODRIVER=x11 \
        SDL_AUDIODRIVER=dummy "$game" >>"$out/game.log" 2>&1) &
    pid=$!
    starts=$((starts + 1))
    window=$(wait_for_window Brellik)
    [ -n "$window" ] || fail "no game window after start $starts"
    # Loading the pictures and questions comes before the first frame.
    next_ping=$(( $(date +%s) + 10 ))
}

# Whether the game still runs: a game that has ended stays a zombie until it is waited for.
running() { [ -e "/proc/$pid" ] && ! grep -q '^State:.*Z' "/proc/$pid/status" 2>/dev/null; }

# Other viewable top-level windows: message boxes.
other_windows() {
    DISPLAY=$display xwininfo -root -children 2>/dev/null |
        awk '/"/ && !/"Brellik":/ {print $1}' |
        while read -r id; do
            DISPLAY=$display xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && echo "$id"
        done
}

# Pings the game's window; the window may have been made anew since it was last found.
window_changes=0
unanswered=0
screen_hash() {
    DISPLAY=$display import -window root -depth 8 rgb:- 2>/dev/null | md5sum | cut -c1-32
}
# The screen changes within 5 s of random input: frames are still being drawn.
screen_moves() {
    local first
    first=$(screen_hash)
    for _ in $(seq 20); do
        random_input
        sleep 0.25
        [ "$(screen_hash)" != "$first" ] && return 0
    done
    return 1
}
sleeps() { awk '/^voluntary_ctxt_switches:/ {print $2}' "/proc/$pid/status" 2>/dev/null; }
ping_game() {
    local now_window before
    before=$(sleeps)
    "$xping" "$window" 5000 && return 0
    now_window=$(wait_for_window Brellik)
    if [ -n "$now_window" ] && [ "$now_window" != "$window" ]; then
        window=$now_window
        window_changes=$((window_changes + 1))
        "$xping" "$window" 5000 && return 0
    fi
    # The frame loop sleeps whenever a frame is done early; one that spins or waits for
    # ever does not.
    if [ $(( $(sleeps) - before )) -lt 5 ] && ! screen_moves; then return 1; fi
    unanswered=$((unanswered + 1))
}

# Keys a player might press: letters, digits, Enter, Esc, Space, Backspace, Tab, F1-F3,
# arrows. Never Alt+F4: closing the window is tested elsewhere.
keys=(a b c e j k o p s z 1 2 3 Return Escape space BackSpace Tab F1 F2 F3 Up Down Left Right)
random_input() {
    if (( RANDOM % 4 == 0 )); then
        x key "${keys[RANDOM % ${#keys[@]}]}"
    else
        x mousemove $(( 112 + RANDOM % 800 )) $(( 84 + RANDOM % 600 ))
        (( RANDOM % 3 != 0 )) && x click 1
    fi
}

next_ping=0
start_game
end=$(( $(date +%s) + minutes * 60 ))
next_sample=0
boxes=0
echo "time,pid,rss_kb" >"$out/memory.csv"
while [ $status -eq 0 ] && [ "$(date +%s)" -lt "$end" ]; do
    if ! running; then
        wait "$pid"; code=$?
        if [ "$code" -ne 0 ]; then
            fail "the game ended with status $code (start $starts)"
            break
        fi
        start_game
        continue
    fi
    now=$(date +%s)
    if [ "$now" -ge "$next_sample" ]; then
        rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null)
        [ -n "$rss" ] && echo "$now,$pid,$rss" >>"$out/memory.csv"
        next_sample=$((now + 10))
    fi
    box=$(other_windows | head -n 1)
    if [ -n "$box" ]; then
        boxes=$((boxes + 1))
        DISPLAY=$display import -window root "$out/box-$boxes.png" 2>/dev/null
        x key --window "$box" Return
        sleep 0.5
        continue
    fi
    if [ "$now" -ge "$next_ping" ]; then
        if ! ping_game && running && [ -z "$(other_windows)" ]; then
            DISPLAY=$display import -window root "$out/hang.png" 2>/dev/null
            fail "the game did not answer for 5 s (start $starts)"
            grep -E '^(State|Threads):' "/proc/$pid/status"
            command -v gdb >/dev/null &&
                gdb -batch -p "$pid" -ex 'thread apply all bt' >"$out/hang-stacks.txt" 2>&1
            break
        fi
        next_ping=$((now + 2))
    fi
    random_input
    sleep 0.0$(( RANDOM % 9 + 1 ))
done

if running; then
    DISPLAY=$display "$xclose" "$window"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the game did not end when its window was closed"
        kill "$pid"
    fi
fi
wait "$pid" 2>/dev/null; code=$?
[ "$code" -eq 0 ] || [ $status -ne 0 ] || fail "the game ended with status $code at the end"
stop_xvfb

snapshot_game_folder >"$out/game-after.txt"
diff -q "$out/game-before.txt" "$out/game-after.txt" >/dev/null ||
    fail "the game folder changed: $(diff "$out/game-before.txt" "$out/game-after.txt" | head -n 5)"

python3 - "$home" "$out/memory.csv" <<'PY' || status=1
import os, statistics, sys
home, memory = sys.argv[1], sys.argv[2]
# Every file the game may leave in the user folder, with the sizes that make it whole.
expected = {'tarvex_p.ini': None, 'Brellik.lock': None,
            'System/sp_fp2.sco': 640, 'System/sp_fr2.sco': 640, 'System/mp2.sco': 640,
            'System/ini2.dat': 4, 'System/ini_dr2.dat': 4,
            # The buzzer game's key file: add its whole size once it is written.
            'System/users2.dat': None}
ok = True
for folder, _, files in os.walk(home):
    for name in files:
        path = os.path.relpath(os.path.join(folder, name), home)
        size = os.path.getsize(os.path.join(folder, name))
        if path not in expected:
            print(f'FAIL: stray file in the user folder: {path} ({size} bytes)'); ok = False
        elif expected[path] is not None and size != expected[path]:
            print(f'FAIL: torn file {path}: {size} bytes'); ok = False
        else:
            print(f'user folder: {path} {size} bytes')
rows = [line.split(',') for line in open(memory).read().split('\n')[1:] if line]
runs = {}
for _, pid, rss in rows: runs.setdefault(pid, []).append(int(rss))
longest = max(runs.values(), key=len) if runs else []
print(f'memory: {len(rows)} samples, {len(runs)} game starts, longest run {len(longest)} samples')
if len(longest) >= 9:
    third = len(longest) // 3
    middle = statistics.median(longest[third:2 * third])
    last = statistics.median(longest[2 * third:])
    print(f'resident memory (kB): first {longest[0]}, middle third {middle}, last third {last}, '
          f'max {max(longest)}')
    # Growing means the last third sits clearly above the middle one, not just noise.
    if last > middle * 1.10 + 8192:
        print('FAIL: resident memory keeps growing'); ok = False
sys.exit(0 if ok else 1)
PY
echo "soak: $minutes min, $starts game start(s), $boxes message box(es)," \
     "$window_changes new game window(s), $unanswered unanswered ping(s) while the game ran"
[ $status -eq 0 ] && echo "soak: ok"
exit $status

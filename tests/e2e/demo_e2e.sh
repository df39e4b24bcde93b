#!/usr/bin/env bash
# Runs the platform demo in a real window under Xvfb at depths 15, 16 and 24, sends a
# click and a key with xdotool, closes the window and checks the messages it printed.
set -u
demo=$1 xclose=$2 out=$3
mkdir -p "$out"
status=0

fail() { echo "FAIL (depth $depth): $*"; status=1; }
. "$(dirname "$0")/x11_helpers.sh"

for depth in 15 16 24; do
    display=":$((90 + depth))"
    start_xvfb "$depth" "$out/xvfb-$depth.log"
    log="$out/demo-$depth.log"
    DISPLAY=$display SDL_VIDEODRIVER=x11 "$demo" >"$log" 2>&1 &
    demo_pid=$!
    for _ in $(seq 100); do grep -q '^Ready' "$log" && break; sleep 0.1; done
    window=$(wait_for_window 'Brellik demo')
    if [ -z "$window" ]; then
        fail "no window"
    else
        DISPLAY=$display xdotool windowfocus "$window" 2>/dev/null
        sleep 0.3
        # Play-area point (300, 200), shown 1.28 times larger on the 1024 x 768 screen.
        DISPLAY=$display xdotool mousemove $(screen_point 300 200 1024 768)
        sleep 0.2
        DISPLAY=$display xdotool mousedown 1
        sleep 0.1
        DISPLAY=$display xdotool mouseup 1
        sleep 0.1
        DISPLAY=$display xdotool key a
        sleep 0.5
        DISPLAY=$display import -window root "$out/demo-$depth.png" 2>/dev/null
        DISPLAY=$display "$xclose" "$window" || fail "could not close the window"
    fi
    for _ in $(seq 50); do kill -0 "$demo_pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$demo_pid" 2>/dev/null; then
        fail "the demo did not quit when its window was closed"
        kill "$demo_pid"
    fi
    wait "$demo_pid" 2>/dev/null
    expected_depth=16; [ "$depth" = 24 ] && expected_depth=32
    # The screen the program sees is the play area.
    grep -q "^Ready 800x600 depth $expected_depth" "$log" || fail "wrong display mode"
    grep -q '^LButtonDown x=300 y=200' "$log" || fail "no left button down at (300, 200)"
    grep -q '^LButtonUp x=300 y=200' "$log" || fail "no left button up"
    grep -q '^KeyDown scan=30' "$log" || fail "no key down for A (scan 30)"
    grep -q '^Char code=97 up=0' "$log" || fail "no character a"
    grep -q '^Char code=97 up=1' "$log" || fail "no character a with the key-up flag"
    grep -q '^KeyUp scan=30' "$log" || fail "no key up for A"
    grep -q '^Close' "$log" || fail "no close message"
    # The key's messages come in order: KeyDown, Char, Char up, KeyUp.
    order=$(grep -E '^(KeyDown scan=30|Char code=97|KeyUp scan=30)' "$log" | cut -c1-12 | tr '\n' '|')
    [ "$order" = "KeyDown scan|Char code=97|Char code=97|KeyUp scan=3|" ] || fail "key order: $order"
    stop_xvfb
    [ $status -eq 0 ] && echo "depth $depth: ok"
done
exit $status

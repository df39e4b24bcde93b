#!/usr/bin/env bash
# Starts the game under Xvfb at depths 16 and 24: it must write Debug.log, refuse a second
# instance with the "Informace" box, and end with status 0 when its window is closed. Its
# sound goes to SDL's dummy driver: the game runs silent and says so once in Debug.log.
set -u
game=$1 xclose=$2 out=$3
mkdir -p "$out"
status=0
fail() { echo "FAIL (depth $depth): $*"; status=1; }
. "$(dirname "$0")/x11_helpers.sh"

for depth in 16 24; do
    display=":$((120 + depth))"
    start_xvfb "$depth" "$out/xvfb-$depth.log"
    home="$out/home-$depth"
    rm -rf "$home"
    gamedir=$(dirname "$game")
    (cd "$gamedir" && BRELLIK_HOME=$home DISPLAY=$display SDL_VIDEODRIVER=x11 \
        SDL_AUDIODRIVER=dummy ./$(basename "$game") >"$out/game-$depth.log" 2>&1) &
    first=$!
    window=$(wait_for_window Brellik)
    [ -n "$window" ] || fail "no game window"
    sleep 1
    head -n 1 "$gamedir/Debug.log" | grep -qx 'Interface::PreInit () OK' || fail "Debug.log does not begin with the start line"
    [ "$(grep -cx 'No audio device: the game is silent' "$gamedir/Debug.log")" = 1 ] ||
        fail "Debug.log does not say once that the game is silent"
    DISPLAY=$display import -window root "$out/game-$depth.png" 2>/dev/null

    # A second start shows the box and ends with status 0 once the box is closed.
    (cd "$gamedir" && BRELLIK_HOME=$home DISPLAY=$display SDL_VIDEODRIVER=x11 ./$(basename "$game") \
        >"$out/second-$depth.log" 2>&1) &
    second=$!
    box=$(wait_for_window Informace)
    if [ -n "$box" ]; then
        DISPLAY=$display import -window root "$out/second-$depth.png" 2>/dev/null
        DISPLAY=$display "$xclose" "$box"
    else
        fail "no Informace box for the second instance"
        kill "$second" 2>/dev/null
    fi
    wait "$second"; code=$?
    [ "$code" = 0 ] || fail "the second instance ended with $code"
    kill -0 "$first" 2>/dev/null || fail "the first instance did not survive the second start"

    [ -n "$window" ] && DISPLAY=$display "$xclose" "$window"
    for _ in $(seq 50); do kill -0 "$first" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$first" 2>/dev/null; then
        fail "the game did not end when its window was closed"
        kill "$first"
    fi
    wait "$first"; code=$?
    [ "$code" = 0 ] || fail "the game ended with status $code"
    stop_xvfb
    [ $status -eq 0 ] && echo "depth $depth: ok"
done
exit $status

#!/usr/bin/env bash
# The play area scaled to big screens under Xvfb: at 1920x1080 and 1280x1024 the game
# skips its intro and takes clicks on main-menu and single-player buttons where they are
# drawn scaled (the show-answer switch writes System/ini2.dat); at 1920x1080 F11 and
# Alt+Enter switch between the window and fullscreen, and the profile remembers the choice.
set -u
game=$1 xclose=$2 out=$3
status=0
depth=24
fail() { echo "FAIL ($size): $*"; status=1; }
. "$(dirname "$0")/x11_helpers.sh"

shots=$out/scale
window_width() { DISPLAY=$display xwininfo -id "$window" | awk '/Width:/ {print $2}'; }
# Runs the command until it succeeds, for up to 10 s (the machine may be busy).
eventually() { for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done; return 1; }
width_is() { [ "$(window_width)" "$1" "$2" ]; }
switch_turned() { [ "$(switch_byte)" != "$before" ]; }
switch_byte() { od -An -tx1 -N1 "$home/System/ini2.dat" 2>/dev/null | tr -d ' '; }

rm -rf "$out/scale" && mkdir -p "$out/scale"
gamedir=$(dirname "$game")
for size in 1920x1080 1280x1024; do
    width=${size%x*} height=${size#*x}
    screen_size=$size
    display=":$((160 + ${width:0:2}))"
    home="$out/scale/home-$size"
    start_xvfb "$depth" "$out/scale/xvfb-$size.log" "$size"
    (cd "$gamedir" && BRELLIK_HOME=$home DISPLAY=$display SDL_VIDEODRIVER=x11 \
        ./$(basename "$game") >"$out/scale/game-$size.log" 2>&1) &
    pid=$!
    window=$(wait_for_window Brellik)
    [ -n "$window" ] || fail "no game window"
    sleep 1
    click 400 300                  # skip the intro
    sleep 2
    shot "menu-$size"
    click 575 166                  # Jeden hráč: the single-player menu
    shot "single-$size"
    click 194 532                  # its show-answer switch, there and nowhere else
    eventually test -f "$home/System/ini2.dat" ||
        fail "the click did not reach the single-player menu"

    if [ "$size" = 1920x1080 ]; then
        [ "$(window_width)" = 1920 ] || fail "not fullscreen at start: $(window_width)"
        x key F11
        eventually width_is -lt 1920 || fail "F11 did not leave fullscreen"
        eventually grep -qx 'Full screen=0' "$home/tarvex_p.ini" || fail "the window was not kept"
        shot "window-$size"
        before=$(switch_byte)
        x key alt+Return
        eventually width_is = 1920 || fail "Alt+Enter did not go back to fullscreen"
        eventually grep -qx 'Full screen=1' "$home/tarvex_p.ini" || fail "fullscreen was not kept"
        sleep 1
        click 194 532              # still the same screen: the switch turns back
        eventually switch_turned || fail "the screen changed on Alt+Enter"
    fi

    close_game "$xclose"
    [ $status -eq 0 ] && echo "$size: ok"
done
exit $status

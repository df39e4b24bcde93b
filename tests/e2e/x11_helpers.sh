# Shell helpers for the end-to-end tests under Xvfb. Expects $display to be set.

# Prints the id of the mapped top-level window with exactly this name, waiting up to 30 s
# (a loaded machine starts the game slowly).
wait_for_window() {
    local name=$1 id
    for _ in $(seq 300); do
        for id in $(DISPLAY=$display xwininfo -root -children 2>/dev/null |
                    awk -v name="\"$name\":" 'index($0, name) {print $1}'); do
            if DISPLAY=$display xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
                echo "$id"
                return
            fi
        done
        sleep 0.1
    done
}

# Starts Xvfb on $display at the given depth (and size, 1024x768 unless given) and waits
# until it answers.
start_xvfb() {
    local depth=$1 log=$2 size=${3:-1024x768}
    Xvfb "$display" -screen 0 "$size"x"$depth" -nolisten tcp >"$log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 300); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
}

stop_xvfb() {
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
}

# Prints the screen point "x y" that shows play-area point (x, y) when the 800 x 600 play
# area is scaled smoothly to fill a width x height screen (bars around it).
screen_point() {
    local x=$1 y=$2 w=$3 h=$4 pw ph
    if [ $((w * 600)) -le $((h * 800)) ]; then pw=$w; ph=$((w * 600 / 800))
    else ph=$h; pw=$((h * 800 / 600)); fi
    echo $(( (w - pw) / 2 + (2 * x + 1) * pw / 1600 )) $(( (h - ph) / 2 + (2 * y + 1) * ph / 1200 ))
}

# A game folder in <dir>/game beside a user folder <dir>/home: the built game's pictures and
# layouts, and 1000 questions whose right answer is the one long line, so a test can see it.
make_long_answer_game() {  # dir game qbank
    local dir=$1 game=$2 qbank=$3 gamedir
    gamedir=$(dirname "$game")
    rm -rf "$dir" && mkdir -p "$dir/game/Data" "$dir/home"
    ln -s "$game" "$dir/game/brellik"
    ln -s "$gamedir/Bitmaps" "$dir/game/Bitmaps"
    cp "$gamedir/Data/key.txt" "$gamedir/Data/intro.dat" "$dir/game/Data/"
    for n in $(seq 1000); do
        printf 'Zkušební otázka číslo %d?\nSprávná odpověď je tento dlouhý řádek\na\nb\n\n' "$n"
    done >"$dir/questions.txt"
    "$qbank" compile "$dir/questions.txt" -o "$dir/game/Data/otazky4.crp" || fail "qbank"
}

# Closes the game's window as a player would and stops Xvfb; the game must end with status 0.
close_game() {  # xclose
    DISPLAY=$display "$1" "$window"
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then fail "the game did not end"; kill "$pid"; fi
    wait "$pid"; local code=$?
    [ "$code" = 0 ] || fail "the game ended with status $code"
    stop_xvfb
}

# Starts Xvfb (24-bit, at $screen_size) and the game of <dir>/game with the user folder
# <dir>/home, and waits for its window: sets $pid and $window.
start_game() {  # dir
    start_xvfb 24 "$1/xvfb.log" "${screen_size:-1024x768}"
    (cd "$1/game" && BRELLIK_HOME="$1/home" DISPLAY=$display SDL_VIDEODRIVER=x11 ./brellik \
        >"$1/game.log" 2>&1) &
    pid=$!
    window=$(wait_for_window Brellik)
    [ -n "$window" ] || fail "no game window"
}

# Driving the play area: points are given in the 800 x 600 play area, shown scaled on a
# $screen_size screen (1024x768 unless set); screenshots go to $shots.
x() { DISPLAY=$display xdotool "$@"; }
at() {
    local size=${screen_size:-1024x768}
    screen_point "$1" "$2" "${size%x*}" "${size#*x}"
}
click() {  # x y [seconds to wait after]
    x mousemove $(at "$1" "$2"); sleep 0.2
    x mousedown 1; sleep 0.1; x mouseup 1; sleep "${3:-1}"
}
shot() { DISPLAY=$display import -window root "$shots/$1.png" 2>/dev/null; }

# Takes screenshot <name> and prints the slot (1..3) whose answer block shows the long line
# of make_long_answer_game's questions: the darkest 250 x 26 band of text.
right_answer() {  # name
    local picture="$shots/$1.png" best=0 best_mean=2 slot=1 mean corner w x0
    shot "$1"
    read -r w _ <<<"$(at 250 0)"; read -r x0 _ <<<"$(at 0 0)"; w=$(( w - x0 ))
    for block in "48 255" "65 354" "82 453"; do
        set -- $block
        corner=$(at $(( $1 + 120 )) $(( $2 + 4 )) | tr ' ' +)
        mean=$(convert "$picture" -crop "${w}x$(( w * 26 / 250 ))+$corner" \
               -colorspace Gray -format '%[fx:mean]' info:)
        if awk -v m="$mean" -v b="$best_mean" 'BEGIN { exit !(m < b) }'; then
            best=$slot
            best_mean=$mean
        fi
        slot=$((slot + 1))
    done
    echo $best
}

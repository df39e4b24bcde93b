# Shell helpers for the end-to-end tests under Xvfb. Expects $display to be set.

# Prints the id of the mapped top-level window with exactly this name, waiting up to 10 s.
wait_for_window() {
    local name=$1 id
    for _ in $(seq 100); do
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

# Starts Xvfb on $display at the given depth and waits until it answers.
start_xvfb() {
    local depth=$1 log=$2
    Xvfb "$display" -screen 0 1024x768x"$depth" -nolisten tcp >"$log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
}

stop_xvfb() {
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
}

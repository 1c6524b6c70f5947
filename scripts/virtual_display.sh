# Sourced by the scripts that run the program on a virtual X display (Xvfb and xdotool needed).

# start_virtual_display FIRST GEOMETRY: starts Xvfb of GEOMETRY (e.g. 1024x768x24) on the first
# free display number from FIRST on, exports DISPLAY and sets xvfb_pid; fails when the display
# has not come up after five seconds.
start_virtual_display() {
    local number=$1
    while [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; do
        number=$((number + 1))
    done
    export DISPLAY=":${number}"
    Xvfb "$DISPLAY" -screen 0 "$2" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
        if xdotool getdisplaygeometry >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# stop_virtual_display: ends the Xvfb that start_virtual_display started, if any.
stop_virtual_display() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}

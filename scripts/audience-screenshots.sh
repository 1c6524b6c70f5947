#!/usr/bin/env bash
# Photographs the players' display (F5) on a virtual X display at 1920x1080 and 800x600: idle,
# in the middle of a roll, after several draws and after the last number of a 30-number game.
# Usage: scripts/audience-screenshots.sh [build folder]; the pictures go to screenshots/.
set -euo pipefail

build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
if [ ! -x "$build/app/palvo" ]; then
    echo "audience-screenshots.sh: $build/app/palvo does not exist; build first" >&2
    exit 1
fi
for tool in Xvfb xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "audience-screenshots.sh: $tool is missing; run scripts/install-deps.sh linux" >&2
        exit 1
    fi
done

display_number=120
while [ -e "/tmp/.X${display_number}-lock" ] || [ -e "/tmp/.X11-unix/X${display_number}" ]; do
    display_number=$((display_number + 1))
done
export DISPLAY=":${display_number}"
work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Wide enough for the players' window to open beside the operator's.
Xvfb "$DISPLAY" -screen 0 2800x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done

shots="$root/screenshots"
mkdir -p "$shots"
for size in 1920x1080 800x600; do
    cp -r "$build/app" "$work/app-$size"
    printf '[PALVO]\r\nNumMax=30\r\nRhythmFast=8\r\nRhythmSlow=2\r\n' >"$work/app-$size/palvo.ini"
    "$work/app-$size/palvo" &
    program_pid=$!
    main=$(timeout 20 xdotool search --sync --onlyvisible --name 'PALVO  ' | head -n 1)
    sleep 1
    xdotool windowfocus --sync "$main" key F5
    audience=$(timeout 20 xdotool search --sync --onlyvisible --name '表示' | head -n 1)
    xdotool windowsize --sync "$audience" "${size%x*}" "${size#*x}"
    sleep 1
    import -window "$audience" "$shots/audience-$size-idle.png"
    start() { xdotool mousemove --window "$main" 711 523 click 1; }
    start
    sleep 0.8
    import -window "$audience" "$shots/audience-$size-rolling.png"
    sleep 2
    for _ in $(seq 2 6); do
        start
        sleep 2.2
    done
    import -window "$audience" "$shots/audience-$size-six-drawn.png"
    for _ in $(seq 7 30); do
        start
        sleep 2.2
    done
    import -window "$audience" "$shots/audience-$size-last.png"
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=
    echo "$shots/audience-$size-{idle,rolling,six-drawn,last}.png"
done

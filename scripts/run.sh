#!/usr/bin/env bash
# Starts the program built in the given build folder (default: build).
# With a display ($DISPLAY set) the program simply runs. Without one it runs on a virtual X
# display (Xvfb), is photographed idle and after one press of Start, and is closed again;
# the pictures are written to screenshots/ and their paths printed.
set -euo pipefail

build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
program="$build/app/palvo"
if [ ! -x "$program" ]; then
    echo "run.sh: $program does not exist; build first (make run does)" >&2
    exit 1
fi

if [ -n "${DISPLAY:-}" ]; then
    exec "$program"
fi

for tool in Xvfb xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "run.sh: $tool is missing; run scripts/install-deps.sh linux" >&2
        exit 1
    fi
done

source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"

xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
    fi
    stop_virtual_display
}
trap cleanup EXIT

if ! start_virtual_display 99 1024x768x24; then
    echo "run.sh: the virtual display $DISPLAY did not start" >&2
    exit 1
fi

ini="$(dirname "$program")/palvo.ini"

leftover_game=
[ -f "$(dirname "$program")/palvo-game.txt" ] && leftover_game=yes
"$program" &
program_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name PALVO | head -n 1 || true)
if [ -z "$window" ]; then
    echo "run.sh: the program's window did not appear" >&2
    exit 1
fi
sleep 1  # the idle display is painted right after the window appears
# A game an earlier run left unfinished is offered first; this demonstration declines it
# (Escape answers No), which files it in palvo-history.csv beside the program.
if [ -n "$leftover_game" ]; then
    echo "run.sh: declining the unfinished game of an earlier run; it is kept in palvo-history.csv"
    xdotool key Escape
    sleep 1
fi

shots="$root/screenshots"
mkdir -p "$shots"
idle="$shots/palvo-idle.png"
drawn="$shots/palvo-after-draw.png"
import -window "$window" "$idle"

# Press Start: a click on the middle of the Start button (its place in the window is fixed).
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" 711 523 click 1
sleep 4  # one draw takes about 2.7 s with the default rhythm
import -window "$window" "$drawn"

# No window manager sends the close request here, so end the program the way a session does:
# it treats SIGTERM like its close button and saves its settings.
kill -TERM "$program_pid"
for _ in $(seq 1 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "run.sh: the program did not close" >&2
    exit 1
fi
status=0
wait "$program_pid" || status=$?
program_pid=
if [ "$status" -ne 0 ]; then
    echo "run.sh: the program ended with status $status" >&2
    exit 1
fi
# The settings are written at every exit (left as they are when nothing changed).
if ! grep -q '^RhythmSlow=' "$ini" 2>/dev/null; then
    echo "run.sh: the program closed without writing $ini" >&2
    exit 1
fi

echo "Window ${WIDTH}x${HEIGHT} on the virtual display $DISPLAY; settings saved to $ini"
echo "$idle"
echo "$drawn"

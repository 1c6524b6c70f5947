#!/usr/bin/env bash
# Runs every benchmark of the given build folder (default: build) and prints its numbers: the
# core's benchmark programs (digit composition, saving a draw to the game journal), then the Qt
# program's start-up, paint and Start-sequence timings (on $DISPLAY, else on a virtual X display,
# else on Qt's offscreen platform).
set -euo pipefail

build=${1:-build}

shopt -s nullglob
for program in "$build"/benchmarks/*_benchmark; do
    echo "== $(basename "$program")"
    "$program" --benchmark_min_time=0.2
done

qt_benchmark="$build/platform/qt/palvo_qt_benchmark"
if [ ! -x "$qt_benchmark" ]; then
    echo "bench.sh: $qt_benchmark is not built" >&2
    exit 1
fi

source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
xvfb_pid=
trap stop_virtual_display EXIT

if [ -z "${DISPLAY:-}" ]; then
    if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null ||
        ! start_virtual_display 99 3840x2160x24; then
        stop_virtual_display
        unset DISPLAY
        export QT_QPA_PLATFORM=offscreen
    fi
fi

echo "== palvo_qt_benchmark (${QT_QPA_PLATFORM:-xcb on $DISPLAY}; load average $(cut -d' ' -f1-3 /proc/loadavg))"
echo "-- start-up, five fresh processes (target < 300 ms, < 80 MB)"
for _ in 1 2 3 4 5; do
    "$qt_benchmark" startup 2>/dev/null
done
echo "-- timing probe's paint (target < 2 ms)"
"$qt_benchmark" paint 2>/dev/null
echo "-- Start sequence, RhythmFast 20 / RhythmSlow 3 (target <= 1 % over 2700 ms, CPU < 5 %)"
"$qt_benchmark" sequence 2>/dev/null
echo "-- the same with the players' window open at 1920x1080 (target: the same duration within 1 %, CPU < 5 %)"
"$qt_benchmark" sequence audience 2>/dev/null
echo "-- players' window: one rolling frame composed and painted vs a plain copy of its bytes (target ratio <= 4)"
"$qt_benchmark" audience 2>/dev/null

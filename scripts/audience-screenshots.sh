#!/usr/bin/env bash
# Photographs the players' display (F5) on a virtual X display at 1920x1080 and 800x600: idle,
# in the middle of a roll, after several draws and after the last number of a 30-number game.
# Usage: scripts/audience-screenshots.sh [build folder]     the Linux program (default: build)
#        scripts/audience-screenshots.sh --windows           palvo.exe of build-win32 under Wine
#        scripts/audience-screenshots.sh --colours [build]   the Linux program at 960x540 with
#                 three numbers drawn (called, uncalled, newest) in each digit colour below,
#                 the dark ones included
#        scripts/audience-screenshots.sh --cards [build|--windows]   a 75-number game with the
#                 players' web service on (the address and its code) after six draws, in rows
#                 of ten and in the cards' columns (F8 in the players' window); then a card's
#                 middle row called from the panel (F2), the card checked there (Ctrl+K) and
#                 shown to the hall (会場に表示, Alt+V)
# The pictures go to screenshots/ (audience-*.png, Windows ones audience-win32-*.png).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
windows=false
colours=false
cards=false
if [ "${1:-}" = "--cards" ]; then
    cards=true
    shift
fi
if [ "${1:-}" = "--colours" ]; then
    colours=true
    shift
fi
if [ "${1:-}" = "--windows" ]; then
    windows=true
    build=$root/build-win32
    if [ ! -f "$build/platform/win32/palvo.exe" ] || ! command -v wine >/dev/null; then
        echo "audience-screenshots.sh: needs Wine and build-win32/platform/win32/palvo.exe (make windows)" >&2
        exit 1
    fi
    export WINEPREFIX=${WINEPREFIX:-$build/wineprefix} WINEARCH=win32 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
else
    build=$(cd "${1:-build}" && pwd)
    if [ ! -x "$build/app/palvo" ]; then
        echo "audience-screenshots.sh: $build/app/palvo does not exist; build first" >&2
        exit 1
    fi
fi
for tool in Xvfb xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "audience-screenshots.sh: $tool is missing; run scripts/install-deps.sh linux" >&2
        exit 1
    fi
done

source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid" 2>/dev/null || true
    fi
    if $windows; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

# Wide enough for the players' window to open beside the operator's.
if ! start_virtual_display 120 2800x1200x24; then
    echo "audience-screenshots.sh: the virtual display $DISPLAY did not start" >&2
    exit 1
fi

shots="$root/screenshots"
mkdir -p "$shots"
prefix=audience
if $windows; then
    prefix=audience-win32
    [ -f "$WINEPREFIX/system.reg" ] || timeout 240 wineboot --init >/dev/null 2>&1
fi
if $colours; then
    # NumColor values (red + green x 256 + blue x 65536): the default orange, black, navy,
    # maroon, dark green, purple, blue, red, grey, yellow and white.
    for colour in 33023 0 8388608 128 32768 8388736 16711680 255 8421504 65535 16777215; do
        folder=$work/colour-$colour
        cp -r "$build/app" "$folder"
        rm -f "$folder/palvo-game.txt" "$folder/palvo-history.csv"
        printf '[PALVO]\r\nNumColor=%s\r\nNumMax=12\r\nRhythmFast=5\r\nRhythmSlow=1\r\n' "$colour" >"$folder/palvo.ini"
        "$folder/palvo" &
        program_pid=$!
        main=$(timeout 60 xdotool search --sync --onlyvisible --name 'PALVO  ' | head -n 1)
        sleep 1
        xdotool windowmove --sync "$main" 1950 0
        for _ in 1 2 3; do
            xdotool mousemove --window "$main" 711 523 click 1
            sleep 1.6
        done
        xdotool windowfocus --sync "$main" key F5
        audience=$(timeout 20 xdotool search --sync --onlyvisible --name '表示' | head -n 1)
        xdotool windowmove --sync "$audience" 0 0 windowsize --sync "$audience" 960 540
        sleep 1
        import -window "$audience" "$shots/audience-colour-$colour.png"
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
        program_pid=
        echo "$shots/audience-colour-$colour.png"
    done
    exit 0
fi
numMax=30
arguments=()
if $cards; then
    numMax=75
    arguments=(--web)
    prefix=$prefix-cards
fi
for size in 1920x1080 800x600; do
    folder=$work/app-$size
    if $windows; then
        mkdir -p "$folder"
        cp "$build/platform/win32/palvo.exe" "$folder/"
        cp -r "$root/resources/bg" "$root/resources/wav" "$root/resources/bars" "$root/resources/buttons" "$folder/"
        printf '[PALVO]\r\nNumMax=%s\r\nRhythmFast=8\r\nRhythmSlow=2\r\n' "$numMax" >"$folder/palvo.ini"
        if $cards; then
            (cd "$folder" && wine palvo.exe --cards 4 --max 75 --csv cards.csv) >/dev/null 2>&1
        fi
        (cd "$folder" && exec wine palvo.exe "${arguments[@]}") >/dev/null 2>&1 &
    else
        cp -r "$build/app" "$folder"
        # A game the build folder's last run left behind would be offered for continuing first.
        rm -f "$folder/palvo-game.txt" "$folder/palvo-history.csv" "$folder/palvo-audience.ini"
        printf '[PALVO]\r\nNumMax=%s\r\nRhythmFast=8\r\nRhythmSlow=2\r\n' "$numMax" >"$folder/palvo.ini"
        if $cards; then
            rm -f "$folder/palvo-cards.key" "$folder/palvo-claims.csv"
            (cd "$folder" && ./palvo --cards 4 --max 75 --csv cards.csv) >/dev/null
        fi
        "$folder/palvo" "${arguments[@]}" &
    fi
    program_pid=$!
    main=$(timeout 60 xdotool search --sync --onlyvisible --name 'PALVO  ' | head -n 1)
    sleep 1
    # The operator's window to the right, the players' window at the left edge: both in view.
    xdotool windowmove --sync "$main" 1950 0
    xdotool windowfocus --sync "$main" key F5
    audience=$(timeout 20 xdotool search --sync --onlyvisible --name '表示' | head -n 1)
    xdotool windowmove --sync "$audience" 0 0 windowsize --sync "$audience" "${size%x*}" "${size#*x}"
    sleep 1
    import -window "$audience" "$shots/$prefix-$size-idle.png"
    start() { xdotool mousemove --window "$main" 711 523 click 1; }
    start
    sleep 0.8
    import -window "$audience" "$shots/$prefix-$size-rolling.png"
    sleep 2
    for _ in $(seq 2 6); do
        start
        sleep 2.5
    done
    import -window "$audience" "$shots/$prefix-$size-six-drawn.png"
    if $cards; then
        # A click gives the players' window the keyboard (it opens without taking it).
        xdotool mousemove --window "$audience" 20 20 click 1
        sleep 0.5
        xdotool windowfocus --sync "$audience" key F8
        sleep 1
        import -window "$audience" "$shots/$prefix-$size-columns.png"
        xdotool windowfocus --sync "$audience" key F8
        sleep 0.5
        # A card of this folder's key (the command line makes the key), its middle row called by
        # hand from the panel, then checked and shown to the hall.
        card=$(grep -a -o -E '[A-Z0-9]{5}-[0-9]{4}([,;][0-9]+){25}' "$folder/cards.csv" | head -n 1)
        IFS=',;' read -r code _ _ _ _ _ _ _ _ _ _ m1 m2 _ m4 m5 _ <<<"$card"
        xdotool windowfocus --sync "$main" key F2
        panel=$(timeout 20 xdotool search --sync --onlyvisible --name '操作パネル' | head -n 1)
        xdotool windowmove --sync "$panel" 1950 500
        for number in "$m1" "$m2" "$m4" "$m5"; do
            xdotool windowfocus --sync "$panel" key alt+b
            xdotool type --delay 60 "$number"
            xdotool key Return
            sleep 3.5
        done
        xdotool windowfocus --sync "$panel" key ctrl+k
        xdotool type --delay 60 "$code"
        xdotool key Return
        sleep 1
        import -window "$panel" "$shots/$prefix-$size-panel-card.png"
        xdotool key alt+v
        sleep 1.5
        import -window "$audience" "$shots/$prefix-$size-proof.png"
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
        program_pid=
        if $windows; then
            wineserver -k >/dev/null 2>&1 || true
        fi
        echo "$shots/$prefix-$size-{idle,six-drawn,columns,panel-card,proof}.png"
        continue
    fi
    for _ in $(seq 7 30); do
        start
        sleep 2.5
    done
    # The closing message of the game is answered first: it may lie over the players' window.
    xdotool key Return
    sleep 1
    import -window "$audience" "$shots/$prefix-$size-last.png"
    kill "$program_pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
    if $windows; then
        wineserver -k >/dev/null 2>&1 || true
    fi
    echo "$shots/$prefix-$size-{idle,rolling,six-drawn,last}.png"
done

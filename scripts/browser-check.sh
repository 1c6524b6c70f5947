#!/usr/bin/env bash
# The players' page in headless Chromium against the real program on a virtual display
# (tests/browser/players_page_check.py); screenshots in screenshots/browser/. Needs Debian's
# chromium, chromium-driver and python3-selenium (installed when missing, as is the program's
# build); not part of make test (about 60 s).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh browser
[ -x build/app/palvo ] || { cmake -S . -B build -G Ninja && cmake --build build --target palvo; }
source scripts/virtual_display.sh
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    stop_virtual_display
    rm -rf "$work"
}
work=$(mktemp -d)
trap cleanup EXIT
start_virtual_display 150 1280x800x24
cp -r build/app "$work/app"
rm -f "$work/app/palvo-game.txt" "$work/app/palvo-history.csv"
printf '[PALVO]\r\nNumMax=75\r\nRhythmFast=5\r\nRhythmSlow=1\r\n' >"$work/app/palvo.ini"
# Four real cards of this folder's key (the command line makes the key): the page asks the
# program itself for one of them.
(cd "$work/app" && ./palvo --cards 4 --max 75 --csv cards.csv) >/dev/null
port=${PALVO_BROWSER_PORT:-18330}
"$work/app/palvo" --web="$port" >"$work/palvo.log" 2>&1 &
program_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name PALVO | head -n 1)
sleep 1
mkdir -p screenshots/browser
/usr/bin/python3 tests/browser/players_page_check.py "$port" "$window" "$root/screenshots/browser" "$work/app/cards.csv"

#!/usr/bin/env bash
# Prints the wall time of `palvo --cards 1000 --max 75 --pdf` (aim: under a minute), run from a
# scratch copy of the built program so that no key is left in build/app.
#   scripts/card-pdf-time.sh [build folder]   (default: build)
set -euo pipefail
build=${1:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$build/app/palvo" "$scratch/palvo"
start=$(date +%s.%N)
"$scratch/palvo" --cards 1000 --max 75 --pdf "$scratch/cards.pdf"
end=$(date +%s.%N)
printf '1000 cards to PDF: %.1f s wall, %s bytes\n' "$(echo "$end - $start" | bc)" "$(stat -c %s "$scratch/cards.pdf")"

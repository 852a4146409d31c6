#!/usr/bin/env bash
# Times the card check and the card write against the plain tools on the same
# files: 255 WAVE files of 4 MB (about 1 GB; FILES=N for fewer) and a Control
# File naming them, in a Card Folder made by `vexa card`.
#
#   verify:  `vexa verify CARD --against BENCH.vxa` (compares every WAVE file
#            with its source, so it reads twice the bytes)   vs   `sha256sum` of
#            the card's files
#   write:   `vexa card --replace --to CARD` (creation, the write to the card's
#            top folder with its flush, the check there)   vs   `cp` of the
#            sources into the card data folder and to the card, `sync`, and
#            `sha256sum` of the card's files
#   set:     the write to the card alone (`bench/card_set_write`: WriteCardSet,
#            temporaries, flush, renames) into an empty folder   vs   `cp` of
#            the Card Folder's files into an empty folder and `sync`
#
# Each runs RUNS times (3 by default), alternating; the report gives the median
# wall times and their ratio. WORK_DIR picks the file system (TMPDIR by default).
#
#   bench/card-verify-vs-sha256sum.sh [path/to/vexa]
#
# Measured on the 2-core build machine (ext4, files in the page cache), 255
# files, 1020 MB, medians of 3 runs: vexa verify 929 ms against sha256sum
# 3302 ms (0.28); vexa card --replace --to 5.94 s against cp, cp, sync,
# sha256sum 5.46 s (1.09); WriteCardSet alone 2.10 s against cp and sync
# 1.90 s (1.10). Eight more pairs of the last two, each first in half of them:
# medians 702 ms against 802 ms (0.88); the first pair of a series pays for
# the write-back of what came before (3.2 s either way). With 4 files (16 MB)
# the fixed start-up cost shows: verify 0.73, card --to 2.1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vexa=${1:-${VEXA_BUILD_DIR:-$root/build}/bin/vexa}
set_write=$(dirname "$vexa")/../bench/card_set_write
runs=${RUNS:-3}
files=${FILES:-255}
home=$(dirname "$vexa")
for tool in sox sha256sum "$vexa" "$set_write"; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (run scripts/setup and scripts/build)" >&2; exit 2; }
done

work=$(mktemp -d "${WORK_DIR:-${TMPDIR:-/tmp}}/verify-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src" "$work/cards" "$work/card" "$work/cp-cards" "$work/cp-card" "$work/set-card" "$work/cp-set-card"

sox -n -r 22050 -b 16 -c 1 "$work/one.wav" synth 95 whitenoise vol 0.5
for ((k = 0; k < files; k++)); do
  cp "$work/one.wav" "$work/src/$(printf 'S%03d.WAV' "$k")"
done
rm "$work/one.wav"
# The sample's sheets with these files, and the card capacity "1GB" (the
# seventh line of the Card Information), which holds 255 of them.
LC_ALL=C awk -v n="$files" '
  /^#1\r?$/ { print; card = 1; next }
  card && ++card == 8 { printf "5\r\n"; card = 0; next }
  /^#2\r?$/ { print; for (k = 0; k < n; k++) printf "%d,S%03d.WAV\r\n", k, k; skip = 1; next }
  /^#3\r?$/ { skip = 0 }
  !skip { print }
' "$root/docs/sample/SAMPLE.vxa" >"$work/src/BENCH.vxa"
"$vexa" card "$work/src/BENCH.vxa" --card-path "$work/cards" --home "$home" >/dev/null 2>&1
folder="$work/cards/SAMPLE"
[ -d "$folder" ] || folder=$(find "$work/cards" -mindepth 1 -maxdepth 1 -type d | head -1)

# The check must pass on this card, or its time means nothing.
if ! "$vexa" verify "$folder" --against "$work/src/BENCH.vxa" --home "$home" >"$work/first-check.txt" 2>&1; then
  echo "vexa verify does not find the card clean:" >&2
  cat "$work/first-check.txt" >&2
  exit 1
fi

run() {
  local name=$1
  shift
  local start end
  sync
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000)) >>"$work/$name.us"
}
. "$root/bench/median.sh"
plain_set() {
  cp "$folder"/* "$work/cp-set-card/" && sync
}
plain_write() {
  cp "$work"/src/* "$work/cp-cards/" && cp "$work"/cp-cards/* "$work/cp-card/" && sync && sha256sum "$work"/cp-card/*
}

for ((r = 0; r < runs; r++)); do
  run verify "$vexa" verify "$folder" --against "$work/src/BENCH.vxa" --home "$home"
  run sha256sum sha256sum "$folder"/*
  run write "$vexa" card "$work/src/BENCH.vxa" --card-path "$work/cards" --replace --to "$work/card" --home "$home"
  run plain plain_write
  find "$work/set-card" "$work/cp-set-card" -mindepth 1 -delete
  sync
  if ((r % 2)); then  # each goes first in half the rounds
    run cpset plain_set
    run set "$set_write" "$folder/$(basename "$folder").vxa" "$work/set-card"
  else
    run set "$set_write" "$folder/$(basename "$folder").vxa" "$work/set-card"
    run cpset plain_set
  fi
done
[ -f "$work/set-card/$(basename "$folder").vxa" ] || { echo "card_set_write wrote no set" >&2; exit 1; }

v=$(median_ms "$work/verify.us"); s=$(median_ms "$work/sha256sum.us")
w=$(median_ms "$work/write.us"); p=$(median_ms "$work/plain.us")
echo "files: $files WAVE files, $(du -sh "$work/src" | cut -f1) ; runs: $runs (medians)"
echo "vexa verify --against:        ${v} ms"
echo "sha256sum of the card:        ${s} ms   ratio $(awk -v a="$v" -v b="$s" 'BEGIN{printf "%.2f", a/b}')"
echo "vexa card --replace --to:     ${w} ms"
echo "cp, cp, sync, sha256sum:      ${p} ms   ratio $(awk -v a="$w" -v b="$p" 'BEGIN{printf "%.2f", a/b}')"
a=$(median_ms "$work/set.us"); c=$(median_ms "$work/cpset.us")
echo "WriteCardSet alone:           ${a} ms"
echo "cp of the set, sync:          ${c} ms   ratio $(awk -v a="$a" -v b="$c" 'BEGIN{printf "%.2f", a/b}')"

#!/usr/bin/env bash
# Times `vexa card` against `cp` copying the same WAVE files to the same file
# system: 255 WAVE files of 4 MB (about 1 GB) and a Control File that lists
# them. Each runs RUNS times, alternating; the report gives the median wall
# times and their ratio (card / cp). `vexa card` also loads the Control File
# (reading every WAVE header), checks the set and flushes it to the disk
# (syncfs) before it replaces the old card, which cp does not: "cp + sync"
# is timed as well, for the cost of that flush. Beside the wall time, the CPU
# time (user + system) of each is reported, and the slowest run.
#
#   bench/card-vs-cp.sh [path/to/vexa [path/to/other/vexa]]
#       RUNS=5 by default; WORK_DIR picks the file system, TMPDIR by default.
#       A second vexa (e.g. an older build) is timed in the same rounds.
#
# Needs sox (installed by scripts/setup).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vexa=${1:-${VEXA_BUILD_DIR:-$root/build}/bin/vexa}
other=${2:-}
runs=${RUNS:-5}
home=$(dirname "$vexa")

for tool in sox "$vexa"; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing: $tool (run scripts/setup and scripts/build)" >&2
    exit 2
  fi
done

work=$(mktemp -d "${WORK_DIR:-${TMPDIR:-/tmp}}/card-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src" "$work/cards" "$work/cp"

# 95 s of 22.05 kHz 16-bit mono noise: 4.19 MB, copied under 255 names.
sox -n -r 22050 -b 16 -c 1 "$work/one.wav" synth 95 whitenoise vol 0.5
for ((k = 0; k < 255; k++)); do
  cp "$work/one.wav" "$work/src/$(printf 'S%03d.WAV' "$k")"
done
rm "$work/one.wav"

# The sample Control File with its sound list replaced by the 255 files.
LC_ALL=C awk '
  /^#2\r?$/ { print; for (k = 0; k < 255; k++) printf "%d,S%03d.WAV\r\n", k, k; skip = 1; next }
  /^#3\r?$/ { skip = 0 }
  !skip { print }
' "$root/docs/sample/SAMPLE.vxa" >"$work/src/BENCH.vxa"
cat "$work"/src/* >/dev/null  # every run finds the sources in the page cache

run() {
  local name=$1
  shift
  local start end
  sync
  start=$(date +%s%N)
  /usr/bin/time -f '%U %S' -o "$work/$name.last" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000)) >>"$work/$name.us"
  awk '{printf "%d\n", ($1 + $2) * 1000000}' "$work/$name.last" >>"$work/$name.cpu"
}

. "$root/bench/median.sh"

for ((i = 0; i < runs; i++)); do
  rm -rf "$work/cp/set"
  mkdir "$work/cp/set"
  run cp cp "$work"/src/*.WAV "$work/cp/set/"
  rm -rf "$work/cp/set"
  mkdir "$work/cp/set"
  run cp-sync sh -c 'cp "$0"/src/*.WAV "$0/cp/set/" && sync' "$work"
  rm -rf "$work/cards/SAMPLE"
  run card "$vexa" card "$work/src/BENCH.vxa" --card-path "$work/cards" --replace --home "$home"
  if [ -n "$other" ]; then
    rm -rf "$work/cards/SAMPLE"
    run other "$other" card "$work/src/BENCH.vxa" --card-path "$work/cards" --replace --home "$home"
  fi
done

if ! cmp -s "$work/src/S254.WAV" "$work/cards/SAMPLE/S254.WAV"; then
  echo "the card's copy differs from its source" >&2
  exit 1
fi
max_ms() { sort -n "$1" | tail -n 1 | awk '{printf "%.1f", $1 / 1000}'; }
cp_ms=$(median_ms "$work/cp.us")
sync_ms=$(median_ms "$work/cp-sync.us")
card_ms=$(median_ms "$work/card.us")
bytes=$(du -cb "$work"/src/*.WAV | tail -1 | cut -f1)
fs=$(df -T "$work" | awk 'NR == 2 {print $2}')
echo "255 WAVE files, $bytes bytes, on $fs, median of $runs runs"
printf '%-12s %10s %10s %10s\n' "" "wall ms" "CPU ms" "slowest ms"
names=(cp cp-sync card)
[ -n "$other" ] && names+=(other)
for name in "${names[@]}"; do
  case $name in cp-sync) label="cp + sync" ;; card) label="vexa card" ;; other) label="other card" ;; *) label=$name ;; esac
  printf '%-12s %10s %10s %10s\n' "$label" "$(median_ms "$work/$name.us")" "$(median_ms "$work/$name.cpu")" \
    "$(max_ms "$work/$name.us")"
done
awk -v a="$card_ms" -v b="$cp_ms" -v c="$sync_ms" \
  'BEGIN {printf "ratio card / cp: %.2f\nratio card / (cp + sync): %.2f\n", a / b, a / c}'

#!/usr/bin/env bash
# Times `vexa import` against sox on the same job, side by side in one run: a
# 10-minute 48 kHz 16-bit stereo FLAC to 22050 Hz 16-bit mono. vexa also
# measures and levels the loudness (two passes, EBU R128 with true peak);
# sox only converts (`rate -v`, its very high quality). Each runs RUNS times,
# alternating; the report gives the median wall time and the peak resident
# memory of each. Then one import of a 2-hour source, for its peak memory
# (the import keeps no more than a few blocks of it in memory).
#
#   bench/import-vs-sox.sh [path/to/vexa]      (RUNS=7, LONG_SECONDS=7200)
#
# Needs sox and GNU time (/usr/bin/time), both installed by scripts/setup.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vexa=${1:-${VEXA_BUILD_DIR:-$root/build}/bin/vexa}
runs=${RUNS:-7}
long_seconds=${LONG_SECONDS:-7200}

for tool in sox /usr/bin/time "$vexa"; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing: $tool (run scripts/setup and scripts/build)" >&2
    exit 2
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/import-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Pink noise that swells and fades twice a second, different in each channel:
# loud and quiet passages, as in speech, and nothing a codec could shorten.
source() {  # FILE SECONDS
  sox -n -r 48000 -b 16 -c 2 "$1" synth "$2" pinknoise tremolo 2 80 vol 0.4
}
source "$work/ten.flac" 600
cat "$work/ten.flac" >/dev/null  # in the page cache for every run

# run NAME COMMAND...: one timed run; appends the microseconds and the peak
# resident set (KiB) to $work/NAME.us and $work/NAME.kb.
run() {
  local name=$1
  shift
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$work/$name.rss" "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000)) >>"$work/$name.us"
  cat "$work/$name.rss" >>"$work/$name.kb"
}

. "$root/bench/median.sh"

peak_mib() {
  sort -n "$1" | tail -1 | awk '{printf "%.1f", $1 / 1024}'
}

for ((i = 0; i < runs; i++)); do
  rm -rf "$work/out" "$work/sox.wav"
  run vexa "$vexa" import "$work/ten.flac" --out "$work/out"
  run sox sox "$work/ten.flac" -r 22050 -c 1 -b 16 "$work/sox.wav" rate -v
done

o=$(median_ms "$work/vexa.us")
t=$(median_ms "$work/sox.us")
echo "$runs runs each; 10 min 48 kHz 16-bit stereo FLAC ($(stat -c %s "$work/ten.flac") bytes) to 22050 Hz 16-bit mono; $(nproc) cores"
printf '%-44s median %8s ms  peak %6s MiB\n' "vexa import (loudness -18 LUFS, -1 dBTP)" "$o" "$(peak_mib "$work/vexa.kb")"
printf '%-44s median %8s ms  peak %6s MiB\n' "sox rate -v (no loudness)" "$t" "$(peak_mib "$work/sox.kb")"
awk -v o="$o" -v t="$t" 'BEGIN {printf "  vexa takes %.2f× the time of sox\n", o / t}'

rm -rf "$work/out" "$work/sox.wav" "$work/ten.flac"
source "$work/long.flac" "$long_seconds"
/usr/bin/time -v "$vexa" import "$work/long.flac" --out "$work/out" >/dev/null 2>"$work/long.time"
echo "$long_seconds s source ($(stat -c %s "$work/long.flac") bytes FLAC):" \
  "peak $(awk -F': ' '/Maximum resident set size/ {printf "%.1f", $2 / 1024}' "$work/long.time") MiB," \
  "$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$work/long.time") wall," \
  "output $(stat -c %s "$work/out/LONG.WAV") bytes"

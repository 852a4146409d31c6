#!/usr/bin/env bash
# Times `vexa mono` and `vexa silence` against sox doing the same job, side by
# side in one run: a 50 MB 16-bit stereo file to mono, and 20 minutes of
# 44.1 kHz 16-bit silence. Each command runs RUNS times, alternating with its
# rival; the report gives the median wall time, the peak resident memory and
# whether both wrote the same bytes.
#
#   bench/wavetools-vs-sox.sh [path/to/vexa]      (RUNS=9 by default)
#
# Needs sox and GNU time (/usr/bin/time), both installed by scripts/setup.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vexa=${1:-${VEXA_BUILD_DIR:-$root/build}/bin/vexa}
runs=${RUNS:-9}

for tool in sox /usr/bin/time "$vexa"; do
  if ! command -v "$tool" >/dev/null; then
    echo "missing: $tool (run scripts/setup and scripts/build)" >&2
    exit 2
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/wavetools-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# 284 s of 44.1 kHz 16-bit stereo noise: 50.1 MB.
sox -n -r 44100 -b 16 -c 2 "$work/stereo.wav" synth 284 whitenoise vol 0.5
# Read it once so that every run finds it in the page cache.
cat "$work/stereo.wav" >/dev/null

# run NAME OUTPUT COMMAND...: one timed run; appends the milliseconds and the
# peak resident set (KiB) to $work/NAME.ms and $work/NAME.kb.
run() {
  local name=$1 output=$2
  shift 2
  rm -f "$output"
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$work/$name.rss" "$@" 2>/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000)) >>"$work/$name.us"
  cat "$work/$name.rss" >>"$work/$name.kb"
}

. "$root/bench/median.sh"

peak_mib() {
  sort -n "$1" | tail -1 | awk '{printf "%.1f", $1 / 1024}'
}

for ((i = 0; i < runs; i++)); do
  run sox-mono "$work/sox-mono.wav" sox "$work/stereo.wav" "$work/sox-mono.wav" remix 1
  run vexa-mono "$work/vexa-mono.wav" "$vexa" mono "$work/stereo.wav" "$work/vexa-mono.wav"
  # Format options before -n: sox then writes true zeros, without resampling or dither.
  run sox-silence "$work/sox-silence.wav" sox -r 44100 -b 16 -c 1 -n "$work/sox-silence.wav" trim 0 1200
  run vexa-silence "$work/vexa-silence.wav" "$vexa" silence --seconds 1200 --rate 44100 --bits 16 "$work/vexa-silence.wav"
done

same() { cmp -s "$1" "$2" && echo yes || echo NO; }

report() {
  local job=$1 ours=$2 theirs=$3 same_bytes=$4
  local o t
  o=$(median_ms "$work/$ours.us")
  t=$(median_ms "$work/$theirs.us")
  printf '%-42s median %8s ms  peak %6s MiB\n' "$job: vexa" "$o" "$(peak_mib "$work/$ours.kb")"
  printf '%-42s median %8s ms  peak %6s MiB\n' "$job: sox" "$t" "$(peak_mib "$work/$theirs.kb")"
  awk -v o="$o" -v t="$t" -v s="$same_bytes" 'BEGIN {printf "  vexa is %.1f× as fast as sox; same bytes: %s\n", t / o, s}'
}

echo "$runs runs each; input $(stat -c %s "$work/stereo.wav") bytes; $(nproc) cores"
report "mono (50 MB 16-bit stereo)" vexa-mono sox-mono "$(same "$work/vexa-mono.wav" "$work/sox-mono.wav")"
report "silence (1200 s, 44.1 kHz, 16-bit)" vexa-silence sox-silence "$(same "$work/vexa-silence.wav" "$work/sox-silence.wav")"

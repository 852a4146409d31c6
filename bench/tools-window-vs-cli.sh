#!/usr/bin/env bash
# Times converting one large stereo file to mono through the tools window
# (driven offscreen by bench/tools_window_mono) against `vexa mono` on the
# same file, side by side in one run. Each runs RUNS times, alternating; the
# report gives the median wall time of the whole command, the window's own
# time from the click to the job's end, and whether both wrote the same bytes.
#
#   bench/tools-window-vs-cli.sh [build folder]     (RUNS=7, MB=400 by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${VEXA_BUILD_DIR:-$root/build}}
vexa=$build/bin/vexa
window=$build/bench/tools_window_mono
runs=${RUNS:-7}
megabytes=${MB:-400}

for tool in "$vexa" "$window"; do
  if [ ! -x "$tool" ]; then
    echo "missing: $tool (build the targets vexa and tools_window_mono)" >&2
    exit 2
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tools-window-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A canonical 16-bit 44.1 kHz stereo file of MB megabytes of varied samples.
python3 - "$work/stereo.wav" "$megabytes" <<'PY'
import struct, sys
path, size = sys.argv[1], int(sys.argv[2]) * 1000 * 1000 // 4 * 4
block = bytes((i * 37 + 11) % 256 for i in range(1 << 20))
with open(path, "wb") as f:
    f.write(b"RIFF" + struct.pack("<I", 36 + size) + b"WAVEfmt " +
            struct.pack("<IHHIIHH", 16, 1, 2, 44100, 44100 * 4, 4, 16) + b"data" + struct.pack("<I", size))
    left = size
    while left:
        f.write(block[:min(left, len(block))])
        left -= min(left, len(block))
PY
cat "$work/stereo.wav" >/dev/null  # into the page cache

now_us() { echo $(($(date +%s%N) / 1000)); }
for ((i = 0; i < runs; i++)); do
  rm -f "$work/cli.wav" "$work/window.wav"
  start=$(now_us)
  "$vexa" mono "$work/stereo.wav" "$work/cli.wav" 2>/dev/null
  echo $(($(now_us) - start)) >>"$work/cli.us"
  start=$(now_us)
  "$window" "$work/stereo.wav" "$work/window.wav" >"$work/window.out"
  echo $(($(now_us) - start)) >>"$work/window.us"
  awk '{print $1 * 1000}' "$work/window.out" >>"$work/click.us"
  bar=$(sed 's/.*showed //' "$work/window.out")
done

. "$root/bench/median.sh"

cli=$(median_ms "$work/cli.us")
win=$(median_ms "$work/window.us")
click=$(median_ms "$work/click.us")
same=$(cmp -s "$work/cli.wav" "$work/window.wav" && echo yes || echo NO)
echo "$runs runs each; input $(stat -c %s "$work/stereo.wav") bytes; $(nproc) cores"
printf '%-44s median %8s ms\n' "vexa mono (whole command)" "$cli"
printf '%-44s median %8s ms\n' "tools window (whole command, offscreen)" "$win"
printf '%-44s median %8s ms  (bar %s)\n' "tools window (click to job end)" "$click" "$bar"
awk -v c="$cli" -v w="$win" -v k="$click" -v s="$same" 'BEGIN {
  printf "  window / cli: %.3f (whole command), %.3f (click to end); same bytes: %s\n", w / c, k / c, s }'

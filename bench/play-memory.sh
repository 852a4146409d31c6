#!/usr/bin/env bash
# Peak memory of `vexa play` while it plays a 300 MB WAVE file (44.1 kHz
# 16-bit stereo, about 30 minutes): plays it for 5 s against a private
# PulseAudio null sink, stops it with Ctrl+C and prints the maximum resident
# set size, beside that of playing a 1 s file for comparison.
#   bench/play-memory.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${VEXA_BUILD_DIR:-$root/build}}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

wave() {  # NAME DATA_BYTES: a header, then the data (sparse: zeros)
  python3 - "$1" "$2" <<'PY'
import struct, sys
name, n = sys.argv[1], int(sys.argv[2])
with open(name, "wb") as f:
    f.write(b"RIFF" + struct.pack("<I", 36 + n) + b"WAVE" + b"fmt " +
            struct.pack("<IHHIIHH", 16, 1, 2, 44100, 176400, 4, 16) + b"data" + struct.pack("<I", n))
    f.truncate(44 + n)
PY
}
wave "$work/BIG.WAV" 300000000
wave "$work/SHORT.WAV" 176400

# The peak (VmHWM) is read from /proc just before Ctrl+C ends each player.
"$root/scripts/with-sound-server" bash -c '
  peak() {  # FILE SECONDS
    "$vexa" play "$1" >/dev/null 2>&1 &
    local pid=$!
    sleep "$2"
    grep VmHWM "/proc/$pid/status" | awk "{print \$2}"
    kill -INT "$pid"; wait "$pid" || true
  }
  vexa=$1; work=$2
  echo "peak RSS playing a 300 MB file for 5 s: $(peak "$work/BIG.WAV" 5) KiB"
  echo "peak RSS playing a 1 s file:            $(peak "$work/SHORT.WAV" 0.7) KiB"
' _ "$build/bin/vexa" "$work"

#!/usr/bin/env bash
# What a `vexa` call costs before and around its work, paired against a
# trivial process: `vexa --version` and `vexa inspect` of one WAVE file
# against `true`, `vexa show` of the largest Project against `cat` of a file
# the size of its JSON output. Each runs RUNS times, alternating; the report
# gives the median wall time and the peak resident memory of each.
#
#   bench/cli-start.sh [path/to/vexa [path/to/other/vexa]]
#       RUNS=41 by default. A second vexa (e.g. an older build) is timed in
#       the same rounds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vexa=${1:-${VEXA_BUILD_DIR:-$root/build}/bin/vexa}
other=${2:-}
runs=${RUNS:-41}
home=$(dirname "$vexa")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The largest Project: 8 sheets of 255 lines with every field filled and 255
# sounds, written by bench_controlfile.
generator=${VEXA_BUILD_DIR:-$root/build}/bench/bench_controlfile
if ! "$generator" --write-largest "$work/big" >/dev/null; then
  echo "missing: $generator (build the target bench_controlfile)" >&2
  exit 2
fi
big="$work/big/CARD.vxa"
show=(show "$big" --lines 255 --multi --home "$home")
"$vexa" "${show[@]}" >"$work/show.json"
wave="$root/docs/sample/CHIME.WAV"

# The rounds run from one Python process (os.posix_spawn and wait4): no
# shell or timer process adds its own start-up to what is measured.
python3 - "$runs" "$work" "$vexa" "$other" "$wave" "$home" "${show[@]}" <<'PY'
import os, statistics, sys, time
runs, work, vexa, other, wave, home = int(sys.argv[1]), *sys.argv[2:7]
show = sys.argv[7:]
cases = [("true", ["true"]),
         ("vexa --version", [vexa, "--version"]),
         ("vexa inspect (one file)", [vexa, "inspect", wave, "--home", home]),
         ("cat (show's output)", ["cat", os.path.join(work, "show.json")]),
         ("vexa show (largest)", [vexa] + show)]
if other:
    cases += [("other --version", [other, "--version"]),
              ("other inspect", [other, "inspect", wave, "--home", home]),
              ("other show", [other] + show)]
devnull = os.open(os.devnull, os.O_WRONLY)
actions = [(os.POSIX_SPAWN_DUP2, devnull, 1), (os.POSIX_SPAWN_DUP2, devnull, 2)]
walls = {name: [] for name, _ in cases}
peaks = {name: [] for name, _ in cases}
for _ in range(runs):
    for name, argv in cases:
        exe = argv[0] if "/" in argv[0] else "/usr/bin/" + argv[0]
        start = time.perf_counter()
        pid = os.posix_spawn(exe, argv, os.environ, file_actions=actions)
        _, status, usage = os.wait4(pid, 0)
        walls[name].append(time.perf_counter() - start)
# The peak memory from /usr/bin/time, whose own small image is what a child
# starts from (a child of Python would report Python's size).
for name, argv in cases:
    out = os.path.join(work, "peak")
    pid = os.posix_spawn("/usr/bin/time", ["time", "-f", "%M", "-o", out] + argv, os.environ, file_actions=actions)
    os.waitpid(pid, 0)
    peaks[name].append(int(open(out).read().split()[-1]))
print(f"median of {runs} runs; {os.path.getsize(os.path.join(work, 'show.json'))} bytes of JSON")
print(f"{'':26} {'wall ms':>10} {'peak MiB':>10}")
for name, _ in cases:
    print(f"{name:26} {statistics.median(walls[name]) * 1000:10.2f} {statistics.median(peaks[name]) / 1024:10.1f}")
ratio = statistics.median(walls["vexa show (largest)"]) / statistics.median(walls["cat (show's output)"])
print(f"ratio show / cat: {ratio:.2f}")
PY

#pragma once
// The end of every command: what it wrote to standard output must have
// reached it. A full disk or a closed pipe behind `vexa show > FILE` is a
// failure, never exit 0 with a cut file.

namespace vexa::cli {

// Flushes standard output; when that or an earlier write failed, says so on
// standard error and returns 1 (or `exitCode` when it already reports a
// failure). Otherwise returns `exitCode`.
int FinishStandardOutput(int exitCode);

}  // namespace vexa::cli

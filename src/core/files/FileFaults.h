#pragma once
// A seam for tests: a later system call of a kind made by a file replacement
// or the card's file work fails with a chosen error number. It reaches failures
// that a real file system gives seldom or only to other users (a failing rename
// or fsync, a refused permission when running as root), and with
// kStopProcessFault it halts the process at that call, so that a test can kill
// it there as a power cut would. Nothing is injected unless a test asks.
namespace vexa {

enum class FileCall { Create, Write, Sync, Rename };

// Instead of failing, the call stops the process (SIGSTOP) before it is made.
inline constexpr int kStopProcessFault = -1;

// After `after` calls of that kind have gone through, the next one fails with
// `error` (an errno value, or kStopProcessFault); 0 clears it.
void InjectFileFault(FileCall call, int error, int after = 0);
void ClearFileFaults();

// The error injected for this call of `call`, cleared as it is taken; 0 when
// none (or when the call is one of those to let through).
int TakeFileFault(FileCall call);

}  // namespace vexa

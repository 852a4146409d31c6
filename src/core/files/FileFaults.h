#pragma once
// A seam for tests: the next system call of a kind made by a file replacement
// fails with a chosen error number. It reaches failures that a real file system
// gives seldom or only to other users (a failing rename or fsync, a refused
// permission when running as root). Nothing is injected unless a test asks.
namespace vexa {

enum class FileCall { Create, Write, Sync, Rename };

// The next `call` fails with `error` (an errno value); 0 clears it.
void InjectFileFault(FileCall call, int error);
void ClearFileFaults();

// The error injected for `call`, cleared as it is taken; 0 when none.
int TakeFileFault(FileCall call);

}  // namespace vexa

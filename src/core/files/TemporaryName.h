#pragma once
// The names of the hidden temporaries that file replacements write beside
// their targets: ".NAME.vexa-PID-SERIAL.tmp". The process id in the name lets
// a later run in the same folder tell the leftovers of a process that no longer
// exists (one ended by SIGKILL or a power cut, which no handler sees) from the
// temporaries of a replacement still in progress.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace vexa {

// The temporary's name for a target named `fileName` (its first 200 bytes).
std::string TemporaryName(std::string_view fileName, pid_t owner, unsigned serial);

// The process that made a temporary of that form; nullopt for any other name.
std::optional<pid_t> TemporaryOwner(std::string_view name);

// Whether the process `pid` has ended (false while it runs, or when this user
// may not ask about it).
bool ProcessHasEnded(pid_t pid);

// Removes the regular files in `folder` whose names are of that form and whose
// process has ended. Others' temporaries are left alone: those of a process
// that still runs (or whose state this user may not see), and other files.
void RemoveStaleTemporaries(const std::filesystem::path& folder);
// The same in the open folder `folder`.
void RemoveStaleTemporaries(int folder);

}  // namespace vexa

#pragma once
// Reads a Control File back into the Project: the editor's own "vxa" files,
// the older "ktr" files (same form) and "wpj" files (reduced card section).
#include "core/config/Configuration.h"
#include "core/model/Project.h"
#include "core/ui/UserDialogs.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace vexa {

enum class ControlFileForm { Full, Reduced };

// A full Project (eight sheets of 256 lines, 255 sounds) is about a megabyte;
// a larger file is no Control File and is refused before it is read.
inline constexpr std::uint64_t kMaxControlFileBytes = 16 * 1024 * 1024;
// The longest value a line carries is a few hundred bytes.
inline constexpr std::size_t kMaxControlFileLine = 64 * 1024;

// The form told by the last three bytes of the path, any case; nullopt for
// any other file.
std::optional<ControlFileForm> ControlFileFormOf(std::string_view path);

// Replaces the Project's sheets and Sound Table (and the Card Information and
// Pattern Times the file holds) from the file. The WAVE files it lists are
// looked for beside it, and only their headers are read. False without a
// message for a file of another kind; false after message 2504 (preceded by
// the WAVE reader's own message where that failed) when the file cannot be
// read: sheets 0 … 7 are then cleared again. A file that cannot be opened, is
// no regular file or is larger than kMaxControlFileBytes is refused so before
// the Project is touched; one without a single marker line fails. Lines with
// bytes that are not CP932 are recorded in Project::undecoded, for the caller
// to name once the loaded Project is shown (WarnOfUndecodedLines).
bool LoadKtrFile(const std::filesystem::path& path, Project& project, const Settings& settings,
                 UserDialogs& dialogs);

}  // namespace vexa

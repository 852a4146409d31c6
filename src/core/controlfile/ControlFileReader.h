#pragma once
// Reads a Control File back into the Project: the editor's own "vxa" files,
// the older "ktr" files (same form) and "wpj" files (reduced card section).
#include "core/config/Configuration.h"
#include "core/model/Project.h"
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

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

// What a load gave: the file read into the Project, or the refusals to show
// instead, in the order the user reads them.
class ControlFileLoad {
public:
    static ControlFileLoad loaded() { return ControlFileLoad(true, {}); }
    // A file of another kind: nothing to say.
    static ControlFileLoad otherKind() { return ControlFileLoad(false, {}); }
    static ControlFileLoad refused(std::vector<Refusal> refusals) { return ControlFileLoad(false, std::move(refusals)); }

    explicit operator bool() const { return loaded_; }
    const std::vector<Refusal>& refusals() const { return refusals_; }

private:
    ControlFileLoad(bool loaded, std::vector<Refusal> refusals) : loaded_(loaded), refusals_(std::move(refusals)) {}

    bool loaded_;
    std::vector<Refusal> refusals_;
};

// Replaces the Project's sheets and Sound Table (and the Card Information and
// Pattern Times the file holds) from the file. The WAVE files it lists are
// looked for beside it, and only their headers are read. Nothing to show for
// a file of another kind; message 2504 naming the file and why (preceded by
// the WAVE reader's own refusal where that failed) when the file cannot be
// read: sheets 0 … 7 are then cleared again. A file that cannot be opened, is
// no regular file or is larger than kMaxControlFileBytes is refused so before
// the Project is touched; one without a single marker line fails. Lines with
// bytes that are not CP932 are recorded in Project::undecoded, for the caller
// to name once the loaded Project is shown (WarnOfUndecodedLines). The reader
// shows nothing itself: the caller shows the refusals (ShowLoadRefusals).
ControlFileLoad LoadKtrFile(const std::filesystem::path& path, Project& project, const Settings& settings);

// Shows a failed load's refusals one after the other.
void ShowLoadRefusals(UserDialogs& dialogs, const ControlFileLoad& load);

}  // namespace vexa

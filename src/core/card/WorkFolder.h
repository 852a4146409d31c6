#pragma once
// The hidden folder in which a card's new files are gathered before they go
// into the Card Folder: ".<Card Folder>.vexa-<pid>-XXXXXX", made in one folder
// (beside the Card Folder, or inside it when it is a file system of its own)
// through that folder's descriptor. The process id in the name lets a later
// run tell the leftovers of a process that no longer exists (SIGKILL, a power
// cut) from the work of a creation still running. Removed with whatever it
// holds when the object goes, unless the swap has taken charge of it.
#include "core/files/UniqueFd.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace vexa {

// The name of a work folder for the Card Folder `cardFolder`.
std::string WorkFolderName(std::string_view cardFolder, pid_t owner, std::string_view unique);
// The process that made a work folder of that form; nullopt for any other name.
std::optional<pid_t> WorkFolderOwner(std::string_view name);
// The record of a swap in progress, beside its work folder.
std::string SwapRecordName(std::string_view workFolder);
// The work folder a swap record belongs to; nullopt for any other name.
std::optional<std::string> WorkFolderOfRecord(std::string_view name);

class WorkFolder {
public:
    // Creates the folder in `place` (shown to the user as `shownPlace`);
    // problem() tells why not.
    WorkFolder(int place, const std::filesystem::path& shownPlace, std::string_view cardFolder);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    bool created() const { return fd_.valid(); }
    const std::string& problem() const { return problem_; }
    const std::string& name() const { return name_; }
    int fd() const { return fd_.get(); }
    // The swap now answers for the folder (it removes it or leaves it for recovery).
    void handOver() { handedOver_ = true; }

private:
    int place_;
    std::string name_;
    UniqueFd fd_;
    std::string problem_;
    bool handedOver_ = false;
};

}  // namespace vexa

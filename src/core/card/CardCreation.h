#pragma once
// The file work of control data creation, run off the user-interface thread:
// the complete new set (the Control File and every WAVE file) is gathered in a
// hidden work folder on the Card Folder's file system, checked, and only then
// put in place of the Card Folder's files. Before anything is copied the
// sources are measured and the free space is compared with what the set
// needs. Any failure stops creation with a text naming the file and the
// reason, and leaves the Card Folder as it was; the work folder is removed in
// every case.
//
// Progress: the bar runs from 0 to job.barMaximum() steps (shown in percent):
// caption 2025, then 2026 + the Control File's name; one step for the Control
// File and one for each WAVE file gathered; then for each file of the set in
// name order caption 2027 + its name and one step as it is checked. The stop
// request is heard between steps and between blocks of a copy.
//
// After the swap the Card Folder is read back (the names, sizes and contents
// of the set, against the Control File's bytes and the sources): a file
// system that lost or changed a file in the swap fails the creation, naming
// the files, instead of completing it.
#include "core/card/CardFolderSwap.h"
#include "core/card/CardJob.h"
#include "core/ui/Progress.h"
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"

#include <filesystem>
#include <string>

namespace vexa {

struct CardCreationResult {
    enum class Outcome { Completed, Stopped, Failed };
    Outcome outcome = Outcome::Completed;
    std::string problem;  // for Failed: what stopped it, naming the file
    std::string recovery;  // what was done about earlier creations cut short ("" for nothing)
    bool folderChanged = false;  // for Failed: the set was swapped in but did not read back as written

    bool completed() const { return outcome == Outcome::Completed; }
};

CardCreationResult CreateCard(const CardJob& job, Progress& progress, SwapMethod method = SwapMethod::Exchange);

// How a failure is shown: message 2507, the problem and a line saying that
// the Card Folder was left as it was (or, when it was changed, that it must
// not be used as it is); titled "エラー" with the error icon.
Refusal CardFailureRefusal(const std::string& problem, bool folderChanged = false);

// The line after question 2024 that names the folder whose files are replaced.
std::string ReplacedFolderLine(const std::filesystem::path& cardFolder);

// The notice of a completed creation: message 2030, then 2077, the Card
// Folder and two spaces; titled 2031 with the warning icon.
MessageRequest CardDoneMessage(const std::filesystem::path& cardFolder);

}  // namespace vexa

#pragma once
// The checks the tools window runs before a job, in their order, with the
// questions between them. The first failing check wins: its refusal is shown
// (a question answered No shows nothing more) and the window puts the focus
// on the box it names, selecting its whole text. An unexpected failure while
// checking is told with 2082, and the job does not start.
#include "core/ui/UserDialogs.h"

#include <string>

namespace vexa {

struct ToolsValidation {
    bool passed = false;
    std::string focus;  // the box to focus when not passed; "" for none

    bool operator==(const ToolsValidation&) const = default;
};

// File mode: the entries (CheckFileEntries), then the overwrite question.
ToolsValidation ValidateFileConversion(const std::string& source, const std::string& output, UserDialogs& dialogs);

// Folder mode: the entries (CheckFolderEntries); a missing output folder is
// offered to be made (2047 + 2085; MakeDir, 2807 when that fails); then the
// folders' texts and the source's WAVE files (CheckFolderSources).
ToolsValidation ValidateFolderConversion(const std::string& source, const std::string& output,
                                         UserDialogs& dialogs);

// Silence: the boxes (CheckSilenceEntries), then the overwrite question.
ToolsValidation ValidateSilence(const std::string& minutes, const std::string& seconds, const std::string& output,
                                UserDialogs& dialogs);

}  // namespace vexa

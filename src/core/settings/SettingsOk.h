#pragma once
// OK of the settings window, in its order: the Pattern Times and the card
// data folder are checked (the first failure ends OK with the window open),
// a new Line Count or sheet mode is confirmed once (2072), the Configuration
// File is written, the run's configuration takes the new settings, the
// editing contents are cleared when confirmed (the undo history goes with
// them), changed Pattern Times reach the Project, and the voice cells are
// checked against the Sound Table.
#include "core/document/Document.h"
#include "core/settings/SettingsDraft.h"
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"

#include <filesystem>
#include <functional>
#include <string>

namespace vexa {

// What OK needs of the windows. Every call may be empty.
struct SettingsOkCalls {
    // Shows the box named so (its tab first) before a question about it.
    std::function<void(const std::string& field)> showField;
    // The wait pointer on (true) and off again, around the saving.
    std::function<void(bool on)> busy;
    // The main window's NewDataMakeClick; NewDataMake on the Document when empty.
    std::function<void()> newDataMake;
    // The main window's RefreshVoiceCell.
    std::function<void()> refreshVoiceCell;
};

enum class SettingsOkOutcome {
    Refused,   // a check failed or the file could not be written: nothing changed
    Declined,  // the user kept the contents (No to 2072): nothing changed
    Saved,     // written and applied: the window closes
};

struct SettingsOkResult {
    SettingsOkOutcome outcome = SettingsOkOutcome::Refused;
    // Refused: the box to select and focus (its tab first) and the message to
    // show after that; a refusal without text only moves the focus.
    CheckResult refusal;
    bool cleared = false;  // Saved: the editing contents were cleared
};

// `opening` holds the values the window opened with, `draft` what it holds
// now; `patternChanged` says whether the text of a Pattern Time box changed.
// Pattern Times that differ become one undoable step, unless the contents
// were cleared: then the Pattern Time Defaults stand and the Project counts
// as modified.
SettingsOkResult RunSettingsOk(Document& document, const std::filesystem::path& configurationFile,
                               const SettingsDraft& opening, const SettingsDraft& draft, bool patternChanged,
                               UserDialogs& dialogs, const SettingsOkCalls& calls = {});

}  // namespace vexa

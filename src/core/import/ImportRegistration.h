#pragma once
// Import inside sound registration. A chosen file that registration refuses
// for a reason import can fix (rate, bit depth, channels, the format chunk,
// compressed or non-WAVE audio) is not the end of the batch: one question
// names the file and the reason, with the proposed name (which the user may
// change) and the format, and offers 変換して登録 / スキップ / すべて変換.
// Converted files are written to the import folder and registered in the
// chosen order as if they had been chosen there. A refusal import cannot fix
// ends the batch as before.
//
// The steps: InspectWithImport reads the files (on a worker), AskImportQuestions
// asks (on the user-interface thread), RunImportBatch converts the plan's
// items (on a worker), ChecksToRegister gives SoundList::registerChecked its
// list.
#include "core/import/AudioBackend.h"
#include "core/import/ImportBatch.h"
#include "core/import/ImportOptions.h"
#include "core/sound/WaveRegistrationCheck.h"
#include "core/ui/Progress.h"
#include "core/ui/UserDialogs.h"

#include <optional>
#include <string>
#include <vector>

namespace vexa {

struct ImportCandidate {
    std::string reason;      // why registration refuses the file, in words
    AudioSourceInfo source;  // what the decoder reads of it
};

// What import can fix in a refused file; none when the file is accepted or
// import cannot help (unreadable, not decodable, broken chunks, only the name
// is wrong).
std::optional<ImportCandidate> ImportableRefusal(const WaveRegistrationCheck& check, bool stereoAllowed,
                                                 AudioBackend& backend);

struct RegistrationStep {
    WaveRegistrationCheck check;
    std::optional<ImportCandidate> candidate;  // set: import can fix the refusal
};

struct ImportInspectionRun {
    std::vector<RegistrationStep> steps;
    bool complete = true;  // false: the stop request ended it before the last file
};

// The files checked in order as InspectForRegistration does, going on past
// the refusals import can fix and ending with the first it cannot.
ImportInspectionRun InspectWithImport(const std::vector<std::string>& paths, bool stereoAllowed,
                                      AudioBackend& backend, Progress& progress);

enum class ImportChoice { Convert, Skip, ConvertAll };

inline constexpr const char* kConvertButton = "変換して登録";
inline constexpr const char* kSkipButton = "スキップ";
inline constexpr const char* kConvertAllButton = "すべて変換";

// The question for one file.
ChoiceRequest ImportQuestion(const std::string& file, const ImportCandidate& candidate, const std::string& name,
                             const ImportOptions& options, const std::string& folder);

struct RegistrationImportPlan {
    std::vector<RegistrationStep> steps;
    std::vector<std::string> names;  // per step: the name to convert it to; "" when not converted
    bool complete = true;

    // The conversions, in order.
    std::vector<ImportItem> items() const;
};

// Asks about every step with a candidate, until すべて変換 converts the rest
// without asking. The proposals avoid `taken` (the sound list's names and the
// import folder's files), the accepted files of the run and each other; a name the user types is checked as
// registration would and asked again when refused.
RegistrationImportPlan AskImportQuestions(ImportInspectionRun run, TakenNames taken, const ImportOptions& options,
                                          const std::string& folder, UserDialogs& dialogs);

// What registration then takes, in the chosen order: the accepted files, each
// converted file checked again where it was written, and the refusal that
// ended the inspection. A conversion that failed is shown and left out; after
// a stop, nothing from the stopped conversion on is registered.
struct ChecksToRegister {
    std::vector<WaveRegistrationCheck> checks;
    bool complete = true;
};
ChecksToRegister ChecksAfterImport(const RegistrationImportPlan& plan, const ImportBatchResult& batch,
                                   bool stereoAllowed, UserDialogs& dialogs);

}  // namespace vexa

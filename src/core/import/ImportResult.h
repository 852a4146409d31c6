#pragma once
// What importing one file gave: the file written and its figures, or why
// nothing was written.
#include "core/import/ImportOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace vexa {

enum class ImportStatus {
    Imported,
    Stopped,  // the user asked to stop; nothing was written
    Failed,   // refused or failed; nothing was written; `failure` says why
};

struct ImportResult {
    std::string source;
    std::string output;  // the file written; "" unless Imported
    ImportStatus status = ImportStatus::Failed;
    std::string failure;  // a text naming the file, for Failed

    ImportFormat format;
    double seconds = 0;                      // the length written
    std::optional<double> loudnessBefore;    // LUFS of the converted sound before the gain
    std::optional<double> loudnessAfter;     // LUFS of the file written
    std::optional<double> truePeakAfter;     // dBTP of the file written: the converted sound's, with the gain
    double gainDb = 0;
    bool limitedByPeak = false;  // the ceiling stopped the gain before the target
    std::vector<std::string> notes;

    bool imported() const { return status == ImportStatus::Imported; }
};

}  // namespace vexa

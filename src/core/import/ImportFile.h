#pragma once
// One source imported into one WAVE file the device plays. Two passes with
// memory bounded whatever the length:
// 1. decode block by block, mix down by averaging the channels, resample to
//    the output rate, measure the integrated loudness and the true peak, and
//    keep the float result in a scratch file without a name (ScratchFile);
// 2. read it back with one gain (the loudness target, held below the
//    true-peak ceiling), the leading and trailing silence trimmed when asked,
//    TPDF-dithered to 8 or 16 bits, into the destination through the one safe
//    file replacement, measured again as written.
// A stopped or failed import leaves the destination as it was.
#include "core/import/AudioBackend.h"
#include "core/import/ImportOptions.h"
#include "core/import/ImportResult.h"
#include "core/ui/Progress.h"

#include <filesystem>

namespace vexa {

// The part of the bar (0 … 100) one file of a batch moves through.
struct ProgressShare {
    int from = 0;
    int to = 100;
};

// `options` must pass CheckImportOptions.
ImportResult ImportFile(const std::filesystem::path& source, const std::filesystem::path& destination,
                        const ImportOptions& options, AudioBackend& backend, Progress& progress,
                        ProgressShare share = {});

}  // namespace vexa

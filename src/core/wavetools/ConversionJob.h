#pragma once
// The files one conversion job converts, and the job itself: once the entries
// have passed their checks, each source's format is read (a mono file ends
// the job in file mode and is offered to be skipped in folder mode), and the
// stereo ones are converted in order under one progress bar.
#include "core/ui/UserDialogs.h"
#include "core/wavetools/ConversionMode.h"
#include "core/wavetools/JobResult.h"
#include "core/wavetools/ProgressLink.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

struct ConversionFile {
    std::string source;
    std::string output;

    bool operator==(const ConversionFile&) const = default;
};

struct ConversionJob {
    std::vector<ConversionFile> files;
    std::uint64_t totalBytes = 0;  // the sources' sizes: the bar's step is a hundredth of it
};

// File mode: `source` into the file `output`. Folder mode: every "*.wav" file
// of the folder `source`, sorted by name, into the folder `output` under its
// own name. Nullopt when the job ends before it starts (a format that cannot
// be read, a mono file in file mode, No to a skip question, or no stereo file
// left: "変換対象のファイルが見つかりません。…"); the user has been told.
std::optional<ConversionJob> PlanConversion(ConversionMode mode, const std::string& source,
                                            const std::string& output, UserDialogs& dialogs);

// Converts the files in order; the first one stopped or failed ends the job
// with its result (the files before it stay converted).
JobResult RunConversion(const ConversionJob& job, ProgressLink& link);

}  // namespace vexa

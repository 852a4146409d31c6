#pragma once
// Copies one WAVE file of a card into the work folder through the safe file
// replacement, checking that the copy has the size the source had when the
// card's space was counted. The copy is not flushed to the disk: the caller
// flushes the work folder's file system once the whole set is there.
#include "ui/Progress.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace vexa {

struct CopyOutcome {
    bool copied = false;
    bool stopped = false;  // the user asked to stop between two blocks
    std::string problem;   // why not, naming the file; "" when copied or stopped
};

CopyOutcome CopyCardFile(const std::filesystem::path& source, const std::filesystem::path& target,
                         std::uint64_t expectedBytes, Progress& progress);

}  // namespace vexa

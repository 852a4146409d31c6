#pragma once
// Writes the files of a card into the work folder, through its descriptor: a
// new file of a plain name, created exclusively, never through a link. A
// WAVE file is copied from its source in the kernel (KernelFileCopy), its
// room reserved first where the file system can, and must end with the size
// the source had when the card's space was counted. Nothing is flushed to the disk here:
// the caller flushes the work folder's file system once the whole set is there.
// Problems name the file where it is going (`shown`), not the work folder.
#include "core/ui/Progress.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vexa {

struct CopyOutcome {
    bool copied = false;
    bool stopped = false;  // the user asked to stop between two blocks
    std::string problem;   // why not, naming the file; "" when copied or stopped
};

CopyOutcome CopyCardFile(const std::filesystem::path& source, int folder, const std::string& name,
                         const std::filesystem::path& shown, std::uint64_t expectedBytes, Progress& progress);

// Writes `bytes` as the new file `name` in `folder`; "" when written, else the problem.
std::string WriteCardFile(int folder, const std::string& name, std::string_view bytes,
                          const std::filesystem::path& shown);

}  // namespace vexa

#pragma once
// What a failed tools job leaves under the destination's name: an empty file.
#include <filesystem>

namespace vexa {

// Leaves an empty file under `path` (what a failed job leaves behind).
void LeaveEmptyFile(const std::filesystem::path& path);

}  // namespace vexa

#pragma once
// Silent WAVE files: a canonical 44-byte mono PCM header followed by the
// silent level (0 for 16 bits, the unsigned mid level 128 for 8 bits).
#include "core/wavetools/JobResult.h"
#include "core/wavetools/ProgressLink.h"

#include <cstdint>
#include <filesystem>

namespace vexa {

inline constexpr const char* kMakingCaption = "Makeing, Please wait... ";
inline constexpr const char* kMakingCompleted = "Makeing was completed.";
inline constexpr const char* kMakingStopped = "Makeing was stopped.";

// The length of the file MakeSilence writes: 44 + seconds × bytes per second.
// Any rate other than 44100 means 22050.
std::uint64_t SilenceFileSize(int seconds, int rate, int bits);

// Writes the silent file, replacing one of that name, block by block. A stop
// keeps the full length with zero bytes where the loop did not reach; a
// failure (bits other than 8 and 16, a file of 2 GiB or more, a write error)
// leaves the file as it was: absent, the old file, a link's target.
JobResult MakeSilence(const std::filesystem::path& path, int seconds, int rate, int bits,
                      ProgressLink& link);

}  // namespace vexa

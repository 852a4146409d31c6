#pragma once
// Stereo to mono: keeps one channel of every frame (the right one of 8-bit
// files, the left one of 16-bit files), byte for byte, without mixing or
// resampling. The header is the source's up to the "data" chunk with the
// fields that depend on the channel count rewritten; chunks after the data
// are left out.
#include "core/wavetools/JobResult.h"
#include "core/wavetools/ProgressLink.h"

#include <filesystem>

namespace vexa {

inline constexpr const char* kConvertingCaption = "Converting, Please wait... ";
inline constexpr const char* kConversionCompleted = "Conversion was completed.";
inline constexpr const char* kConversionStopped = "Conversion was stopped.";

// Converts `source` into `destination`, replacing a file of that name. The
// file is read and written block by block. A stop keeps the full length with
// zero bytes where the conversion did not reach; a failure (unreadable or
// unsuitable source, write error, destination the same file as the source)
// leaves the destination as it was: absent, the old file, a link's target.
JobResult ConvertToMono(const std::filesystem::path& source, const std::filesystem::path& destination,
                        ProgressLink& link);

}  // namespace vexa

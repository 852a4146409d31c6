#pragma once
// The silent file the silence tab asks for: its length from the time boxes,
// its rate and width from the two lists.
#include "core/wavetools/JobResult.h"
#include "core/wavetools/ProgressLink.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vexa {

// The lists' entries, in order, and the ones chosen when the window opens.
inline constexpr std::array<std::string_view, 2> kSampleChoices{"22.05KHz", "44.1KHz"};
inline constexpr std::array<std::string_view, 2> kBitChoices{"8Bit", "16Bit"};
inline constexpr int kDefaultSampleChoice = 0;  // 22.05KHz
inline constexpr int kDefaultBitChoice = 1;     // 16Bit

struct SilenceJob {
    std::string path;
    int seconds = 0;
    int rate = 22050;  // 44100 when "44.1KHz" is chosen
    int bits = 16;     // 8 unless "16Bit" is chosen

    // The bytes the file will hold: the bar's step is a hundredth of it.
    std::uint64_t totalBytes() const;
};

SilenceJob SilenceJobFor(const std::string& path, int seconds, std::string_view sampleChoice,
                         std::string_view bitChoice);

JobResult RunSilence(const SilenceJob& job, ProgressLink& link);

}  // namespace vexa

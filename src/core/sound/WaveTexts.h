#pragma once
// How the sound list shows a WAVE file's format, length and size.
#include <cstdint>
#include <string>

namespace vexa {

// The rate in kHz, at most three decimals, point always written: "22.05KHz", "8.KHz".
std::string RateText(std::uint32_t samplesPerSec);
// "16bit".
std::string BitsText(std::uint16_t bitsPerSample);
// "Mono" for one channel, "Stereo" otherwise.
std::string ChannelsText(std::uint16_t channels);
// Milliseconds as seconds in the "0.000" form; -1 (not measurable) gives "-0.001".
std::string LengthText(long long milliseconds);

}  // namespace vexa

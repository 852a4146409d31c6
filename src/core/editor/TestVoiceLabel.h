#pragma once
// What LblState says of a voice a test plays: its file name, format, play
// length and size, when the file's format can be read.
#include "core/ui/Refusal.h"

#include <filesystem>
#include <string>

namespace vexa {

struct TestVoiceLabel {
    std::string text;    // "CHIME.WAV  PCM 22.05KHz 16Bit Mono 1.500秒 44144バイト "; "" with a refusal
    CheckResult refusal; // why the format cannot be read (the label stays as it is)
};

TestVoiceLabel DescribeTestVoice(const std::filesystem::path& path);

}  // namespace vexa

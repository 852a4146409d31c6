#pragma once
// The WAVE files of a folder as "フォルダ選択" adds them: every regular file
// whose name ends in ".wav" in any case ("CHIME.WAV" too: names on FAT cards
// are mostly upper case), sorted by name, as full paths.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

// True for "a.wav", "A.WAV", "b.Wav"; false for "wav", ".wav.bak".
bool HasWaveExtension(std::string_view name);

// The folder's WAVE files (not those of its subfolders); empty when the
// folder cannot be listed.
std::vector<std::string> ListWaveFiles(const std::filesystem::path& folder);

}  // namespace vexa

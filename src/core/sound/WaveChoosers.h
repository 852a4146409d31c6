#pragma once
// How the sound registration window picks files: "ファイル選択" (the file
// chooser, several files, "*.wav") and "フォルダ選択" (every WAVE file of a
// folder), both starting in WaveRef; and the WaveRef the choice leaves.
#include "core/ui/UserDialogs.h"

#include <string>
#include <vector>

namespace vexa {

// The filter of the file chooser; "*.wav" matches upper-case names too.
std::vector<std::string> WaveFileFilters();

// The chosen files as full paths; empty when cancelled or refused.
std::vector<std::string> ChooseWaveFiles(UserDialogs& dialogs, const std::string& waveRef);
// The WAVE files of the chosen folder, sorted by name; empty when cancelled
// or when it holds none.
std::vector<std::string> ChooseWaveFolder(UserDialogs& dialogs, const std::string& waveRef);

// WaveRef after a choice: the folder of the first file.
std::string WaveRefAfter(const std::vector<std::string>& paths);

}  // namespace vexa

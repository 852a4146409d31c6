#pragma once
// What a new Sound Table does to the Program Lines: a voice that names no
// entry of the table (every voice, when the Sound Present flag is clear) is
// dropped, the voices left are packed to the left and the line's TIME is
// computed again from the measured lengths, the same way the programme grid's
// RefreshVoiceCell does it for the shown sheet.
#include "core/document/SheetEdit.h"
#include "core/model/Project.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace vexa {

// Play length of a WAVE file in milliseconds, -1 when it cannot be measured.
using MeasureWave = std::function<long long(const std::filesystem::path&)>;

// The line as it is with the table `sounds` (Sound Present `present`);
// `measure` gives the length of an entry's file.
ProgramLine RefreshedLine(const ProgramLine& line, const std::vector<SoundEntry>& sounds, bool present,
                          const MeasureWave& measure);

// The lines 0 … lineCount - 1 of every sheet of `project` that the table
// changes, as one sheet edit (empty when none changes). Each file is
// measured once.
std::unique_ptr<SheetEdit> RefreshVoices(const Project& project, const std::vector<SoundEntry>& sounds, bool present,
                                         int lineCount, const MeasureWave& measure);

}  // namespace vexa

#pragma once
// The Project: everything the user edits in a run, held as the texts the
// windows show. The run's Document owns the one the editor edits.
#include "core/config/Configuration.h"
#include "core/model/CardInformation.h"
#include "core/model/ProgramSheet.h"
#include "core/model/SoundEntry.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexa {

inline constexpr int kSheetCount = 8;  // sheets 0 … 7, the ones files carry
inline constexpr int kSheetSlots = 9;  // the store keeps room for a ninth
inline constexpr std::size_t kMaxSounds = 255;

// The lines of the file the Project was last loaded from that held bytes which
// are not CP932. Their texts show U+FFFD where those bytes were, and a writer
// can only put "?" there.
struct UndecodedLines {
    std::string file;
    std::vector<long> lines;  // from 1, in file order

    bool empty() const { return lines.empty(); }
};

struct Project {
    std::array<ProgramSheet, kSheetSlots> sheets;
    std::vector<SoundEntry> sounds = std::vector<SoundEntry>(1);  // slot 0 always exists
    bool soundPresent = false;  // the table holds at least one real entry
    PatternTimes patterns;
    UserInformation user;
    CardInformation card;
    UndecodedLines undecoded;  // set by every load

    // Clears sheets 0 … 7 (lines 0 … lineCount - 1 of each).
    void clearSheets(int lineCount);
    // Clears one sheet (0 … 8).
    void clearSheet(int sheet, int lineCount);

    // One empty slot 0, Sound Present cleared.
    void resetSoundTable();
    // Makes the table end at index `last`, keeping the entries below it.
    void growSoundTable(std::size_t last);
    // Index of the first entry whose File name is exactly `name` (none for "").
    std::optional<std::size_t> findSound(std::string_view name) const;

    // Repeat × the sum of the voices' Length texts, each rounded to one
    // decimal, in the "0.0" form; nullopt when Repeat or a Length is not a number
    // or the product is no time the system holds (TimeRange).
    std::optional<std::string> lineTime(const ProgramLine& line) const;
};

// The Project as a run starts: sheets 0 … 7 cleared for the Line Count, the
// Pattern Times from the Pattern Time Defaults, the User Information read at
// start-up, one empty sound slot.
Project StartingProject(const Configuration& configuration);

// What New leaves of `project`: the Card Information emptied, sheets 0 … 7
// cleared, the Sound Present flag cleared and the Pattern Time Defaults put
// back. The Sound Table entries stay.
Project ClearedProject(Project project, const Configuration& configuration);

}  // namespace vexa

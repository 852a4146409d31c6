#pragma once
// The Test Table: what a test run plays, taken from the shown sheet when the
// test starts, so that nothing the user does during the test changes it.
// One Test Line per usable grid row (row r ≥ 2 is line r - 2).
#include "core/model/ProgramLine.h"
#include "core/model/SoundEntry.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vexa {

// Where a test is asked for. SIM tests the whole sheet from its first line;
// the others test one line.
enum class TestEntry {
    Click,       // a click on a line's number or pictures
    Sim,         // the toolbar key SIM
    LineButton,  // line button 0 ("再生"), for the cursor's line
};

struct TestVoice {
    std::string fileName;         // as the voice cell names it; "" for an empty slot
    std::filesystem::path path;   // Source path of that Sound Entry; "" when none has the name

    bool empty() const { return fileName.empty(); }
    bool operator==(const TestVoice&) const = default;
};

inline constexpr int kTestVoiceSlots = kVoicesPerLine + 1;  // slot 8 is always empty

struct TestLine {
    bool active = false;     // the line is played
    bool hasVoices = false;  // at least one voice cell holds a voice
    std::array<TestVoice, kTestVoiceSlots> voices{};
    std::int16_t repeat = 0;
    std::int16_t ledType = 0;
    float ledTime = 0;  // seconds; 0 when the LED type is 0
    std::int16_t buzzerType = 0;
    float buzzerTime = 0;

    bool operator==(const TestLine&) const = default;
};

class TestTable {
public:
    TestTable() = default;
    explicit TestTable(std::vector<TestLine> lines) : lines_(std::move(lines)) {}

    // The line of grid row `row`; an inactive empty line for a row outside
    // the table (a header row, a row past the Line Count).
    const TestLine& line(int row) const;
    // The last usable grid row (Line Count + 1).
    int lastRow() const;
    bool anyActive() const;
    // The first active row after `row`, or 0 when there is none.
    int nextActiveRow(int row) const;

private:
    std::vector<TestLine> lines_;  // lines_[i] is grid row i + 2
};

// The table for `lines` (lines 0 … Line Count - 1 of the shown sheet). A
// line with a voice or an LED or BUZZER time is active, except that for a
// click only the clicked line (grid row `row`) can be. Voices are looked up
// by File name in `sounds`; numbers that are not numbers count as 0.
TestTable BuildTestTable(std::span<const ProgramLine> lines, const std::vector<SoundEntry>& sounds, int row,
                         TestEntry entry);

}  // namespace vexa

#pragma once
// The sound registration window's own copy of the Sound Table: 255 numbered
// rows, the running totals and their displays, the Changed and Table Changed
// flags, the highlighted row, and every rule of the window (registering,
// duplicates, capacity, delete, delete all, moves, comments, what OK writes
// back). The window only shows it and forwards the user's actions.
#include "core/model/Project.h"
#include "core/sound/PlayRequest.h"
#include "core/sound/WaveRegistrationCheck.h"
#include "core/ui/Refusal.h"
#include "core/ui/UserDialogs.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

inline constexpr int kSoundRows = 255;  // entry rows 1 … 255; row 0 holds the headings

namespace soundcol {
inline constexpr int kNo = 0;
inline constexpr int kName = 1;
inline constexpr int kComment = 2;
inline constexpr int kRate = 3;
inline constexpr int kBits = 4;
inline constexpr int kType = 5;
inline constexpr int kSec = 6;
inline constexpr int kBytes = 7;
inline constexpr int kPath = 8;  // not shown
inline constexpr int kCount = 9;
}  // namespace soundcol

struct SoundColumnHeading {
    const char* text;
    int widthTwips;  // 0: not shown
};
// Headings and widths of columns 0 … 8.
const std::array<SoundColumnHeading, soundcol::kCount>& SoundColumnHeadings();

// What registering a batch of files did.
struct RegistrationResult {
    int added = 0;
    bool stopped = false;       // a refusal ended the batch
    int currentRow = 0;         // the row to make current (the last added), 0 for none
    bool operator==(const RegistrationResult&) const = default;
};

class SoundList {
public:
    SoundList() = default;
    // Opening the window: the Project's entries when the Sound Present flag
    // is set, the totals from their Length and Size texts, flags cleared.
    static SoundList FromProject(const Project& project);

    // --- What the window shows --------------------------------------------
    int count() const { return static_cast<int>(rows_.size()); }
    // Row 1 … 255; an empty entry for a row without one.
    const SoundEntry& entry(int row) const;
    // The text of a cell: headings in row 0, "001" … in column 0 of entries.
    std::string cell(int row, int col) const;
    long long totalLength() const { return totalLength_; }  // milliseconds
    long long totalSize() const { return totalSize_; }      // bytes
    const std::string& timeDisplay() const { return timeDisplay_; }
    const std::string& sizeDisplay() const { return sizeDisplay_; }
    bool changed() const { return changed_; }
    bool tableChanged() const { return tableChanged_; }
    // The highlighted row (0: none). The row buttons are enabled with it.
    int highlightedRow() const { return highlighted_; }
    bool rowButtonsEnabled() const { return highlighted_ > 0; }
    // The current row the row buttons act on (0: none).
    int currentRow() const { return current_; }

    // --- Selecting -------------------------------------------------------
    // A click or a move of the current cell to (row, col). True when the
    // comment cell's editor is to open there.
    bool selectCell(int row, int col);
    // Row buttons off, no highlight, current cell row 0.
    void clearSelection();

    // --- Registering -------------------------------------------------------
    // The checked files in order (see InspectForRegistration): a refusal is
    // shown and ends the batch; then the capacity sum (2108, ends it), a
    // duplicate name (2042 name 2043, skipped), no free row (skipped, 2041 at
    // the end). `complete` is false when the inspection was stopped early:
    // what was checked is registered, with no closing message.
    RegistrationResult registerChecked(const std::vector<WaveRegistrationCheck>& checks, UserDialogs& dialogs,
                                       bool complete = true);
    // True, after message 2042 name 2043, when an entry has this file name
    // (compared without regard to case: the card is FAT).
    bool DuplicationCheck(const std::string& name, UserDialogs& dialogs) const;

    // --- Editing -----------------------------------------------------------
    // A completed edit of the comment cell of an entry row.
    void setComment(int row, std::string text);
    // Deletes the entry of the current row after question 2044.
    bool deleteCurrent(UserDialogs& dialogs);
    // Deletes every entry after question 2045.
    bool deleteAll(UserDialogs& dialogs);
    // Moves the current row's entry up or down; the current row follows it.
    bool moveUp();
    bool moveDown();

    // --- Playing -----------------------------------------------------------
    // Play the current row's entry; none when it holds no entry.
    std::optional<PlayRequest> playCurrent() const;
    // Play every entry from row 1; none when the list is empty.
    std::optional<PlayRequest> playAll() const;

    // --- Closing -----------------------------------------------------------
    // The comment check of OK: a comment over 40 bytes is refused with 2812
    // at its cell.
    CheckResult checkComments() const;
    // The Sound Table OK writes back: the entries in row order; one empty
    // slot when there is none.
    std::vector<SoundEntry> soundTable() const;
    // Closing without OK: true when the window may close (not Changed, or
    // Yes to question 2067).
    bool confirmDiscard(UserDialogs& dialogs) const;

private:
    bool isEntryRow(int row) const { return row >= 1 && row <= count(); }
    void markChanged();
    void addEntry(SoundEntry entry, long long milliseconds, std::uint64_t bytes);
    std::uint64_t sizeSum() const;

    std::vector<SoundEntry> rows_;  // row r is rows_[r - 1]
    long long totalLength_ = 0;
    long long totalSize_ = 0;
    std::string timeDisplay_;
    std::string sizeDisplay_;
    bool changed_ = false;
    bool tableChanged_ = false;
    int highlighted_ = 0;
    int current_ = 0;
};

}  // namespace vexa

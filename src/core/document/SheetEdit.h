#pragma once
// The one command of sheet editing: what changed in one or more Program
// Sheets (header and lines), kept as the before and after of each changed
// part, so that undo restores the sheets exactly and a large sheet costs only
// the lines that changed.
#include "core/document/Command.h"
#include "core/model/ProgramSheet.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vexa {

// What the user did; decides the step's text and what may merge.
enum class SheetEditKind {
    Cell,         // a committed cell of the programme grid
    MoveVoice,    // the four move commands
    DeleteVoice,
    BatchFill,
    ClearSheet,
    Header,       // a list or box of the sheet header
    Name,
    Memo,
    Duplicate,    // sheet duplication
    VoiceRefresh,  // the voice cells checked against the Sound Table again
};

class SheetEdit final : public Command {
public:
    explicit SheetEdit(SheetEditKind kind) : kind_(kind) {}

    // The edit that turns sheet `sheet` from `before` into `after`; sheets
    // 0 … 8, every line slot compared.
    static std::unique_ptr<SheetEdit> between(SheetEditKind kind, int sheet, const ProgramSheet& before,
                                              const ProgramSheet& after);

    // Records a changed line or header (nothing when before equals after).
    void addLine(int sheet, int line, const ProgramLine& before, const ProgramLine& after);
    void addHeader(int sheet, const SheetHeader& before, const SheetHeader& after);
    // Adds what differs between two versions of one sheet.
    void addSheet(int sheet, const ProgramSheet& before, const ProgramSheet& after);

    // Consecutive edits of the same cell (any number ≥ 0 naming it) merge
    // into one step.
    void setMergeCell(long cell) { mergeCell_ = cell; }

    SheetEditKind kind() const { return kind_; }

    void redo(Project& project) override;
    void undo(Project& project) override;
    std::string text() const override;
    int sheet() const override;
    bool isEmpty() const override;
    MergeId mergeId() const override { return mergeCell_ >= 0 ? MergeId::Cell : MergeId::None; }
    bool mergeWith(const Command& next) override;

private:
    struct LineChange {
        int sheet;
        int line;
        ProgramLine before;
        ProgramLine after;
    };
    struct HeaderChange {
        int sheet;
        SheetHeader before;
        SheetHeader after;
    };

    SheetEditKind kind_;
    long mergeCell_ = -1;
    std::vector<HeaderChange> headers_;
    std::vector<LineChange> lines_;
};

}  // namespace vexa

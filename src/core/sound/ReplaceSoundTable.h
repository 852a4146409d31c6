#pragma once
// OK of the sound registration window as one undoable step: the Sound Table
// and the Sound Present flag before and after, and the voices the new table
// drops from the Program Lines of every sheet (packed and retimed), so that
// undo gives back the old table and the voices that named it.
#include "core/document/Command.h"
#include "core/document/SheetEdit.h"
#include "core/model/SoundEntry.h"
#include "core/sound/VoiceRefresh.h"

#include <memory>
#include <string>
#include <vector>

namespace vexa {

class Document;

class ReplaceSoundTable final : public Command {
public:
    // The step that gives `project` the table `sounds` (Sound Present
    // `present`); lines 0 … lineCount - 1 of every sheet follow it.
    static std::unique_ptr<ReplaceSoundTable> make(const Project& project, std::vector<SoundEntry> sounds,
                                                   bool present, int lineCount, const MeasureWave& measure);

    void redo(Project& project) override;
    void undo(Project& project) override;
    std::string text() const override { return "Sound登録"; }
    bool isEmpty() const override;

private:
    ReplaceSoundTable() = default;

    std::vector<SoundEntry> beforeSounds_;
    std::vector<SoundEntry> afterSounds_;
    bool beforePresent_ = false;
    bool afterPresent_ = false;
    std::unique_ptr<SheetEdit> voices_;
};

// The play lengths the table's entries carry (their Length texts, measured
// when each file was registered or loaded), by Source path: the lines are
// retimed without opening any file again. -1 for a path no entry has or a
// Length that is no number.
MeasureWave TableLengths(const std::vector<SoundEntry>& sounds);

// OK of the window: hands the table to the Document as one step (nothing
// when it is the table the Project holds). Line Count from the configuration;
// the lengths from `measure`, else from the table itself (TableLengths).
void ApplySoundTable(Document& document, std::vector<SoundEntry> sounds, bool present,
                     const MeasureWave& measure = {});

}  // namespace vexa

#pragma once
// The command of the sound registration window's OK: the Sound Table and the
// Sound Present flag before and after, and the Program Lines the new table
// changes (voices it no longer names dropped, packed, retimed), so that undo
// gives back the old table and the voices that named it.
#include "core/document/Command.h"
#include "core/document/SheetEdit.h"
#include "core/model/SoundEntry.h"

#include <memory>
#include <string>
#include <vector>

namespace vexa {

class SoundTableEdit final : public Command {
public:
    SoundTableEdit(const Project& project, std::vector<SoundEntry> sounds, bool present,
                   std::unique_ptr<SheetEdit> lines);

    void redo(Project& project) override;
    void undo(Project& project) override;
    std::string text() const override { return "Sound登録"; }
    bool isEmpty() const override;

private:
    std::vector<SoundEntry> beforeSounds_;
    std::vector<SoundEntry> afterSounds_;
    bool beforePresent_ = false;
    bool afterPresent_ = false;
    std::unique_ptr<SheetEdit> lines_;
};

}  // namespace vexa

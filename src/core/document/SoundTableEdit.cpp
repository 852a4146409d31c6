#include "core/document/SoundTableEdit.h"

#include "core/model/Project.h"

namespace vexa {

SoundTableEdit::SoundTableEdit(const Project& project, std::vector<SoundEntry> sounds, bool present,
                               std::unique_ptr<SheetEdit> lines)
    : beforeSounds_(project.sounds),
      afterSounds_(std::move(sounds)),
      beforePresent_(project.soundPresent),
      afterPresent_(present),
      lines_(std::move(lines)) {}

void SoundTableEdit::redo(Project& project) {
    project.sounds = afterSounds_;
    project.soundPresent = afterPresent_;
    lines_->redo(project);
}

void SoundTableEdit::undo(Project& project) {
    lines_->undo(project);
    project.sounds = beforeSounds_;
    project.soundPresent = beforePresent_;
}

bool SoundTableEdit::isEmpty() const {
    return beforeSounds_ == afterSounds_ && beforePresent_ == afterPresent_ && lines_->isEmpty();
}

}  // namespace vexa

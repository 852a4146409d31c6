#include "core/sound/ReplaceSoundTable.h"

#include "core/document/Document.h"
#include "core/model/Project.h"

namespace vexa {

std::unique_ptr<ReplaceSoundTable> ReplaceSoundTable::make(const Project& project, std::vector<SoundEntry> sounds,
                                                           bool present, int lineCount, const MeasureWave& measure) {
    std::unique_ptr<ReplaceSoundTable> step(new ReplaceSoundTable);
    step->beforeSounds_ = project.sounds;
    step->beforePresent_ = project.soundPresent;
    step->voices_ = RefreshVoices(project, sounds, present, lineCount, measure);
    step->afterSounds_ = std::move(sounds);
    step->afterPresent_ = present;
    return step;
}

void ReplaceSoundTable::redo(Project& project) {
    project.sounds = afterSounds_;
    project.soundPresent = afterPresent_;
    voices_->redo(project);
}

void ReplaceSoundTable::undo(Project& project) {
    voices_->undo(project);
    project.sounds = beforeSounds_;
    project.soundPresent = beforePresent_;
}

bool ReplaceSoundTable::isEmpty() const {
    return beforeSounds_ == afterSounds_ && beforePresent_ == afterPresent_ && voices_->isEmpty();
}

void ApplySoundTable(Document& document, std::vector<SoundEntry> sounds, bool present, const MeasureWave& measure) {
    document.apply(ReplaceSoundTable::make(document.project(), std::move(sounds), present,
                                           document.configuration().settings.lineCount(), measure));
}

}  // namespace vexa

#include "core/sound/ReplaceSoundTable.h"

#include "core/document/Document.h"
#include "core/model/Project.h"
#include "core/text/NumberFormat.h"

#include <cmath>
#include <map>

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

MeasureWave TableLengths(const std::vector<SoundEntry>& sounds) {
    std::map<std::filesystem::path, long long> lengths;
    for (const SoundEntry& entry : sounds) {
        if (entry.fileName.empty())
            continue;
        const auto seconds = numfmt::parseNumber(entry.length);
        lengths.try_emplace(std::filesystem::path(entry.sourcePath),
                            seconds ? std::llround(*seconds * 1000) : -1);
    }
    return [lengths = std::move(lengths)](const std::filesystem::path& file) {
        const auto at = lengths.find(file);
        return at == lengths.end() ? -1LL : at->second;
    };
}

void ApplySoundTable(Document& document, std::vector<SoundEntry> sounds, bool present, const MeasureWave& measure) {
    const MeasureWave lengths = measure ? measure : TableLengths(sounds);
    document.apply(ReplaceSoundTable::make(document.project(), std::move(sounds), present,
                                           document.configuration().settings.lineCount(), lengths));
}

}  // namespace vexa

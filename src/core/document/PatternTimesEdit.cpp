#include "core/document/PatternTimesEdit.h"

#include "core/model/Project.h"

namespace vexa {

PatternTimesEdit::PatternTimesEdit(PatternTimes before, PatternTimes after)
    : before_(std::move(before)), after_(std::move(after)) {}

void PatternTimesEdit::redo(Project& project) { project.patterns = after_; }

void PatternTimesEdit::undo(Project& project) { project.patterns = before_; }

std::string PatternTimesEdit::text() const { return "LED/BUZZER設定の変更"; }

}  // namespace vexa

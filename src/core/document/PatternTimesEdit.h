#pragma once
// The command of the settings window's OK: new LED and BUZZER Pattern Times
// for the Project, kept as their before and after.
#include "core/config/Configuration.h"
#include "core/document/Command.h"

namespace vexa {

class PatternTimesEdit final : public Command {
public:
    PatternTimesEdit(PatternTimes before, PatternTimes after);

    void redo(Project& project) override;
    void undo(Project& project) override;
    std::string text() const override;
    bool isEmpty() const override { return before_ == after_; }

private:
    PatternTimes before_;
    PatternTimes after_;
};

}  // namespace vexa

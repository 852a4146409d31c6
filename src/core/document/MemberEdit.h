#pragma once
// The command that changes one member of the Project as a whole value (the
// Pattern Times, the Card Information), kept as its before and after.
// Consecutive edits with the same merge key (the entry typed into) merge into
// one step while each continues from where the last one ended.
#include "core/document/Command.h"
#include "core/model/Project.h"

#include <string>
#include <utility>

namespace vexa {

template <typename Value, Value Project::*Member>
class MemberEdit final : public Command {
public:
    // `text`: what the step is called; `mergeId` and `mergeKey` (not empty):
    // what may merge with it.
    MemberEdit(Value before, Value after, const char* text, MergeId mergeId = MergeId::None,
               std::string mergeKey = {})
        : before_(std::move(before)),
          after_(std::move(after)),
          text_(text),
          mergeId_(mergeKey.empty() ? MergeId::None : mergeId),
          mergeKey_(std::move(mergeKey)) {}

    void redo(Project& project) override { project.*Member = after_; }
    void undo(Project& project) override { project.*Member = before_; }
    std::string text() const override { return text_; }
    bool isEmpty() const override { return before_ == after_; }
    MergeId mergeId() const override { return mergeId_; }
    bool mergeWith(const Command& next) override {
        const auto* other = dynamic_cast<const MemberEdit*>(&next);
        if (!other || mergeId_ == MergeId::None || other->mergeKey_ != mergeKey_ || other->before_ != after_)
            return false;
        after_ = other->after_;
        return true;
    }

private:
    Value before_;
    Value after_;
    const char* text_;
    MergeId mergeId_;
    std::string mergeKey_;
};

}  // namespace vexa

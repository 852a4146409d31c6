#include "core/document/UndoStack.h"

namespace vexa {

bool UndoStack::push(std::unique_ptr<Command> command, Project& project) {
    command->redo(project);
    if (command->isEmpty())
        return false;
    if (index_ < commands_.size()) {
        commands_.erase(commands_.begin() + static_cast<long>(index_), commands_.end());
        if (clean_ > static_cast<long>(index_))
            clean_ = -1;  // the clean state was undone and is now out of reach
    }
    // Merging into the clean step would make "back to clean" unreachable.
    if (index_ > 0 && clean_ != static_cast<long>(index_)) {
        Command& top = *commands_[index_ - 1];
        if (top.mergeId() != MergeId::None && top.mergeId() == command->mergeId() && top.mergeWith(*command)) {
            if (top.isEmpty()) {  // the edits cancelled out
                commands_.pop_back();
                --index_;
            }
            return true;
        }
    }
    commands_.push_back(std::move(command));
    ++index_;
    if (commands_.size() > limit_) {
        commands_.erase(commands_.begin());
        --index_;
        clean_ = clean_ > 0 ? clean_ - 1 : -1;
    }
    return true;
}

const Command* UndoStack::undo(Project& project) {
    if (!canUndo())
        return nullptr;
    Command* command = commands_[--index_].get();
    command->undo(project);
    return command;
}

const Command* UndoStack::redo(Project& project) {
    if (!canRedo())
        return nullptr;
    Command* command = commands_[index_++].get();
    command->redo(project);
    return command;
}

void UndoStack::clear() {
    commands_.clear();
    index_ = 0;
    clean_ = 0;
}

}  // namespace vexa

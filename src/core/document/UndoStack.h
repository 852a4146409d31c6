#pragma once
// The undo history of the Document: the commands done so far, where the user
// stands in them and which position counts as clean (the Project as last
// started, loaded or written to a card).
#include "core/document/Command.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace vexa {

class UndoStack {
public:
    explicit UndoStack(std::size_t limit = 1000) : limit_(limit) {}

    // Does `command` on `project` and records it, dropping the steps that
    // were undone before. An empty command changes nothing and is dropped:
    // push returns false for it.
    bool push(std::unique_ptr<Command> command, Project& project);

    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ < commands_.size(); }
    // The command that undo (redo) would run next, or nullptr.
    const Command* undoCommand() const { return canUndo() ? commands_[index_ - 1].get() : nullptr; }
    const Command* redoCommand() const { return canRedo() ? commands_[index_].get() : nullptr; }
    // Undoes or redoes one step; nullptr when there is none, else the command.
    const Command* undo(Project& project);
    const Command* redo(Project& project);

    // The current position becomes the clean one.
    void setClean() { clean_ = static_cast<long>(index_); }
    bool isClean() const { return clean_ == static_cast<long>(index_); }
    // No position counts as clean any more, until setClean or clear.
    void forgetClean() { clean_ = -1; }
    // Forgets every step; the (unchanged) position is clean.
    void clear();

    std::size_t count() const { return commands_.size(); }
    std::size_t index() const { return index_; }

private:
    std::vector<std::unique_ptr<Command>> commands_;
    std::size_t index_ = 0;
    long clean_ = 0;  // -1: no position of the history is clean any more
    std::size_t limit_;
};

}  // namespace vexa

#pragma once
// One user action on the Project that knows how to do and undo itself. Every
// change of the Project goes through a Command handed to the Document.
#include <string>

namespace vexa {

struct Project;

// The kinds of step that may merge with the next step of the same kind, named
// once for every command.
enum class MergeId {
    None,                  // never merges
    Cell,                  // edits of one cell of the programme grid
    CardInformationEntry,  // typing into one entry of the control data creation window
};

class Command {
public:
    virtual ~Command() = default;

    // Does the change (again). Called once when the command is applied.
    virtual void redo(Project& project) = 0;
    // Puts back exactly what redo changed.
    virtual void undo(Project& project) = 0;

    // What the user did, in a few words ("セルの編集").
    virtual std::string text() const = 0;
    // The sheet the user should see when the step is undone or redone; -1
    // when the change concerns no sheet.
    virtual int sheet() const { return -1; }
    // Whether doing it changes nothing (such a command is not recorded).
    virtual bool isEmpty() const { return false; }

    // Consecutive commands with the same merge id (other than None) may
    // become one step: mergeWith folds `next` (already done) into this
    // command and returns true, or returns false to keep them apart.
    virtual MergeId mergeId() const { return MergeId::None; }
    virtual bool mergeWith(const Command& next) {
        (void)next;
        return false;
    }
};

}  // namespace vexa

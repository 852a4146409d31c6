#pragma once
// The document of a run: it owns the Project, the Configuration and the undo
// history for as long as the program runs, and outlives every window. Windows
// and commands of the command line read the Project here; they change it only
// by applying a Command, so that every change can be undone and the Modified
// state is known in one place: the Project is modified when it differs from
// the last clean point (start, New, a completed Load or card creation).
#include "core/config/Configuration.h"
#include "core/document/UndoStack.h"
#include "core/model/Project.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace vexa {

// What happened to the document, for the windows that show it.
struct DocumentChange {
    enum class Kind {
        Applied,  // a command was done (or merged into the last step)
        Undone,
        Redone,
        Replaced,  // New or Load: everything may differ, the history is gone
        Clean,     // the current state became the clean point
    };
    Kind kind = Kind::Applied;
    int sheet = -1;  // the sheet the step concerns; -1 for none or all
};

class Document {
public:
    using Listener = std::function<void(const DocumentChange&)>;

    // The Project as a run starts it: sheets cleared for the Line Count, the
    // Pattern Time Defaults and the User Information of the configuration.
    explicit Document(Configuration configuration);
    Document(Configuration configuration, Project project);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const Project& project() const { return project_; }
    const Configuration& configuration() const { return configuration_; }
    // The settings window's OK and the first start change the configuration;
    // this is not an edit of the Project.
    void setConfiguration(Configuration configuration) { configuration_ = std::move(configuration); }

    // The one place that knows whether the Project holds unsaved changes.
    bool modified() const { return !history_.isClean(); }

    // Does `command` and records it as one step (or merges it into the last).
    void apply(std::unique_ptr<Command> command);
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    std::string undoText() const;
    std::string redoText() const;
    void undo();
    void redo();

    // New and Load: the Project becomes `project`, the history is cleared and
    // this is the clean point. Not undoable.
    void replaceProject(Project project);
    // Card creation wrote what the Project holds: this is the clean point.
    // The history stays, so the user can still undo (and the Project counts
    // as modified again until redone).
    void markWritten();
    // The Project counts as modified although no step of the history shows a
    // change: the settings window's OK cleared the contents while the user had
    // also changed a Pattern Time, which the clearing put back to the defaults.
    void markModified() { history_.forgetClean(); }

    // Listeners hear every change after it happened.
    int subscribe(Listener listener);
    void unsubscribe(int id);

private:
    void notify(const DocumentChange& change);

    Configuration configuration_;
    Project project_;
    UndoStack history_;
    std::map<int, Listener> listeners_;
    int nextListener_ = 0;
};

}  // namespace vexa

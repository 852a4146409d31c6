#include "core/document/Document.h"

#include "core/model/Project.h"

#include <vector>

namespace vexa {

Document::Document(Configuration configuration)
    : configuration_(std::move(configuration)), project_(StartingProject(configuration_)) {}

Document::Document(Configuration configuration, Project project)
    : configuration_(std::move(configuration)), project_(std::move(project)) {}

void Document::apply(std::unique_ptr<Command> command) {
    if (!command)
        return;
    const int sheet = command->sheet();
    if (!history_.push(std::move(command), project_))
        return;  // nothing changed
    notify({DocumentChange::Kind::Applied, sheet});
}

std::string Document::undoText() const {
    const Command* command = history_.undoCommand();
    return command ? command->text() : std::string();
}

std::string Document::redoText() const {
    const Command* command = history_.redoCommand();
    return command ? command->text() : std::string();
}

void Document::undo() {
    if (const Command* command = history_.undo(project_))
        notify({DocumentChange::Kind::Undone, command->sheet()});
}

void Document::redo() {
    if (const Command* command = history_.redo(project_))
        notify({DocumentChange::Kind::Redone, command->sheet()});
}

void Document::replaceProject(Project project) {
    project_ = std::move(project);
    history_.clear();
    notify({DocumentChange::Kind::Replaced, -1});
}

void Document::markWritten() {
    history_.setClean();
    notify({DocumentChange::Kind::Clean, -1});
}

int Document::subscribe(Listener listener) {
    const int id = nextListener_++;
    listeners_.emplace(id, std::move(listener));
    return id;
}

void Document::unsubscribe(int id) { listeners_.erase(id); }

void Document::notify(const DocumentChange& change) {
    // A listener may subscribe or unsubscribe others while it runs.
    std::vector<Listener> current;
    current.reserve(listeners_.size());
    for (const auto& [id, listener] : listeners_)
        current.push_back(listener);
    for (const auto& listener : current)
        listener(change);
}

}  // namespace vexa

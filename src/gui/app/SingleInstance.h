#pragma once
// One running editor per user and Program Folder. A lock file in the user's
// runtime folder (or the temporary folder) is held while the editor runs; a
// lock left behind by a crashed editor is taken over.
#include <QLockFile>
#include <QString>

#include <memory>

namespace vexa::gui {

class SingleInstance {
public:
    enum class Result {
        Acquired,         // this is the only running copy
        HeldByAnother,    // another copy runs for this user and folder
        Unavailable,      // no lock can be made here: the editor runs without one
    };

    // `lockFolder` empty: the runtime folder, or the temporary folder.
    explicit SingleInstance(const QString& programFolder, const QString& lockFolder = {});

    Result acquire();
    QString lockFilePath() const { return path_; }

    // "vexa-editor-<user>-<hash of the Program Folder>.lock"
    static QString lockFileName(const QString& programFolder);

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace vexa::gui

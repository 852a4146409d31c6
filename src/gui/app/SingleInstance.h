#pragma once
// One running editor per Program Folder, whoever runs it and from whichever
// login: a lock file in the Program Folder itself (".vexa-editor.lock") is
// held with flock() while the editor runs. The kernel lets go of the lock
// when the process ends, however it ends, so an editor that was killed
// leaves nothing that could keep the next one out.
#include <QString>

namespace vexa::gui {

class SingleInstance {
public:
    enum class Result {
        Acquired,       // this is the only running copy
        HeldByAnother,  // another copy runs on this Program Folder
        Unavailable,    // no lock can be made there: the editor runs without one
    };

    static constexpr const char* kLockFileName = ".vexa-editor.lock";

    explicit SingleInstance(const QString& programFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Result acquire();
    QString lockFilePath() const { return path_; }

private:
    QString path_;
    int fd_ = -1;
};

}  // namespace vexa::gui

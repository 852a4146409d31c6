#include "gui/app/SingleInstance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexa::gui {

SingleInstance::SingleInstance(const QString& programFolder)
    : path_(QDir(programFolder).filePath(QString::fromLatin1(kLockFileName))) {}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0)
        ::close(fd_);  // lets go of the lock; the empty file stays for the next start
}

SingleInstance::Result SingleInstance::acquire() {
    if (fd_ >= 0)
        return Result::Acquired;
    const QByteArray path = QFile::encodeName(path_);
    // Reading is all a lock needs, so a lock file another user made can be
    // locked too. Never through a symbolic link, never a FIFO or a folder.
    const int fd = ::open(path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0)
        return Result::Unavailable;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Result::Unavailable;
    }
    // Made here: readable by every user of the folder, whatever the umask.
    if (info.st_uid == ::geteuid() && (info.st_mode & 0444) != 0444)
        ::fchmod(fd, info.st_mode | 0444);
    int locked = 0;
    do
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Result::HeldByAnother : Result::Unavailable;
    }
    fd_ = fd;
    return Result::Acquired;
}

}  // namespace vexa::gui

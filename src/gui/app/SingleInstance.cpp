#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace vexa::gui {
namespace {

// The runtime folder only when the session has one: asked without it, Qt
// warns and makes one of its own in the temporary folder anyway.
QString defaultLockFolder() {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QDir::tempPath();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

// The same folder reached through another spelling gets the same lock.
QString canonicalFolder(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}  // namespace

QString SingleInstance::lockFileName(const QString& programFolder) {
    const QByteArray hash =
        QCryptographicHash::hash(canonicalFolder(programFolder).toUtf8(), QCryptographicHash::Sha256).toHex();
    // The user id keeps users apart in a shared temporary folder.
    return QStringLiteral("vexa-editor-%1-%2.lock").arg(::getuid()).arg(QString::fromLatin1(hash.left(16)));
}

SingleInstance::SingleInstance(const QString& programFolder, const QString& lockFolder)
    : path_(QDir(lockFolder.isEmpty() ? defaultLockFolder() : lockFolder).filePath(lockFileName(programFolder))),
      lock_(std::make_unique<QLockFile>(path_)) {
    // Never treat a lock as stale because of its age: an editor may run for
    // days. A lock whose process is gone is still recognised and taken over.
    lock_->setStaleLockTime(0);
}

SingleInstance::Result SingleInstance::acquire() {
    if (lock_->tryLock(0))
        return Result::Acquired;
    return lock_->error() == QLockFile::LockFailedError ? Result::HeldByAnother : Result::Unavailable;
}

}  // namespace vexa::gui

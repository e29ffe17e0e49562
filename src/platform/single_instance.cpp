#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>

#include <map>
#include <memory>

namespace pentarix::platform {

QString instanceLockPath(const QString& applicationFolder) {
    const QByteArray key =
        QCryptographicHash::hash(QDir(applicationFolder).absolutePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir::temp().filePath(QStringLiteral("pentarix-%1.lock").arg(QString::fromLatin1(key)));
}

bool anotherCopyIsRunning() {
    static std::map<QString, std::unique_ptr<QLockFile>> held;
    const QString path = instanceLockPath(QDir::currentPath());
    if (held.count(path)) return false;
    auto lock = std::make_unique<QLockFile>(path);
    // Age alone never makes a lock stale; a dead owner process does.
    lock->setStaleLockTime(0);
    if (lock->tryLock(100)) {
        held.emplace(path, std::move(lock));
        return false;
    }
    return lock->error() == QLockFile::LockFailedError;
}

} // namespace pentarix::platform

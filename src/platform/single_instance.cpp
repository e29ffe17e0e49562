#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <utility>

namespace pentarix::platform {

QString instanceLockPath(const QString& applicationFolder) {
    const QByteArray key =
        QCryptographicHash::hash(QDir(applicationFolder).absolutePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QDir::temp().filePath(QStringLiteral("pentarix-%1.lock").arg(QString::fromLatin1(key)));
}

namespace {

enum class Lock { Taken, Held, Unusable };

Lock lockExclusively(int fd) {
    // A copy that is just starting may hold the lock for a moment; a running
    // one holds it for good.
    for (int attempt = 0;; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return Lock::Taken;
        if (errno != EWOULDBLOCK && errno != EINTR) return Lock::Unusable;
        if (attempt == 9) return Lock::Held;
        QThread::msleep(10);
    }
}

// The lock is an flock() on the lock file: the system drops it when its
// owner ends in any way, so a crashed or killed copy leaves nothing stale,
// whatever became of its process number.
struct Attempt {
    Lock lock;
    int fd = -1; // the locked descriptor when taken
};

Attempt takeLock(const QByteArray& name) {
    // A copy that ends removes the file while it still holds the lock, so a
    // lock taken on a file no longer under the lock's name is retried.
    for (int round = 0; round < 5; ++round) {
        // A new lock file appears already locked: it is locked under a name
        // of its own and linked into place, and link() never replaces a
        // file, so two copies starting together end up on the same file.
        const QByteArray fresh = name + ".new-" + QByteArray::number(static_cast<qint64>(::getpid()));
        int fd = ::open(fresh.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const bool placed =
                ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::link(fresh.constData(), name.constData()) == 0;
            ::unlink(fresh.constData());
            if (placed) return {Lock::Taken, fd};
            ::close(fd);
        }
        // Reading is enough to lock a file, even one another user left.
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT) continue;
            return {Lock::Unusable};
        }
        const Lock lock = lockExclusively(fd);
        if (lock == Lock::Taken) {
            struct stat opened{}, named{};
            if (::fstat(fd, &opened) == 0 && ::stat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
                opened.st_ino == named.st_ino) {
                return {Lock::Taken, fd};
            }
        }
        ::close(fd);
        if (lock != Lock::Taken) return {lock};
    }
    return {Lock::Unusable};
}

// Held for the life of the process; closing the descriptor would drop the lock.
struct HeldLock {
    QByteArray name;
    int fd;
    HeldLock(QByteArray n, int f) : name(std::move(n)), fd(f) {}
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    ~HeldLock() {
        ::unlink(name.constData());
        ::close(fd);
    }
};

} // namespace

bool anotherCopyIsRunning() {
    static std::map<QString, HeldLock> held;
    const QString path = instanceLockPath(QDir::currentPath());
    if (held.count(path)) return false;
    QByteArray name = QFile::encodeName(path);
    const Attempt attempt = takeLock(name);
    if (attempt.lock == Lock::Taken) {
        held.try_emplace(path, std::move(name), attempt.fd);
        return false;
    }
    // A lock file that cannot be used at all does not keep the operator out.
    return attempt.lock == Lock::Held;
}

} // namespace pentarix::platform

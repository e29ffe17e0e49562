#include "maintenance/backup.h"

#include "data/data_error.h"
#include "data/data_store.h"
#include "maintenance/frmbackup_texts.h"
#include "platform/long_work.h"
#include "platform/modal.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pentarix {

namespace {

// Paths are Latin text inside Persian sentences: isolated, they keep their order.
QString shown(const QString& path) {
    return QStringLiteral("\u2066%1\u2069").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

QString describe(int error, const QString& path) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: return QStringLiteral("فایل یا پوشه‌ای با این نام پیدا نشد:\n%1").arg(shown(path));
    case EACCES:
    case EPERM:
    case EROFS: return QStringLiteral("اجازهٔ دسترسی به این فایل یا پوشه داده نشده است:\n%1").arg(shown(path));
    case ENOSPC:
    case EDQUOT: return QStringLiteral("جای خالی دیسک کافی نیست:\n%1").arg(shown(path));
    case EBUSY:
    case ETXTBSY: return QStringLiteral("فایل در دست برنامهٔ دیگری است:\n%1").arg(shown(path));
    case EISDIR: return QStringLiteral("این مسیر یک پوشه است، نه فایل:\n%1").arg(shown(path));
    default: return QStringLiteral("%1\n%2").arg(QString::fromLocal8Bit(std::strerror(error)), shown(path));
    }
}

QString notABackup(const QString& path) {
    return QStringLiteral("این فایل نسخهٔ پشتیبان این برنامه نیست:\n%1").arg(shown(path));
}

QString damagedBackup(const QString& path) {
    return QStringLiteral("فایل نسخهٔ پشتیبان ناقص یا آسیب‌دیده است:\n%1").arg(shown(path));
}

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// A file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const noexcept { return fd_; }
    bool valid() const noexcept { return fd_ >= 0; }
    // Hands the descriptor over; it is no longer closed here.
    int release() noexcept { return std::exchange(fd_, -1); }
    // 0, or what went wrong.
    int close() noexcept {
        if (fd_ < 0) return 0;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// What went wrong, and on which side of the copy.
struct Failure {
    int error;
    bool onSource;
};

// The two ends of a copy, each with a buffer: the copy moves 4048 bytes at a
// time, the disk sees fewer, larger requests, each short enough not to hold
// up the window's events.
class ChunkMover {
public:
    ChunkMover(int in, int out) : in_(in), out_(out), read_(new char[kBuffer]), written_(new char[kBuffer]) {}

    // Moves the next n bytes of the source to the end of the target.
    std::optional<Failure> move(std::size_t n) {
        while (n > 0) {
            if (readPos_ == readLen_) {
                if (auto failure = refill()) return failure;
            }
            const std::size_t take = std::min({n, readLen_ - readPos_, kBuffer - writeLen_});
            std::memcpy(written_.get() + writeLen_, read_.get() + readPos_, take);
            readPos_ += take;
            writeLen_ += take;
            n -= take;
            if (writeLen_ == kBuffer) {
                if (auto failure = drain()) return failure;
            }
        }
        return std::nullopt;
    }

    std::optional<Failure> drain() {
        std::size_t done = 0;
        while (done < writeLen_) {
            const ssize_t n = ::write(out_, written_.get() + done, writeLen_ - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return Failure{errno, false};
            done += static_cast<std::size_t>(n);
        }
        writeLen_ = 0;
        return std::nullopt;
    }

private:
    static constexpr std::size_t kBuffer = std::size_t{256} << 10;

    std::optional<Failure> refill() {
        ssize_t n;
        do {
            n = ::read(in_, read_.get(), kBuffer);
        } while (n < 0 && errno == EINTR);
        if (n < 0) return Failure{errno, true};
        // A source that shrank under the copy would leave a short copy.
        if (n == 0) return Failure{EIO, true};
        readLen_ = static_cast<std::size_t>(n);
        readPos_ = 0;
        return std::nullopt;
    }

    int in_;
    int out_;
    std::unique_ptr<char[]> read_;
    std::unique_ptr<char[]> written_;
    std::size_t readLen_ = 0;
    std::size_t readPos_ = 0;
    std::size_t writeLen_ = 0;
};

// Waits until the disk holds what was written to fd. The disk may take a good
// part of a second to confirm; the wait happens on a helper thread that does
// nothing else, so that the window's events keep running meanwhile.
int syncToDisk(int fd, const std::function<void()>& whileWaiting) {
    const auto sync = [fd] { return ::fsync(fd) == 0 ? 0 : errno; };
    if (!whileWaiting) return sync();
    whileWaiting();
    std::future<int> synced;
    try {
        synced = std::async(std::launch::async, sync);
    } catch (const std::system_error&) {
        return sync(); // no thread to be had: the window waits with the disk
    }
    do {
        whileWaiting();
    } while (synced.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready);
    return synced.get();
}

// Window events run between chunks whenever this much time has passed since
// they last ran: often enough for the window to stay live, rarely enough that
// the copy keeps the pace of a plain file copy.
constexpr qint64 kEventSliceMs = 4;

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A copy holds an flock() on its partial file for as long as it writes it,
// and the system drops that lock however the copy ends. A partial file that
// can be locked therefore belongs to no running copy: it is a leftover.
// Removes the partial file at path if it is such a leftover. Returns 0 when
// nothing is left under the name, EBUSY when a running copy holds it, or what
// went wrong.
int removeIfLeftover(const QByteArray& path) {
    Descriptor file(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) return errno == ENOENT ? 0 : errno;
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) return errno;
    if (!S_ISREG(opened.st_mode)) return EEXIST; // no copy of ours made that
    // A file system without flock() cannot tell; the file is taken for a leftover.
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return EBUSY;
    // Another process may have removed the file, and a new copy started
    // under the name, between the open and the lock.
    struct stat named {};
    if (::lstat(path.constData(), &named) != 0) return errno == ENOENT ? 0 : errno;
    if (!sameFile(opened, named)) return EBUSY;
    if (::unlink(path.constData()) != 0 && errno != ENOENT) return errno;
    return 0;
}

// Makes the partial file and locks it; locked receives its descriptor.
// Returns 0 or what went wrong; a partial file that another copy makes at the
// same moment counts as in use.
int createPartial(const QByteArray& path, int& locked) {
    Descriptor fresh(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fresh.valid()) return errno == EEXIST ? EBUSY : errno;
    if (::flock(fresh.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return EBUSY;
    struct stat opened {}, named {};
    const bool known = ::fstat(fresh.get(), &opened) == 0 && ::lstat(path.constData(), &named) == 0;
    if (!known || !sameFile(opened, named)) return EBUSY;
    locked = fresh.release();
    return 0;
}

quint32 bigEndian32(const unsigned char* bytes) {
    return (quint32{bytes[0]} << 24) | (quint32{bytes[1]} << 16) | (quint32{bytes[2]} << 8) | quint32{bytes[3]};
}

} // namespace

QString partialCopyPath(const QString& target) { return platform::PartialFile::partialPathOf(target); }

void removeLeftoverCopies(const QString& folder) {
    const QDir dir(folder);
    const auto names = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        // What cannot be removed stays; the next copy to its target tries again.
        if (platform::PartialFile::isPartialName(name)) removeIfLeftover(native(dir.filePath(name)));
    }
}

void removeOwnLeftoverCopies() {
    removeLeftoverCopies(QFileInfo(DataStore::defaultPath()).absolutePath());
    removeLeftoverCopies(QDir::current().absoluteFilePath(frmbackup_texts::kBackFolder));
}

QString copyFailureText(const QString& description) {
    return frmbackup_texts::kCopyFailed + QLatin1Char('\n') + description;
}

CopyOutcome copyInChunks(const QString& source, const QString& target, const std::function<void()>& betweenChunks,
                         const std::function<void()>& whileFlushing) {
    const auto failed = [](int error, const QString& path) { return CopyOutcome{false, describe(error, path)}; };

    Descriptor in(::open(native(source).constData(), O_RDONLY | O_CLOEXEC));
    if (!in.valid()) return failed(errno, source);
    struct stat sourceInfo {};
    if (::fstat(in.get(), &sourceInfo) != 0) return failed(errno, source);
    if (S_ISDIR(sourceInfo.st_mode)) return failed(EISDIR, source);
    if (!S_ISREG(sourceInfo.st_mode)) return failed(EINVAL, source);

    struct stat targetInfo {};
    const bool targetExists = ::stat(native(target).constData(), &targetInfo) == 0;
    if (targetExists && S_ISDIR(targetInfo.st_mode)) return failed(EISDIR, target);

    // A copy killed midway onto this target left its partial file behind.
    const QByteArray partial = native(partialCopyPath(target));
    if (const int error = removeIfLeftover(partial)) return failed(error, target);
    int locked = -1;
    if (const int error = createPartial(partial, locked)) return failed(error, target);
    Descriptor out(locked);
    // The lock stays with this second descriptor of the file until the copy
    // is over, after the rename: out is closed before it, and a partial file
    // left unlocked for a moment would be taken for a leftover.
    const Descriptor held(::dup(out.get()));
    // Whatever goes wrong from here, the target is untouched and the partial
    // file goes away.
    const auto abandon = [&](int error, const QString& path) {
        ::unlink(partial.constData());
        out.close();
        return failed(error, path);
    };
    if (!held.valid()) return abandon(errno, target);
    const auto abandonOn = [&](const Failure& failure) {
        return abandon(failure.error, failure.onSource ? source : target);
    };
    // A replaced file keeps who may read it.
    if (targetExists) ::fchmod(out.get(), targetInfo.st_mode & 07777);

    ChunkMover mover(in.get(), out.get());
    const qint64 length = sourceInfo.st_size;
    qint64 chunk = kCopyChunkSize;
    for (qint64 position = 0; position < length; position += chunk) {
        if (betweenChunks) betweenChunks();
        if (length - position < chunk) chunk = length - position;
        if (const auto failure = mover.move(static_cast<std::size_t>(chunk))) return abandonOn(*failure);
    }
    if (const auto failure = mover.drain()) return abandonOn(*failure);
    if (const int error = syncToDisk(out.get(), whileFlushing)) return abandon(error, target);
    if (const int error = out.close()) return abandon(error, target);
    in.close();

    // A journal left beside the old file would be rolled into the new one.
    const QString journal = target + QStringLiteral("-journal");
    if (::unlink(native(journal).constData()) != 0 && errno != ENOENT) return abandon(errno, journal);
    if (::rename(partial.constData(), native(target).constData()) != 0) return abandon(errno, target);
    // The rename itself reaches the disk; should the folder refuse to be
    // flushed, the copy is in place all the same.
    Descriptor folder(::open(native(QFileInfo(target).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) syncToDisk(folder.get(), whileFlushing);
    return CopyOutcome{true, QString()};
}

int CopyFileInChunks(const QString& source, const QString& target, QWidget* owner) {
    // Events run before the first chunk, then whenever a slice has passed.
    QElapsedTimer sinceEvents;
    const auto letEventsRun = [&sinceEvents] {
        if (sinceEvents.isValid() && sinceEvents.elapsed() < kEventSliceMs) return;
        QCoreApplication::processEvents();
        sinceEvents.start();
    };
    const CopyOutcome outcome = copyInChunks(source, target, letEventsRun, letEventsRun);
    if (outcome.ok) return 1;
    platform::modal().messageBox(owner, copyFailureText(outcome.description), QString(),
                                 platform::style::kIconCritical | platform::style::kRightToLeftReading);
    return 0;
}

std::optional<QString> restoreSourceProblem(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return describe(ENOENT, path);
    if (info.isDir()) return describe(EISDIR, path);
    Descriptor file(::open(native(path).constData(), O_RDONLY | O_CLOEXEC));
    if (!file.valid()) return describe(errno, path);
    struct stat fileInfo {};
    if (::fstat(file.get(), &fileInfo) != 0) return describe(errno, path);
    std::array<unsigned char, 100> bytes{};
    const ssize_t got = ::pread(file.get(), bytes.data(), bytes.size(), 0);
    if (got < 0) return describe(errno, path);
    file.close();
    const qint64 size = fileInfo.st_size;
    if (size == 0) return QStringLiteral("این فایل خالی است و نسخهٔ پشتیبان این برنامه نیست:\n%1").arg(shown(path));

    // The file header: the magic text, the rollback-journal format (a file
    // in write-ahead-log form is not one of ours), the page size and count.
    static constexpr char kMagic[] = "SQLite format 3";
    if (got < 100 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) return notABackup(path);
    if (bytes[18] != 1 || bytes[19] != 1) return notABackup(path);
    const qint64 pageSize = (bytes[16] == 0 && bytes[17] == 1) ? 65536 : (qint64{bytes[16]} << 8 | bytes[17]);
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0) return notABackup(path);
    const quint32 pageCount = bigEndian32(bytes.data() + 28);
    const bool pageCountValid = pageCount != 0 && bigEndian32(bytes.data() + 24) == bigEndian32(bytes.data() + 92);
    if (size % pageSize != 0 || (pageCountValid && size != qint64{pageCount} * pageSize)) return damagedBackup(path);

    try {
        DataStore::verify(path);
    } catch (const DataError& e) {
        return e.description();
    }
    try {
        auto connection = sql::Connection::open(native(path).toStdString());
        sql::Statement check(connection, "PRAGMA integrity_check");
        if (!check.step() || check.columnText(0) != "ok") return damagedBackup(path);
    } catch (const sql::Error&) {
        return damagedBackup(path);
    }
    return std::nullopt;
}

DatabaseQuiet::DatabaseQuiet(const QString& path) {
    if (!QFileInfo(path).isFile()) return;
    try {
        connection_ = sql::Connection::open(native(path).toStdString());
        connection_.exec("BEGIN");
        // The first read takes the shared lock; it stays until the end of the
        // transaction, and no writer can commit while it is held.
        sql::Statement read(connection_, "SELECT count(*) FROM sqlite_master");
        read.step();
    } catch (const sql::Error& e) {
        if (e.primaryCode() == SQLITE_BUSY || e.primaryCode() == SQLITE_LOCKED) problem_ = describe(EBUSY, path);
        connection_.close();
    }
}

DatabaseQuiet::~DatabaseQuiet() {
    if (!connection_.isOpen()) return;
    try {
        connection_.exec("COMMIT");
    } catch (const sql::Error&) {
        // Closing the connection ends the read transaction all the same.
    }
}

} // namespace pentarix

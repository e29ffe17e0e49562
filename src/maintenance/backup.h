#pragma once

#include "data/sqlite.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Module Backup: the byte copy of the database file out to a backup file and
// back, and the checks around it.
namespace pentarix {

inline constexpr qint64 kCopyChunkSize = 4048;

// Copies source over target in chunks of 4048 bytes, letting pending window
// events run between chunks. The bytes go to a temporary file beside the
// target, which is flushed to disk and only then renamed over the target: a
// copy that fails or is killed midway leaves the old target as it was. While
// another copy onto the same target runs, the copy fails as "in use". A
// rollback journal left beside the target belongs to the content being
// replaced and is removed before the rename.
// Returns 1 when the copy finished; on failure shows the copy-failure message
// with a description of the failure and returns 0.
int CopyFileInChunks(const QString& source, const QString& target, QWidget* owner = nullptr);

struct CopyOutcome {
    bool ok = false;
    QString description; // why it failed, for the operator; empty on success
};

// The copy itself, without a message: betweenChunks runs before every chunk,
// whileFlushing over and over while the disk confirms the written bytes.
CopyOutcome copyInChunks(const QString& source, const QString& target, const std::function<void()>& betweenChunks,
                         const std::function<void()>& whileFlushing = {});

// The temporary file a copy onto target writes before it is renamed: hidden,
// beside the target, with an ending of this program's own. A copy killed
// midway leaves it behind; the next copy onto the same target removes it.
QString partialCopyPath(const QString& target);

// Removes the partial files that copies killed midway left in folder. Files
// of any other name, and the partial file of a copy still running, stay.
void removeLeftoverCopies(const QString& folder);

// The same for the folders this application folder's copies write to by
// themselves: the database's own (a restore) and the proposed backup folder.
// For the start of the program, once it holds the single-instance lock.
void removeOwnLeftoverCopies();

// The failure text of a copy as the operator reads it: the fixed words, a line
// break and the description.
QString copyFailureText(const QString& description);

// Why a file cannot be restored over the database: anything but an SQLite file
// of the rollback-journal kind that holds the four tables of this system and
// passes an integrity check. Nothing when the file will do.
std::optional<QString> restoreSourceProblem(const QString& path);

// Holds a read transaction on a database file for as long as it lives, so
// that no connection, in this program or another, can commit a write to the
// file while its bytes are copied. A missing or unreadable file holds no lock:
// nothing can write to it either.
class DatabaseQuiet {
public:
    explicit DatabaseQuiet(const QString& path);
    ~DatabaseQuiet();
    DatabaseQuiet(const DatabaseQuiet&) = delete;
    DatabaseQuiet& operator=(const DatabaseQuiet&) = delete;

    // Set when a connection was in the middle of writing and the lock could
    // not be taken: the file is in use and must not be copied now.
    const std::optional<QString>& problem() const noexcept { return problem_; }

private:
    sql::Connection connection_;
    std::optional<QString> problem_;
};

} // namespace pentarix

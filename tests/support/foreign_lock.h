#pragma once

#include <QProcess>
#include <QString>

namespace pentarix::test {

// Another program holding a database file under an exclusive lock: the
// sqlite3 shell in a transaction of its own, from construction until
// release() or destruction. Nothing of this process can read or write the
// file meanwhile.
class ForeignLock {
public:
    // Runs firstSql (committed at once, as another program's write) and then
    // takes the lock; returns once this process is refused the file.
    explicit ForeignLock(const QString& databasePath, const QString& firstSql = QString());
    ~ForeignLock();
    ForeignLock(const ForeignLock&) = delete;
    ForeignLock& operator=(const ForeignLock&) = delete;

    // Ends the other program's transaction and the program; the file is free.
    void release();

    // Whether a connection of this process is refused the file at once.
    static bool refuses(const QString& databasePath);

private:
    QProcess shell_;
};

} // namespace pentarix::test

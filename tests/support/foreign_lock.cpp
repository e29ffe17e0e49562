#include "support/foreign_lock.h"

#include "data/sqlite.h"

#include <QElapsedTimer>
#include <QFile>

#include <stdexcept>

namespace pentarix::test {

ForeignLock::ForeignLock(const QString& databasePath, const QString& firstSql) {
    shell_.setProgram(QStringLiteral(PENTARIX_SQLITE3_CLI));
    shell_.setArguments({databasePath});
    shell_.start();
    if (!shell_.waitForStarted(10000)) throw std::runtime_error("the sqlite3 shell did not start");
    // The shell waits for this process's own short locks before it takes its own.
    shell_.write(".timeout 10000\n");
    if (!firstSql.isEmpty()) shell_.write(firstSql.toUtf8() + '\n');
    shell_.write("BEGIN EXCLUSIVE;\n");
    QElapsedTimer clock;
    clock.start();
    while (!refuses(databasePath)) {
        if (clock.elapsed() > 20000 || shell_.state() == QProcess::NotRunning) {
            throw std::runtime_error("the sqlite3 shell did not take the lock: " +
                                     shell_.readAllStandardError().toStdString());
        }
        shell_.waitForReadyRead(20);
    }
}

ForeignLock::~ForeignLock() {
    release();
    if (shell_.state() != QProcess::NotRunning) {
        shell_.kill();
        shell_.waitForFinished(5000);
    }
}

void ForeignLock::release() {
    if (shell_.state() == QProcess::NotRunning) return;
    shell_.write("ROLLBACK;\n.quit\n");
    shell_.closeWriteChannel();
    shell_.waitForFinished(10000);
}

bool ForeignLock::refuses(const QString& databasePath) {
    try {
        const auto connection = sql::Connection::open(QFile::encodeName(databasePath).toStdString());
        sqlite3_busy_timeout(connection.handle(), 0);
        sql::Statement read(connection, "SELECT count(*) FROM sqlite_master");
        read.step();
        return false;
    } catch (const sql::Error& e) {
        return e.primaryCode() == SQLITE_BUSY;
    }
}

} // namespace pentarix::test

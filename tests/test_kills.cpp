// Kills a process that works an application folder through the program's
// windows at random moments, starts it again on the same folder each time, as
// a clinic's machine would after a power cut, and after every kill checks
// what the operator relies on.
//   PENTARIX_KILLS       how many kills (200 unless set)
//   PENTARIX_KILL_SEED   the seed of the kill moments and of the operations
#include "data/sqlite.h"
#include "maintenance/backup.h"
#include "support/app_folder.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

#include <array>
#include <chrono>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

using pentarix::test::AppFolder;

namespace {

const QString kBackupTarget = QStringLiteral("Back/records-helper.mdbB");
const QString kRestoreTarget = QStringLiteral("Pentarix/restored.mdb");

int fromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The digest of a file's bytes; empty when there is no file.
QString digestOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

// One operation as the helper announced it, with the digest of the file a
// copy was about to copy.
struct Operation {
    QString name;
    QString source;
};

// What one run of the helper printed before it was killed.
std::vector<Operation> operationsOf(const QByteArray& output) {
    std::vector<Operation> operations;
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("op ")) operations.push_back({QString::fromUtf8(line.mid(3)), QString()});
        if (line.startsWith("source ") && !operations.empty()) {
            operations.back().source = QString::fromUtf8(line.mid(7));
        }
    }
    return operations;
}

// A copy target may hold what the last finished copy put there, or, when a
// copy onto it was killed, also what that copy was copying; no other bytes.
class CopyTarget {
public:
    CopyTarget(const char* operation, QString path) : operation_(operation), path_(std::move(path)) {}

    // Learns from a run which content the target must hold now; returns what
    // it may hold, "" standing for no file.
    std::set<QString> allowedAfter(const std::vector<Operation>& run) {
        for (std::size_t i = 0; i + 1 < run.size(); ++i) {
            if (run[i].name == QLatin1String(operation_) && !run[i].source.isEmpty()) held_ = run[i].source;
        }
        std::set<QString> allowed = {held_};
        if (!run.empty() && run.back().name == QLatin1String(operation_) && !run.back().source.isEmpty()) {
            allowed.insert(run.back().source);
        }
        return allowed;
    }
    // What the target was found holding, one of the allowed contents.
    void found(const QString& digest) { held_ = digest; }
    const QString& path() const { return path_; }

private:
    const char* operation_;
    QString path_;
    QString held_; // nothing at first
};

// The rules, in the order they are reported.
enum Rule {
    Integrity,
    ExamineeWithOneSheet,
    SheetWithOneExaminee,
    ScoresWhole,
    BackupTarget,
    RestoreTarget,
    NoLeftovers,
    kRules
};

const std::array<const char*, kRules> kRuleNames = {
    "integrity_check is ok",
    "every IDE row has exactly one Answer row",
    "every Answer row has exactly one IDE row",
    "the five scores are all set or all empty",
    "the backup target is absent, as it was or a whole copy",
    "the restore target holds the old or the new database",
    "no partial copy is left but the interrupted copy's own",
};

// What the database shows now: for each rule about the records, the rows
// that break it.
std::array<std::set<QString>, kRules> offenders(const QString& database) {
    std::array<std::set<QString>, kRules> found;
    auto connection = pentarix::sql::Connection::open(database.toStdString());
    const auto collect = [&](Rule rule, const char* query) {
        pentarix::sql::Statement statement(connection, query);
        while (statement.step()) {
            const auto text = statement.columnText(0);
            found[rule].insert(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
    };
    pentarix::sql::Statement check(connection, "PRAGMA integrity_check");
    while (check.step()) {
        const auto text = check.columnText(0);
        if (text != "ok") {
            found[Integrity].insert(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
    }
    // The sheet carries the code without the blanks around it; codes compare
    // as the store compares them.
    collect(ExamineeWithOneSheet, "SELECT '[' || Code || ']' FROM IDE i WHERE (SELECT count(*) FROM Answer a "
                                  "WHERE a.Code = trim(i.Code) COLLATE NOCASE) <> 1");
    // The trimmed codes are indexed in a table of the connection's own, or
    // the search from sheet to examinee would read the whole table per sheet.
    connection.exec(
        "CREATE TEMP TABLE Trimmed (Code TEXT COLLATE NOCASE); "
        "INSERT INTO Trimmed SELECT trim(Code) FROM IDE; CREATE INDEX temp.TrimmedCode ON Trimmed (Code)");
    collect(SheetWithOneExaminee,
            "SELECT '[' || Code || ']' FROM Answer a WHERE (SELECT count(*) FROM Trimmed t "
            "WHERE t.Code = a.Code) <> 1");
    collect(ScoresWhole,
            "SELECT '[' || Code || ']' FROM IDE WHERE (coalesce(E, '') = '') + (coalesce(A, '') = '') + "
            "(coalesce(C, '') = '') + (coalesce(ES, '') = '') + (coalesce(O, '') = '') NOT IN (0, 5)");
    return found;
}

class Tally {
public:
    void kill(const QString& operation) { ++kills_[operation]; }
    // A copy killed while its bytes went to the partial file.
    void cutCopy() { ++cutCopies_; }
    void broke(Rule rule, const QString& operation, const QString& detail) {
        ++broken_[rule][operation];
        if (examples_[rule].size() < 5) examples_[rule].push_back(operation + QStringLiteral(": ") + detail);
    }
    int broken(Rule rule) const {
        int sum = 0;
        for (const auto& [operation, count] : broken_[rule]) sum += count;
        return sum;
    }
    std::string describe(Rule rule) const {
        std::string text = std::to_string(broken(rule)) + " kills broke \"" + kRuleNames[rule] + "\" (";
        bool first = true;
        for (const auto& [operation, count] : broken_[rule]) {
            text += (first ? "" : ", ") + operation.toStdString() + " " + std::to_string(count);
            first = false;
        }
        text += ")";
        for (const QString& example : examples_[rule]) text += "\n    " + example.toStdString();
        return text;
    }
    void print(int kills, qint64 elapsedMs) const {
        std::cout << kills << " kills in " << elapsedMs / 1000.0 << " s; kills per operation:";
        for (const auto& [operation, count] : kills_) std::cout << " " << operation.toStdString() << " " << count;
        std::cout << "; copies cut midway: " << cutCopies_ << "\n";
        for (int rule = 0; rule < kRules; ++rule) std::cout << describe(static_cast<Rule>(rule)) << "\n";
        std::cout.flush();
    }

private:
    std::map<QString, int> kills_;
    int cutCopies_ = 0;
    std::array<std::map<QString, int>, kRules> broken_;
    std::array<std::vector<QString>, kRules> examples_;
};

// A clinic's file after some years: examinees with whole answer sheets, a
// third of them scored. Its copies take long enough for kills to land inside.
void fillLikeAClinic(const AppFolder& folder, int examinees) {
    QString items;
    QString values;
    for (int item = 1; item <= 50; ++item) {
        items += QStringLiteral(", \"%1\"").arg(item);
        values += QStringLiteral(", CAST(abs(random()) % 5 + 1 AS TEXT)");
    }
    const QString numbers =
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ")
            .arg(examinees);
    folder.exec(
        QStringLiteral("BEGIN; ") + numbers +
        QStringLiteral("INSERT INTO IDE (Code, FName, LName, Jens, Sen, Taahol, Tahsil, \"Group\", \"Date\", "
                       "\"Time\") SELECT 'c' || i, 'مریم', 'کریمی', 'زن', '30', 'مجرد', 'کارشناسی', "
                       "char(65 + i % 4), '1403/01/01', '10:00:00' FROM n; ") +
        numbers +
        QStringLiteral("INSERT INTO Answer (Code%1) SELECT 'c' || i%2 FROM n; ").arg(items, values) +
        QStringLiteral(
            "UPDATE IDE SET E = 30, A = 31, C = 32, ES = 33, O = 34 WHERE rowid % 3 = 0; COMMIT;"));
}

// Partial copy files in the two folders copies write to.
std::set<QString> partialFiles(const AppFolder& folder) {
    std::set<QString> found;
    for (const char* name : {"Back", "Pentarix"}) {
        const QDir dir(folder.filePath(QString::fromLatin1(name)));
        for (const QString& file : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
            if (file.endsWith(QStringLiteral(".pentarix-partial"))) found.insert(dir.filePath(file));
        }
    }
    return found;
}

// Starts the helper on the folder, lets it run for the moment given and
// kills it; the helper's report of the operations it started. Empty with a
// failure added when the helper did not start or ended by itself.
std::optional<QByteArray> runAndKill(const AppFolder& folder, quint32 seed, int done, std::chrono::microseconds moment) {
    QProcess helper;
    helper.setProgram(QStringLiteral(PENTARIX_RECORDS_HELPER));
    helper.setArguments({folder.path(), QString::number(seed + static_cast<quint32>(done) * 7919u)});
    helper.start();
    QByteArray output;
    while (!output.contains("ready\n") && helper.waitForReadyRead(30000)) {
        output += helper.readAllStandardOutput();
    }
    if (!output.contains("ready\n")) {
        ADD_FAILURE() << "kill " << done << ": the helper did not start\n" << helper.readAllStandardError().toStdString();
        return std::nullopt;
    }
    std::this_thread::sleep_for(moment);
    if (helper.state() != QProcess::Running || helper.waitForFinished(0)) {
        ADD_FAILURE() << "kill " << done << ": the helper ended by itself\n"
                      << helper.readAllStandardError().toStdString();
        return std::nullopt;
    }
    helper.kill();
    if (!helper.waitForFinished(10000)) {
        ADD_FAILURE() << "kill " << done << ": the helper did not end when killed";
        return std::nullopt;
    }
    return output + helper.readAllStandardOutput();
}

// The records: a rule is broken by this kill when a row breaks it that did
// not before; the damage stays for the next runs.
void checkRecords(const AppFolder& folder, std::array<std::set<QString>, kRules>& known, Tally& tally,
                  const QString& interrupted, int done) {
    const auto found = offenders(folder.databasePath());
    for (int rule = Integrity; rule <= ScoresWhole; ++rule) {
        QStringList fresh;
        for (const QString& row : found[rule]) {
            if (!known[rule].count(row)) fresh << row;
        }
        if (!fresh.isEmpty()) {
            tally.broke(static_cast<Rule>(rule), interrupted,
                        QStringLiteral("kill %1: %2").arg(done).arg(fresh.join(QLatin1Char(' '))));
        }
        known[rule] = found[rule];
    }
}

// A copy target holds bytes the copies were given, and a whole database when
// it holds any. `soundCopies` keeps the digests already found whole.
void checkCopyTarget(CopyTarget& target, Rule rule, const std::vector<Operation>& run,
                     std::set<QString>& soundCopies, Tally& tally, const QString& interrupted, int done) {
    const std::set<QString> allowed = target.allowedAfter(run);
    const QString digest = digestOf(target.path());
    if (!allowed.count(digest)) {
        tally.broke(rule, interrupted, QStringLiteral("kill %1: holds %2").arg(done).arg(digest));
    } else if (!digest.isEmpty() && !soundCopies.count(digest)) {
        if (const auto problem = pentarix::restoreSourceProblem(target.path())) {
            tally.broke(rule, interrupted, QStringLiteral("kill %1: %2").arg(done).arg(*problem));
        } else {
            soundCopies.insert(digest);
        }
    }
    target.found(digest);
}

// The interrupted copy may leave its partial file, which the start of the
// next run removes; any other partial file is a leftover.
void checkLeftovers(const AppFolder& folder, const CopyTarget& backup, const CopyTarget& restore, Tally& tally,
                    const QString& interrupted, int done) {
    for (const QString& partial : partialFiles(folder)) {
        const bool own =
            (interrupted == QLatin1String("backup") && partial == pentarix::partialCopyPath(backup.path())) ||
            (interrupted == QLatin1String("restore") && partial == pentarix::partialCopyPath(restore.path()));
        if (own) {
            tally.cutCopy();
        } else {
            tally.broke(NoLeftovers, interrupted, QStringLiteral("kill %1: %2").arg(done).arg(partial));
        }
    }
}

TEST(RecordsUnderKills, EveryKillLeavesWholeRecordsAndWholeCopies) {
    const int kills = fromEnvironment("PENTARIX_KILLS", 200);
    const auto seed = static_cast<quint32>(fromEnvironment("PENTARIX_KILL_SEED", 20240611));
    // A kill lands within this long of the start of the loop: the first few
    // operations of each run, started afresh on the damage of the one before.
    constexpr int kLatestKillMs = 160;
    AppFolder folder;
    fillLikeAClinic(folder, 3000);
    QRandomGenerator moments(seed);
    CopyTarget backup("backup", folder.filePath(kBackupTarget));
    CopyTarget restore("restore", folder.filePath(kRestoreTarget));
    std::set<QString> soundCopies; // digests of copies found to be whole databases
    std::array<std::set<QString>, kRules> known;
    Tally tally;
    QElapsedTimer clock;
    clock.start();

    int done = 0;
    for (; done < kills; ++done) {
        const std::chrono::microseconds moment(moments.bounded(kLatestKillMs * 1000));
        const std::optional<QByteArray> output = runAndKill(folder, seed, done, moment);
        if (!output) break;
        const std::vector<Operation> run = operationsOf(*output);
        // Killed before the first operation: at the start of the loop.
        const QString interrupted = run.empty() ? QStringLiteral("start") : run.back().name;
        tally.kill(interrupted);
        checkRecords(folder, known, tally, interrupted, done);
        checkCopyTarget(backup, BackupTarget, run, soundCopies, tally, interrupted, done);
        checkCopyTarget(restore, RestoreTarget, run, soundCopies, tally, interrupted, done);
        checkLeftovers(folder, backup, restore, tally, interrupted, done);
    }

    tally.print(done, clock.elapsed());
    for (int rule = 0; rule < kRules; ++rule) {
        EXPECT_EQ(tally.broken(static_cast<Rule>(rule)), 0) << tally.describe(static_cast<Rule>(rule));
    }
}

} // namespace

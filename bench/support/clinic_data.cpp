#include "support/clinic_data.h"

#include "common/module7.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace pentarix::bench {

namespace {

const char* const kMaleNames[] = {"محمد", "علی", "حسین", "رضا", "مهدی", "امیر", "حسن", "سعید", "مجید", "حمید",
                                  "احمد", "جواد", "مصطفی", "امید", "بهروز", "کامران", "آرش", "پویا", "سینا", "میلاد"};
const char* const kFemaleNames[] = {"زهرا", "فاطمه", "مریم", "سارا",  "نرگس",  "معصومه", "الهام", "لیلا",  "مینا", "نازنین",
                                    "سمیرا", "فرشته", "پریسا", "شیما", "نیلوفر", "آزاده", "مهسا", "ریحانه", "هانیه", "یاسمن"};
const char* const kLastNames[] = {"محمدی", "حسینی", "احمدی", "رضایی", "کریمی", "موسوی", "جعفری", "کاظمی",
                                  "رحیمی", "صادقی", "هاشمی", "نوری", "قاسمی", "عباسی", "ابراهیمی", "سلیمانی",
                                  "اکبری", "طاهری", "فراهانی", "شریفی", "مرادی", "باقری", "یزدانی", "نجفی",
                                  "زمانی", "ملکی", "امینی", "حیدری", "کرمانی", "تهرانی", "شیرازی", "اصفهانی",
                                  "خسروی", "بهرامی", "فتحی", "میرزایی", "جلالی", "نصیری", "پورمحمدی", "قربانی"};

struct Share {
    const char* value;
    int percent;
};

// Most examinees of a clinic come through a few groups.
const Share kGroups[] = {{"A", 24}, {"B", 20}, {"C", 16}, {"D", 14}, {"E", 11}, {"F", 8}, {"G", 7}};
const Share kEducation[] = {{"سیکل", 5},           {"دیپلم", 22},          {"کاردانی", 8},
                            {"کارشناسی", 30},       {"کارشناسی ارشد", 15}, {"دکتری", 4},
                            {"دانشجوی کارشناسی", 10}, {"کارشناسی ارشد روان‌شناسی", 6}};

template <std::size_t N>
const char* pick(const Share (&shares)[N], int percent) {
    for (const Share& share : shares) {
        if (percent < share.percent) return share.value;
        percent -= share.percent;
    }
    return shares[N - 1].value;
}

const char* const kAnswers[] = {"", "1", "2", "3", "4", "5"};

class Database {
public:
    explicit Database(const QString& path) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            throw std::runtime_error("cannot open " + path.toStdString() + ": " + message);
        }
    }
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const char* sql) { check(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), sql); }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        check(sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr), sql);
        return statement;
    }
    void check(int rc, const char* what) const {
        if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
            throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db_));
        }
    }

private:
    sqlite3* db_ = nullptr;
};

void bindText(sqlite3_stmt* statement, int index, const char* text) {
    sqlite3_bind_text(statement, index, text, -1, SQLITE_STATIC);
}

void bindText(sqlite3_stmt* statement, int index, const std::string& text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

} // namespace

std::string clinicCode(int index) { return std::to_string(index + 1); }

bool awaitsScoring(int index) { return index % 20 == 19; }

int awaitingScoring(int n, int k) {
    const int awaiting = n / 20;
    if (k < 0 || k >= awaiting) return -1;
    // 7919 is a prime: k * 7919 mod m meets every residue once.
    return 20 * static_cast<int>((static_cast<long long>(k) * 7919 + 13) % awaiting) + 19;
}

namespace {

// Registration days from 1 Farvardin 1398 to 19 Azar 1404, in order.
std::vector<std::string> registrationDays() {
    const QDate firstDay(2019, 3, 21);
    const qint64 span = firstDay.daysTo(QDate(2025, 12, 10));
    std::vector<std::string> dates;
    dates.reserve(static_cast<std::size_t>(span + 1));
    for (qint64 d = 0; d <= span; ++d) dates.push_back(SolarHijriDate(firstDay.addDays(d), 0).toStdString());
    return dates;
}

std::string answerInsert() {
    std::string text = "INSERT INTO Answer (Code";
    for (int item = 1; item <= 50; ++item) text += ",\"" + std::to_string(item) + "\"";
    text += ") VALUES (?";
    for (int item = 1; item <= 50; ++item) text += ",?";
    return text + ")";
}

// Keyed answers drawn around the examinee's level on each factor; the stored
// value is already keyed, so a factor's score is the sum of its ten stored
// values, which `sums` receives.
void bindAnswerSheet(sqlite3_stmt* answer, const std::string& code, std::mt19937_64& random,
                     std::normal_distribution<double>& normal, int (&sums)[5]) {
    double level[5];
    for (double& l : level) l = normal(random);
    sqlite3_reset(answer);
    bindText(answer, 1, code);
    for (int item = 1; item <= 50; ++item) {
        const int factor = (item - 1) % 5;
        const long value = std::clamp(std::lround(3.0 + 0.9 * level[factor] + 0.8 * normal(random)), 1L, 5L);
        sums[factor] += static_cast<int>(value);
        bindText(answer, item + 1, kAnswers[value]);
    }
}

} // namespace

void addClinicExaminees(const QString& databasePath, int n) {
    Database db(databasePath);
    // Generation only: the whole transaction stays in memory until it commits.
    db.exec("PRAGMA cache_size = -400000");
    db.exec("BEGIN");
    sqlite3_stmt* ide = db.prepare("INSERT INTO IDE (Code, FName, LName, Jens, Sen, Taahol, Tahsil, \"Group\", \"Date\","
                                   " \"Time\", E, A, C, ES, O) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    sqlite3_stmt* answer = db.prepare(answerInsert().c_str());
    const std::vector<std::string> dates = registrationDays();
    const qint64 span = static_cast<qint64>(dates.size()) - 1;

    std::mt19937_64 random(0x9e3779b97f4a7c15ULL ^ static_cast<unsigned>(n));
    std::normal_distribution<double> normal;
    const auto below = [&](std::uint64_t bound) { return static_cast<int>(random() % bound); };
    try {
        for (int i = 0; i < n; ++i) {
            const std::string code = clinicCode(i);
            const bool male = below(100) < 45;
            const int age = 18 + below(28) + below(25);
            const bool married = below(100) < (age > 27 ? 65 : 15);
            const qint64 day = n > 1 ? static_cast<qint64>(i) * span / (n - 1) : 0;
            const int second = 8 * 3600 + below(12 * 3600);
            char time[16];
            std::snprintf(time, sizeof time, "%02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);

            int sums[5] = {};
            bindAnswerSheet(answer, code, random, normal, sums);
            db.check(sqlite3_step(answer), "insert into Answer");

            sqlite3_reset(ide);
            bindText(ide, 1, code);
            bindText(ide, 2, male ? kMaleNames[below(std::size(kMaleNames))] : kFemaleNames[below(std::size(kFemaleNames))]);
            bindText(ide, 3, kLastNames[below(std::size(kLastNames))]);
            bindText(ide, 4, male ? "مرد" : "زن");
            bindText(ide, 5, std::to_string(age));
            bindText(ide, 6, married ? "متأهل" : "مجرد");
            bindText(ide, 7, pick(kEducation, below(100)));
            bindText(ide, 8, pick(kGroups, below(100)));
            bindText(ide, 9, dates[static_cast<std::size_t>(day)]);
            bindText(ide, 10, std::string(time));
            for (int f = 0; f < 5; ++f) {
                if (awaitsScoring(i)) sqlite3_bind_null(ide, 11 + f);
                else sqlite3_bind_int(ide, 11 + f, sums[f]);
            }
            db.check(sqlite3_step(ide), "insert into IDE");
        }
    } catch (...) {
        sqlite3_finalize(ide);
        sqlite3_finalize(answer);
        throw;
    }
    sqlite3_finalize(ide);
    sqlite3_finalize(answer);
    db.exec("COMMIT");
}

QString clinicDatabase(int n) {
    if (n == 0) return QStringLiteral(PENTARIX_DELIVERED_DB);
    static QTemporaryDir cache;
    static std::map<int, QString> made;
    auto found = made.find(n);
    if (found != made.end()) return found->second;
    const QString path = cache.filePath(QStringLiteral("clinic-%1.mdb").arg(n));
    QElapsedTimer clock;
    clock.start();
    if (!cache.isValid() || !QFile::copy(QStringLiteral(PENTARIX_DELIVERED_DB), path)) {
        throw std::runtime_error("cannot copy the delivered database into " + path.toStdString());
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    addClinicExaminees(path, n);
    std::fprintf(stderr, "clinic of %d examinees generated in %.2f s: %.1f MB\n", n,
                 static_cast<double>(clock.nsecsElapsed()) / 1e9, static_cast<double>(QFileInfo(path).size()) / 1e6);
    made.emplace(n, path);
    return path;
}

QString uniqueCode() {
    static const QString prefix =
        QStringLiteral("R%1").arg(QRandomGenerator::system()->generate() & 0xffffffu, 6, 16, QLatin1Char('0'));
    static std::atomic<int> counter{0};
    return prefix + QLatin1Char('-') + QString::number(++counter);
}

} // namespace pentarix::bench

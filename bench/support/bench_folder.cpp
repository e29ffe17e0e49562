#include "support/bench_folder.h"

#include "data/sqlite.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "shell/application.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <QDir>
#include <QFile>

#include <map>
#include <memory>
#include <string>

namespace pentarix::bench {

BenchFolder::BenchFolder() : previous_(QDir::currentPath()) {
    QDir(dir_.path()).mkpath(QStringLiteral("Pentarix"));
    QFile::copy(QStringLiteral(PENTARIX_DELIVERED_DB), databasePath());
    QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    const QDir skins(QStringLiteral(PENTARIX_SKINS_DIR));
    for (const QString& skin : skins.entryList({QStringLiteral("*.skn")}, QDir::Files)) {
        QFile::copy(skins.filePath(skin), QDir(dir_.path()).filePath(skin));
    }
    QDir::setCurrent(dir_.path());
}

BenchFolder::~BenchFolder() { QDir::setCurrent(previous_); }

QString BenchFolder::databasePath() const { return QDir(dir_.path()).filePath(QStringLiteral("Pentarix/Pentarix.mdb")); }

BenchFolder& BenchFolder::withExaminees(int n) {
    static std::map<int, std::unique_ptr<BenchFolder>> folders;
    auto& folder = folders[n];
    if (!folder) {
        folder = std::make_unique<BenchFolder>();
        folder->addExaminees(n);
    }
    QDir::setCurrent(folder->path());
    return *folder;
}

void BenchFolder::addExaminees(int n) const {
    auto connection = sql::Connection::open(databasePath().toStdString());
    connection.exec("BEGIN");
    sql::Statement ide(connection,
                       "INSERT INTO IDE (Code, FName, LName, Jens, Sen, Taahol, Tahsil, \"Group\", \"Date\", \"Time\","
                       " E, A, C, ES, O) VALUES (?, ?, ?, ?, ?, ?, ?, ?, '1404/09/19', '10:24:31', ?, ?, ?, ?, ?)");
    sql::Statement answer(connection, "INSERT INTO Answer (Code) VALUES (?)");
    const char* firstNames[] = {"محمد", "زهرا", "علی", "فاطمه", "حسین", "مریم", "رضا", "سارا"};
    const char* lastNames[] = {"محمدی", "حسینی", "احمدی", "رضایی", "کریمی", "موسوی", "جعفری", "کاظمی"};
    const char* groups[] = {"A", "B", "C", "D", "E", "F", "G"};
    for (int i = 0; i < n; ++i) {
        const std::string code = "P" + std::to_string(100000 + i);
        ide.reset();
        ide.bindText(1, code);
        ide.bindText(2, firstNames[i % 8]);
        ide.bindText(3, lastNames[(i / 8) % 8]);
        ide.bindText(4, i % 2 ? "مرد" : "زن");
        ide.bindText(5, std::to_string(18 + i % 50));
        ide.bindText(6, i % 3 ? "مجرد" : "متأهل");
        ide.bindText(7, "کارشناسی ارشد روان‌شناسی");
        ide.bindText(8, groups[i % 7]);
        for (int f = 0; f < 5; ++f) {
            if (i % 2) ide.bindInt64(9 + f, 10 + (i + f * 7) % 41);
            else ide.bindNull(9 + f);
        }
        ide.step();
        answer.reset();
        answer.bindText(1, code);
        answer.step();
    }
    connection.exec("COMMIT");
}

int runWithApplication(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication(app);
    fonts::finishWarmup();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    FormSlotBase::discardAll();
    return 0;
}

} // namespace pentarix::bench

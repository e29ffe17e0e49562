#include "support/bench_folder.h"

#include "platform/fonts.h"
#include "platform/form.h"
#include "shell/application.h"
#include "support/clinic_data.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include <atomic>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>

namespace pentarix::bench {

namespace {

std::atomic<bool> failed{false};

void copyDatabase(const QString& from, const QString& to) {
    if (!QFile::copy(from, to)) throw std::runtime_error("cannot copy the database to " + to.toStdString());
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

BenchFolder::BenchFolder(int examinees) : previous_(QDir::currentPath()), examinees_(examinees) {
    QDir(dir_.path()).mkpath(QStringLiteral("Pentarix"));
    copyDatabase(clinicDatabase(examinees), databasePath());
    const QDir skins(QStringLiteral(PENTARIX_SKINS_DIR));
    for (const QString& skin : skins.entryList({QStringLiteral("*.skn")}, QDir::Files)) {
        QFile::copy(skins.filePath(skin), QDir(dir_.path()).filePath(skin));
    }
    QDir::setCurrent(dir_.path());
}

BenchFolder::~BenchFolder() { QDir::setCurrent(previous_); }

QString BenchFolder::databasePath() const { return QDir(dir_.path()).filePath(QStringLiteral("Pentarix/Pentarix.mdb")); }

QString BenchFolder::twinPath() {
    const QString twin = QDir(dir_.path()).filePath(QStringLiteral("twin.mdb"));
    if (!twin_) {
        copyDatabase(clinicDatabase(examinees_), twin);
        twin_ = true;
    }
    return twin;
}

BenchFolder& BenchFolder::withExaminees(int n) {
    static std::map<int, std::unique_ptr<BenchFolder>> folders;
    auto& folder = folders[n];
    if (!folder) folder = std::make_unique<BenchFolder>(n);
    QDir::setCurrent(folder->path());
    return *folder;
}

void fail(benchmark::State& state, const std::string& reason) {
    failed = true;
    std::fprintf(stderr, "FAILED: %s\n", reason.c_str());
    state.SkipWithError(reason.c_str());
}

bool anyFailed() { return failed; }

int runWithApplication(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication(app);
    fonts::finishWarmup();
    const int status = runBenchmarks(argc, argv);
    FormSlotBase::discardAll();
    return status;
}

int runBenchmarks(int argc, char** argv) {
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    if (anyFailed()) std::fprintf(stderr, "At least one benchmark failed: its action did not do its work.\n");
    return anyFailed() ? 1 : 0;
}

} // namespace pentarix::bench

// The backup copy of a 200 MB database file beside `cp` of the same file in
// the same run, and how long the window waits for its events during the copy.
//
// BackupCopy is the routine the backup window calls. CpCommand is the
// yardstick; CpThenFsync adds the flush to disk that the backup does before
// it renames its copy into place. EveryChunkEventsCopy runs window events
// before every single chunk, to show what that costs.
//
// At the end the program prints the throughput of each copy as a share of
// cp's, and the longest gap between two rounds of window events.
#include "maintenance/backup.h"
#include "support/bench_folder.h"
#include "support/event_gaps.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qint64 kFileSize = 200LL * 1024 * 1024;

struct Files {
    QTemporaryDir dir;
    QString source = dir.filePath(QStringLiteral("Pentarix.mdb"));
    QString target = dir.filePath(QStringLiteral("backup.mdbB"));
};

Files* files = nullptr;

// Random bytes, so that no layer can skip or compress them.
bool makeSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    QRandomGenerator generator(42);
    for (qint64 written = 0; written < kFileSize; written += block.size()) {
        generator.fillRange(reinterpret_cast<quint32*>(block.data()), block.size() / 4);
        if (file.write(block) != block.size()) return false;
    }
    return file.flush();
}

void removeTarget() { QFile::remove(files->target); }

// A copy that reports success must have left the whole file in place.
bool copied(benchmark::State& state, bool ok) {
    if (ok && QFile(files->target).size() == kFileSize) return true;
    pentarix::bench::fail(state, ok ? "the copy is not the whole file" : "the copy failed");
    return false;
}

using pentarix::bench::EventGaps;

std::map<std::string, double> secondsPerCopy;
std::map<std::string, std::pair<double, double>> eventGapsMs; // longest, 99th percentile

void record(benchmark::State& state, const std::string& name, double seconds, const EventGaps* gaps) {
    state.SetBytesProcessed(state.iterations() * kFileSize);
    secondsPerCopy[name] = seconds / static_cast<double>(state.iterations());
    if (gaps) {
        eventGapsMs[name] = {gaps->longestMs(), gaps->percentile99Ms()};
        state.counters["longest_event_gap_ms"] = gaps->longestMs();
        state.counters["p99_event_gap_ms"] = gaps->percentile99Ms();
    }
}

void BackupCopy(benchmark::State& state) {
    EventGaps gaps;
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        removeTarget();
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        gaps.start();
        const int result = pentarix::CopyFileInChunks(files->source, files->target);
        gaps.stop();
        seconds += static_cast<double>(clock.nsecsElapsed()) / 1e9;
        if (!copied(state, result == 1)) break;
    }
    record(state, "BackupCopy", seconds, &gaps);
}

void EveryChunkEventsCopy(benchmark::State& state) {
    EventGaps gaps;
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        removeTarget();
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        gaps.start();
        const auto outcome =
            pentarix::copyInChunks(files->source, files->target, [] { QCoreApplication::processEvents(); });
        gaps.stop();
        seconds += static_cast<double>(clock.nsecsElapsed()) / 1e9;
        if (!copied(state, outcome.ok)) break;
    }
    record(state, "EveryChunkEventsCopy", seconds, &gaps);
}

void runCp(benchmark::State& state, const std::string& name, bool fsyncAfter) {
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        removeTarget();
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        const int status = QProcess::execute(QStringLiteral("cp"), {files->source, files->target});
        if (fsyncAfter) {
            const int fd = ::open(QFile::encodeName(files->target).constData(), O_WRONLY);
            if (fd >= 0) {
                ::fsync(fd);
                ::close(fd);
            }
        }
        seconds += static_cast<double>(clock.nsecsElapsed()) / 1e9;
        if (!copied(state, status == 0)) break;
    }
    record(state, name, seconds, nullptr);
}

void CpCommand(benchmark::State& state) { runCp(state, "CpCommand", false); }
void CpThenFsync(benchmark::State& state) { runCp(state, "CpThenFsync", true); }

BENCHMARK(CpCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(CpThenFsync)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BackupCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(EveryChunkEventsCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void printSummary() {
    const auto cp = secondsPerCopy.find("CpCommand");
    if (cp == secondsPerCopy.end() || cp->second <= 0) return;
    std::printf("\nThroughput as a share of cp (200 MB, higher is faster):\n");
    for (const auto& [name, seconds] : secondsPerCopy) {
        std::printf("  %-22s %7.1f MB/s  %5.2f x cp", name.c_str(), 200.0 / seconds, cp->second / seconds);
        const auto gap = eventGapsMs.find(name);
        if (gap != eventGapsMs.end()) {
            std::printf("   waits for window events: longest %.1f ms, 99%% within %.1f ms", gap->second.first,
                        gap->second.second);
        }
        std::printf("\n");
    }
    const auto fsynced = secondsPerCopy.find("CpThenFsync");
    const auto backup = secondsPerCopy.find("BackupCopy");
    if (fsynced != secondsPerCopy.end() && backup != secondsPerCopy.end()) {
        std::printf("  BackupCopy against cp followed by fsync: %.2f x\n", fsynced->second / backup->second);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    // A window on screen, as the backup window is during the copy.
    QWidget window;
    window.resize(542, 200);
    window.show();
    QApplication::processEvents();

    Files made;
    files = &made;
    if (!made.dir.isValid() || !makeSource(made.source)) {
        std::fprintf(stderr, "cannot make the 200 MB file\n");
        return 1;
    }
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    printSummary();
    files = nullptr;
    return pentarix::bench::anyFailed() ? 1 : 0; // the temporary folder goes with its contents
}

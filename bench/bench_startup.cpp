// Program start until the main window is shown, beside the start of a minimal
// Qt window program, both as whole processes on the offscreen platform.
#include "support/bench_folder.h"

#include <benchmark/benchmark.h>

#include <QProcess>

using pentarix::bench::BenchFolder;

namespace {

void runToWindow(benchmark::State& state, const QString& program, const QStringList& arguments) {
    BenchFolder folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.path());
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            pentarix::bench::fail(state, "the program did not start and exit cleanly");
            break;
        }
    }
}

void ProgramStart(benchmark::State& state) {
    runToWindow(state, QStringLiteral(PENTARIX_PROGRAM), {QStringLiteral("--exit-when-shown")});
}

void MinimalQtWindowStart(benchmark::State& state) {
    runToWindow(state, QStringLiteral(PENTARIX_MINIMAL_WINDOW), {});
}

void MinimalQtTextWindowStart(benchmark::State& state) {
    runToWindow(state, QStringLiteral(PENTARIX_MINIMAL_WINDOW), {QStringLiteral("--text")});
}

BENCHMARK(MinimalQtWindowStart)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(MinimalQtTextWindowStart)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(ProgramStart)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

} // namespace

int main(int argc, char** argv) { return pentarix::bench::runBenchmarks(argc, argv); }

// The list of every examinee exported with the answers: as CSV beside the
// sqlite3 shell writing the same rows (the same join, the same columns) in
// the same run, and as an Excel workbook with its time and the peak resident
// memory of a process that does nothing else, beside the database file.
//
// Run:  bench_export --benchmark_filter=/100000
#include "data/record_view.h"
#include "data/sqlite.h"
#include "scoring/list_export.h"
#include "support/bench_folder.h"
#include "support/clinic_data.h"
#include "support/peak_memory.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>
#include <cstring>
#include <string>

using pentarix::RecordView;
using pentarix::bench::BenchFolder;
using pentarix::bench::fail;
using pentarix::bench::peakResidentKB;
namespace list_export = pentarix::list_export;

namespace {

// The export's columns and join, for the sqlite3 shell.
std::string joinedRows() {
    std::string sql = "SELECT IDE.Code";
    for (const QString& field : list_export::fields({true, true}).mid(1)) {
        sql += ", IDE." + pentarix::sql::quoteIdentifier(field.toStdString());
    }
    for (int item = 1; item <= 50; ++item) sql += ", Answer." + pentarix::sql::quoteIdentifier(std::to_string(item));
    return sql + " FROM IDE LEFT JOIN Answer ON Answer.Code = trim(IDE.Code) ORDER BY IDE.rowid;";
}

// Lines ended by CR LF; no generated value holds a line break.
qint64 csvLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    qint64 lines = 0;
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(1 << 20);
        lines += chunk.count('\n');
    }
    return lines;
}

// The rows of the first sheet of a workbook, counted by Python's zipfile.
qint64 xlsxRows(const QString& path) {
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys,zipfile\n"
                                 "z=zipfile.ZipFile(sys.argv[1]);n=0\n"
                                 "with z.open('xl/worksheets/sheet1.xml') as f:\n"
                                 "  for b in iter(lambda: f.read(1<<20), b''): n+=b.count(b'<row ')\n"
                                 "print(n)"),
                  path});
    if (!python.waitForFinished(300000) || python.exitCode() != 0) return -1;
    return python.readAllStandardOutput().trimmed().toLongLong();
}

void CsvWithAnswers(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const BenchFolder& folder = BenchFolder::withExaminees(n);
    RecordView view(folder.databasePath(), QStringLiteral("IDE"));
    view.readRows(); // as the preview holds them
    const QString ours = QDir(folder.path()).filePath(QStringLiteral("list.csv"));
    const QString theirs = QDir(folder.path()).filePath(QStringLiteral("sqlite3.csv"));
    double oursSeconds = 0;
    double sqliteSeconds = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const auto result = list_export::write(view, {true, true}, list_export::Format::Csv, ours);
        const double a = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        QProcess shell;
        shell.setStandardOutputFile(theirs);
        clock.restart();
        shell.start(QStringLiteral(PENTARIX_SQLITE3_CLI),
                    {QStringLiteral("-csv"), QStringLiteral("-header"), folder.databasePath(),
                     QString::fromStdString(joinedRows())});
        const bool shellDone = shell.waitForFinished(600000) && shell.exitCode() == 0;
        const double b = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        state.SetIterationTime(a);
        if (!result.ok() || csvLines(ours) != n + 1) {
            fail(state, "our CSV file is missing or has the wrong number of rows");
            break;
        }
        if (!shellDone || csvLines(theirs) != n + 1) {
            fail(state, "the sqlite3 shell's CSV file is missing or has the wrong number of rows");
            break;
        }
        oursSeconds += a;
        sqliteSeconds += b;
    }
    state.counters["ours_s"] = oursSeconds / static_cast<double>(state.iterations());
    state.counters["sqlite3_s"] = sqliteSeconds / static_cast<double>(state.iterations());
    state.counters["x_sqlite3"] = oursSeconds / sqliteSeconds;
    state.counters["ours_MB"] = static_cast<double>(QFileInfo(ours).size()) / 1e6;
    state.counters["sqlite3_MB"] = static_cast<double>(QFileInfo(theirs).size()) / 1e6;
    state.SetLabel("target x_sqlite3 <= 2");
}

// The measuring process: the view of every examinee read, then the workbook
// written; prints the seconds of the write and the peak resident memory.
int exportChild(int argc, char** argv) {
    if (argc < 4) return 2;
    QCoreApplication app(argc, argv);
    RecordView view(QString::fromLocal8Bit(argv[2]), QStringLiteral("IDE"));
    view.readRows();
    QElapsedTimer clock;
    clock.start();
    const auto result =
        list_export::write(view, {true, true}, list_export::Format::Xlsx, QString::fromLocal8Bit(argv[3]));
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (!result.ok()) return 3;
    std::printf("%.3f %.0f\n", seconds, peakResidentKB());
    return 0;
}

void ExcelWithAnswers(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const BenchFolder& folder = BenchFolder::withExaminees(n);
    const QString target = QDir(folder.path()).filePath(QStringLiteral("list.xlsx"));
    const double fileMB = static_cast<double>(QFileInfo(folder.databasePath()).size()) / (1024.0 * 1024.0);
    double peakMB = 0;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--export-child"), folder.databasePath(), target});
        if (!child.waitForFinished(600000) || child.exitCode() != 0) {
            fail(state, "the exporting process failed: " + child.readAllStandardError().toStdString());
            break;
        }
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        state.SetIterationTime(figures.value(0).toDouble());
        peakMB = figures.value(1).toDouble() / 1024.0;
        if (xlsxRows(target) != n + 1) {
            fail(state, "the workbook is missing or has the wrong number of rows");
            break;
        }
    }
    state.counters["peak_MB"] = peakMB;
    state.counters["file_MB"] = fileMB;
    state.counters["x_file"] = peakMB / fileMB;
    state.counters["xlsx_MB"] = static_cast<double>(QFileInfo(target).size()) / 1e6;
    state.SetLabel("targets: <= 15 s, x_file <= 3 (peak of the whole exporting process)");
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
}

BENCHMARK(CsvWithAnswers)->Apply(sizes);
BENCHMARK(ExcelWithAnswers)->Apply(sizes);

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--export-child") == 0) return exportChild(argc, argv);
    return pentarix::bench::runWithApplication(argc, argv);
}

// Opening a view and refreshing it, beside a plain read of the same rows with
// the sqlite3 C API; and a filter over the view's own rows. The tables are a
// clinic's: every examinee with a complete answer sheet and scores.
#include "data/record_view.h"
#include "data/value_text.h"
#include "support/bench_folder.h"
#include "support/clinic_data.h"
#include "support/raw_sqlite.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

using pentarix::RecordView;
using pentarix::bench::BenchFolder;
using pentarix::bench::fail;

namespace {

const char* const kTables[] = {"IDE", "Answer"};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The baseline: prepare, step, and copy every field of every row into memory.
void PlainSqliteRead(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const BenchFolder& folder = BenchFolder::withExaminees(n);
    const char* table = kTables[state.range(1)];
    for (auto _ : state) {
        const pentarix::bench::RawDatabase db(folder.databasePath());
        const auto rows = db.readAll(table);
        if (rows.size() != static_cast<std::size_t>(n)) {
            fail(state, "the plain read found " + std::to_string(rows.size()) + " rows");
            break;
        }
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetLabel(table);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ViewOpen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const BenchFolder& folder = BenchFolder::withExaminees(n);
    const char* table = kTables[state.range(1)];
    for (auto _ : state) {
        RecordView view(folder.databasePath(), QString::fromLatin1(table));
        if (view.RecordCount() != n) {
            fail(state, "the view holds " + std::to_string(view.RecordCount()) + " rows");
            break;
        }
    }
    state.SetLabel(table);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A refresh after another program wrote one field of the table, until the
// view shows the new value, beside a plain read of the whole table in the
// same iteration (raw_ms; x_raw is the refresh's time over it).
void ViewRefreshAfterOtherWrite(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const BenchFolder& folder = BenchFolder::withExaminees(n);
    const char* table = kTables[state.range(1)];
    const bool answers = state.range(1) == 1;
    const QString field = answers ? QStringLiteral("1") : QStringLiteral("Sen");
    RecordView view(folder.databasePath(), QString::fromLatin1(table));
    const int column = view.columnIndex(field);
    const pentarix::bench::RawDatabase other(folder.databasePath());
    // A row in the middle of the table; rows stay in the order of the file.
    const int row = n / 2;
    double refresh = 0;
    double raw = 0;
    int round = 0;
    for (auto _ : state) {
        const std::string value = answers ? std::to_string(1 + round % 5) : std::to_string(20 + round % 50);
        ++round;
        other.write("UPDATE \"" + std::string(table) + "\" SET \"" + field.toStdString() + "\" = ? WHERE rowid = ?",
                    {value, std::to_string(row + 1)});
        auto start = std::chrono::steady_clock::now();
        view.Refresh();
        const bool current = view.RecordCount() == n && view.text(row, column).toStdString() == value;
        const double seconds = secondsSince(start);
        state.SetIterationTime(seconds);
        refresh += seconds;
        if (!current) {
            fail(state, "the refreshed view does not show the other program's write");
            break;
        }
        start = std::chrono::steady_clock::now();
        const auto rows = pentarix::bench::RawDatabase(folder.databasePath()).readAll(table);
        raw += secondsSince(start);
        if (rows.size() != static_cast<std::size_t>(n)) {
            fail(state, "the plain read found " + std::to_string(rows.size()) + " rows");
            break;
        }
    }
    if (round > 0 && raw > 0) {
        state.counters["raw_ms"] = raw / round * 1e3;
        state.counters["x_raw"] = refresh / raw;
    }
    state.SetLabel(std::string(table) + ", beside a plain read of it");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A refresh when only the view itself wrote the table since it read it.
void ViewRefreshAfterOwnWrite(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BenchFolder folder(n);
    RecordView view(folder.databasePath(), QStringLiteral("IDE"));
    const pentarix::bench::RawDatabase check(folder.databasePath());
    int round = 0;
    for (auto _ : state) {
        const QString age = QString::number(20 + round++ % 50);
        view.setField(QStringLiteral("Sen"), age);
        view.Save();
        view.Refresh();
        if (view.RecordCount() != n || check.text("SELECT Sen FROM IDE WHERE rowid = 1") != age.toStdString()) {
            fail(state, "the view's own write was not stored");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ViewFilter(benchmark::State& state) {
    const int n = 100000;
    const BenchFolder& folder = BenchFolder::withExaminees(n);
    RecordView view(folder.databasePath(), QStringLiteral("IDE"));
    const QString filters[] = {QStringLiteral("Group='C'"),
                               pentarix::codeFilter(QString::fromStdString(pentarix::bench::clinicCode(n / 2))),
                               QStringLiteral("LName='احمدی'")};
    const QString& filter = filters[state.range(0)];
    for (auto _ : state) {
        view.Filter(filter);
        const int rows = view.RecordCount();
        if (rows == 0 || rows == n || (state.range(0) == 1 && rows != 1)) {
            fail(state, "the filter let " + std::to_string(rows) + " rows through");
            break;
        }
    }
    state.SetLabel(filter.toStdString());
}

BENCHMARK(PlainSqliteRead)->ArgsProduct({{1000, 10000, 100000}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(ViewOpen)->ArgsProduct({{1000, 10000, 100000}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(ViewRefreshAfterOtherWrite)
    ->ArgsProduct({{10000, 100000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK(ViewRefreshAfterOwnWrite)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ViewFilter)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return pentarix::bench::runBenchmarks(argc, argv); }

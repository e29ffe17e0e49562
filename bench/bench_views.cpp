// Opening a view and refreshing it, beside a plain read of the same rows with
// the sqlite3 C API; and a filter over the view's own rows.
#include "data/data_store.h"
#include "data/record_view.h"
#include "data/sqlite.h"
#include "support/bench_folder.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

using pentarix::RecordView;
using pentarix::bench::BenchFolder;

namespace {


// The baseline: prepare, step, and copy every field of every row into memory.
void PlainSqliteRead(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto connection = pentarix::sql::Connection::open(folder.databasePath().toStdString());
        pentarix::sql::Statement statement(connection, "SELECT rowid, * FROM \"IDE\"");
        std::vector<std::vector<std::string>> rows;
        const int columns = statement.columnCount();
        while (statement.step()) {
            std::vector<std::string> row;
            row.reserve(static_cast<std::size_t>(columns));
            for (int c = 0; c < columns; ++c) row.emplace_back(statement.columnText(c));
            rows.push_back(std::move(row));
        }
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ViewOpen(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RecordView view(folder.databasePath(), QStringLiteral("IDE"));
        benchmark::DoNotOptimize(view.RecordCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A refresh after another program wrote the table: the whole table is read again.
void ViewRefresh(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    RecordView view(folder.databasePath(), QStringLiteral("IDE"));
    auto other = pentarix::sql::Connection::open(folder.databasePath().toStdString());
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        other.exec("UPDATE IDE SET Sen = '" + std::to_string(20 + round++ % 50) + "' WHERE rowid = 1");
        state.ResumeTiming();
        view.Refresh();
        benchmark::DoNotOptimize(view.RecordCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A refresh when only the view itself wrote the table since it read it.
void ViewRefreshAfterOwnWrite(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    RecordView view(folder.databasePath(), QStringLiteral("IDE"));
    int round = 0;
    for (auto _ : state) {
        view.setField(QStringLiteral("Sen"), QString::number(20 + round++ % 50));
        view.Save();
        view.Refresh();
        benchmark::DoNotOptimize(view.RecordCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ViewFilter(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(100000);
    RecordView view(folder.databasePath(), QStringLiteral("IDE"));
    const QString filters[] = {QStringLiteral("Group='C'"), QStringLiteral("code='P150000'"),
                               QStringLiteral("LName='احمدی'")};
    const QString& filter = filters[state.range(0)];
    for (auto _ : state) {
        view.Filter(filter);
        benchmark::DoNotOptimize(view.RecordCount());
    }
    state.SetLabel(filter.toStdString());
}

BENCHMARK(PlainSqliteRead)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ViewOpen)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ViewRefresh)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ViewRefreshAfterOwnWrite)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ViewFilter)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

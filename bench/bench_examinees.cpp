// The lookup window and registration with many examinees (complete answer
// sheets): opening the lookup window, each of its selector filters, and a
// registration save with the refreshes it makes.
#include "examinees/frm_code.h"
#include "platform/view_models.h"
#include "shell/frm1.h"
#include "support/bench_folder.h"
#include "support/clinic_data.h"
#include "support/quiet_modal.h"
#include "support/raw_sqlite.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

#include <chrono>
#include <string>

using pentarix::FrmCode;
using pentarix::bench::BenchFolder;
using pentarix::bench::fail;

namespace {

void LookupWindowOpen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BenchFolder::withExaminees(n);
    pentarix::bench::QuietModal modal;
    for (auto _ : state) {
        FrmCode& window = pentarix::form<FrmCode>();
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        const bool shown = window.isVisible() && window.DataGrid1Rows->rowCount() == n && modal.messages.isEmpty();
        pentarix::FormSlotBase::discardAll();
        state.ResumeTiming();
        if (!shown) {
            fail(state, "the lookup window did not show every examinee");
            break;
        }
    }
}

void LookupFilter(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BenchFolder::withExaminees(n);
    pentarix::bench::QuietModal modal;
    FrmCode& window = pentarix::form<FrmCode>();
    window.show();
    QApplication::processEvents();
    int round = 0;
    for (auto _ : state) {
        switch (state.range(1)) {
        case 0: window.Combo3->setEditText(round % 2 ? QStringLiteral("C") : QStringLiteral("D")); break;
        case 1: window.DataCombo1->setEditText(round % 2 ? QStringLiteral("احمدی") : QStringLiteral("کریمی")); break;
        default: window.DataCombo6->setEditText(round % 2 ? QStringLiteral("علی") : QStringLiteral("مریم")); break;
        }
        QApplication::processEvents();
        ++round;
        // Every filter value is held by some examinees and not by all.
        const int rows = window.DataGrid1Rows->rowCount();
        if (rows == 0 || rows >= n || !modal.messages.isEmpty()) {
            fail(state, "the filter left " + std::to_string(rows) + " of " + std::to_string(n) + " examinees");
            break;
        }
    }
    const char* labels[] = {"group", "last name", "first name"};
    state.SetLabel(labels[state.range(1)]);
    pentarix::FormSlotBase::discardAll();
}

// The registration panel's save with a new code each time: the code is
// checked in both tables, both rows are stored and the panel's views refresh.
// Each run works on a copy of its own; a save that shows a box (a refused
// code, a missing entry) or stores no row fails the benchmark.
void RegistrationSave(benchmark::State& state) {
    BenchFolder folder(static_cast<int>(state.range(0)));
    pentarix::bench::QuietModal modal;
    const pentarix::bench::RawDatabase check(folder.databasePath());
    pentarix::Frm1& window = pentarix::form<pentarix::Frm1>();
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.Command1->click();
        const QString code = pentarix::bench::uniqueCode();
        window.Text11->setText(code);
        window.Text6->setText(QStringLiteral("نرگس"));
        window.Text4->setText(QStringLiteral("صادقی"));
        window.Text5->setText(QStringLiteral("31"));
        window.Text7->setText(QStringLiteral("دکتری"));
        window.Combo1->setCurrentIndex(0);
        window.Combo2->setCurrentIndex(1);
        window.Combo3->setCurrentIndex(2);
        const auto start = std::chrono::steady_clock::now();
        window.Command8->click();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!modal.messages.isEmpty() || window.Frame10->isVisible()) {
            fail(state, "the save showed a box: " + modal.messages.join(QStringLiteral(" | ")).toStdString());
            break;
        }
        if (!check.exists("IDE", code.toStdString()) || !check.exists("Answer", code.toStdString())) {
            fail(state, "the rows of " + code.toStdString() + " were not stored");
            break;
        }
    }
    pentarix::FormSlotBase::discardAll();
}

BENCHMARK(LookupWindowOpen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LookupFilter)
    ->ArgsProduct({{10000, 100000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(RegistrationSave)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

} // namespace

int main(int argc, char** argv) { return pentarix::bench::runWithApplication(argc, argv); }

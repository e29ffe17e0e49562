// The lookup window and registration with many examinees: opening the lookup
// window, each of its selector filters, and a registration save with the
// refreshes it makes.
#include "examinees/frm_code.h"
#include "platform/fonts.h"
#include "platform/view_models.h"
#include "shell/application.h"
#include "shell/frm1.h"
#include "support/bench_folder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <map>
#include <memory>

using pentarix::FrmCode;
using pentarix::bench::BenchFolder;

namespace {


void LookupWindowOpen(benchmark::State& state) {
    BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FrmCode& window = pentarix::form<FrmCode>();
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        pentarix::FormSlotBase::discardAll();
        state.ResumeTiming();
    }
}

void LookupFilter(benchmark::State& state) {
    BenchFolder::withExaminees(static_cast<int>(state.range(0)));
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
    }
    const char* labels[] = {"group", "last name", "first name"};
    state.SetLabel(labels[state.range(1)]);
    pentarix::FormSlotBase::discardAll();
}

void RegistrationSave(benchmark::State& state) {
    BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    pentarix::Frm1& window = pentarix::form<pentarix::Frm1>();
    window.show();
    int code = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.Command1->click();
        window.Text11->setText(QStringLiteral("bench-%1-%2").arg(state.range(0)).arg(code++));
        window.Text6->setText(QStringLiteral("نرگس"));
        window.Text4->setText(QStringLiteral("صادقی"));
        window.Text5->setText(QStringLiteral("31"));
        window.Text7->setText(QStringLiteral("دکتری"));
        window.Combo1->setCurrentIndex(0);
        window.Combo2->setCurrentIndex(1);
        window.Combo3->setCurrentIndex(2);
        state.ResumeTiming();
        window.Command8->click();
    }
    pentarix::FormSlotBase::discardAll();
}

BENCHMARK(LookupWindowOpen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LookupFilter)
    ->ArgsProduct({{10000, 100000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(RegistrationSave)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace

int main(int argc, char** argv) { return pentarix::bench::runWithApplication(argc, argv); }

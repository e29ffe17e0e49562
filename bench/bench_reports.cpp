// The reports with many examinees: the list of every examinee from the press
// of its button to its first page on screen, and written whole into a PDF;
// and scoring one examinee from the press of the button to the stored scores.
#include "data/sqlite.h"
#include "platform/fonts.h"
#include "platform/modal.h"
#include "platform/report/preview_window.h"
#include "scoring/data_r_print.h"
#include "scoring/frmk_lid.h"
#include "shell/application.h"
#include "support/bench_folder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <string>

using pentarix::FrmkLID;
using pentarix::bench::BenchFolder;

namespace {

// Answers every input box with one code and every message box with OK,
// without showing anything.
class QuietModal final : public pentarix::platform::ModalHost {
public:
    QString code;
    int messages = 0;
    int messageBox(QWidget*, const QString&, const QString&, int) override {
        ++messages;
        return pentarix::platform::answer::kOk;
    }
    QString inputBox(QWidget*, const QString&, const QString&, const QString&) override { return code; }
    QString openFileName(QWidget*, const pentarix::platform::FileDialogRequest&) override { return {}; }
    QString saveFileName(QWidget*, const pentarix::platform::FileDialogRequest&) override { return {}; }
    bool printDialog(QWidget*, QPrinter&, int, int) override { return false; }
    void beep() override {}
    void endApplication(int) override {}
};

void closeList() {
    if (auto* preview = pentarix::dataRPrint().report().preview()) preview->close();
    QApplication::processEvents();
}

// Another program's write to a table: the next refresh of a view reads the
// whole table again, as after a scoring or a test run.
void touch(const BenchFolder& folder, const char* table, int round) {
    auto connection = pentarix::sql::Connection::open(folder.databasePath().toStdString());
    if (std::string(table) == "IDE") {
        connection.exec("UPDATE IDE SET Sen = '" + std::to_string(20 + round % 50) + "' WHERE rowid = 1");
    } else {
        connection.exec("UPDATE Answer SET \"1\" = '" + std::to_string(1 + round % 5) + "' WHERE rowid = 1");
    }
}

// "Print every examinee" up to the first page drawn in the preview; with
// range(1) the table was written since the window read it.
void ListFirstPreviewPage(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    FrmkLID& window = pentarix::form<FrmkLID>();
    window.show();
    int round = 0;
    for (auto _ : state) {
        if (state.range(1)) {
            state.PauseTiming();
            touch(folder, "IDE", round++);
            state.ResumeTiming();
        }
        window.Command3->click();
        auto* preview = pentarix::dataRPrint().report().preview();
        benchmark::DoNotOptimize(preview->currentPageImage().constBits());
        state.PauseTiming();
        state.counters["pages"] = preview->pageCount();
        closeList();
        state.ResumeTiming();
    }
    state.SetLabel(state.range(1) ? "table written since" : "table as read");
    pentarix::FormSlotBase::discardAll();
}

// The whole list into a PDF file, from the scoring window's view of every
// examinee.
void ListWholePdf(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    FrmkLID& window = pentarix::form<FrmkLID>();
    window.show();
    pentarix::DataRPrint& list = pentarix::dataRPrint();
    list.setRowSource(*window.Adodc6);
    list.setLabelText(QStringLiteral("Section4"), QStringLiteral("Label9"), window.Text13->text());
    list.setLabelText(QStringLiteral("Section5"), QStringLiteral("Label14"), window.Text16->text());
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("list.pdf"));
    for (auto _ : state) {
        if (!list.report().writePdf(pdf)) {
            state.SkipWithError("the PDF was not written");
            break;
        }
    }
    state.counters["MB"] = static_cast<double>(QFile(pdf).size()) / 1e6;
    pentarix::FormSlotBase::discardAll();
}

// "Select examinee" with a complete answer sheet: the answers refreshed,
// three views narrowed, the sums shown and stored; with range(1) the answer
// sheets were written since the window read them.
void ScoreOneExaminee(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    const QString code = QStringLiteral("P%1").arg(100000 + state.range(0) / 2);
    {
        // One complete sheet in the middle of the table.
        pentarix::RecordView answers(folder.databasePath(), QStringLiteral("Answer"));
        answers.Filter(QStringLiteral("code='") + code + QLatin1Char('\''));
        for (int item = 1; item <= 50; ++item) answers.setField(QString::number(item), QString::number(1 + item % 5));
        answers.Update();
    }
    QuietModal modal;
    modal.code = code;
    pentarix::platform::setModalHost(&modal);
    FrmkLID& window = pentarix::form<FrmkLID>();
    window.show();
    int round = 0;
    for (auto _ : state) {
        if (state.range(1)) {
            state.PauseTiming();
            touch(folder, "Answer", round++);
            state.ResumeTiming();
        }
        window.Command1->click();
    }
    state.SetLabel(state.range(1) ? "sheets written since" : "sheets as read");
    if (window.Text5->text() != code || window.Text2->text().isEmpty()) state.SkipWithError("the sheet was not scored");
    pentarix::platform::setModalHost(nullptr);
    pentarix::FormSlotBase::discardAll();
}

// Opening the scoring window: its six views read their tables.
void ScoringWindowOpen(benchmark::State& state) {
    BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FrmkLID& window = pentarix::form<FrmkLID>();
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        pentarix::FormSlotBase::discardAll();
        state.ResumeTiming();
    }
}

BENCHMARK(ListFirstPreviewPage)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ListWholePdf)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ScoringWindowOpen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ScoreOneExaminee)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return pentarix::bench::runWithApplication(argc, argv); }

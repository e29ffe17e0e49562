// The reports with many examinees: the list of every examinee from the press
// of its button to its first page on screen, and written whole into a PDF;
// and scoring one examinee from the press of the button to the stored scores.
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
    void beep() override {}
    void endApplication(int) override {}
};

void closeList() {
    if (auto* preview = pentarix::dataRPrint().report().preview()) preview->close();
    QApplication::processEvents();
}

// "Print every examinee" up to the first page drawn in the preview.
void ListFirstPreviewPage(benchmark::State& state) {
    BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    FrmkLID& window = pentarix::form<FrmkLID>();
    window.show();
    for (auto _ : state) {
        window.Command3->click();
        auto* preview = pentarix::dataRPrint().report().preview();
        benchmark::DoNotOptimize(preview->currentPageImage().constBits());
        state.PauseTiming();
        state.counters["pages"] = preview->pageCount();
        closeList();
        state.ResumeTiming();
    }
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
// three views narrowed, the sums shown and stored.
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
    for (auto _ : state) {
        window.Command1->click();
    }
    if (window.Text5->text() != code || window.Text2->text().isEmpty()) state.SkipWithError("the sheet was not scored");
    pentarix::platform::setModalHost(nullptr);
    pentarix::FormSlotBase::discardAll();
}

BENCHMARK(ListFirstPreviewPage)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ListWholePdf)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ScoreOneExaminee)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pentarix::prepareApplication(app);
    pentarix::fonts::finishWarmup();
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    pentarix::FormSlotBase::discardAll();
    return 0;
}

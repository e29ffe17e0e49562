// The reports with many examinees: the list of every examinee from the press
// of its button to its first page on screen, and written whole into a PDF;
// the longest wait for window events while the PDF is written; and scoring
// one examinee from the press of the button to the stored scores.
#include "platform/long_work.h"
#include "platform/report/preview_window.h"
#include "scoring/data_r_print.h"
#include "scoring/frmk_lid.h"
#include "scoring/frmk_lid_texts.h"
#include "support/bench_folder.h"
#include "support/clinic_data.h"
#include "support/event_gaps.h"
#include "support/quiet_modal.h"
#include "support/raw_sqlite.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPrinter>
#include <QPushButton>

#include <string>

using pentarix::FrmkLID;
using pentarix::bench::BenchFolder;
using pentarix::bench::fail;

namespace {

void closeList() {
    if (auto* preview = pentarix::dataRPrint().report().preview()) preview->close();
    QApplication::processEvents();
}

// Another program's write to a table: the next refresh of a view reads the
// whole table again, as after a scoring or a test run.
void touch(const BenchFolder& folder, const char* table, int round) {
    const pentarix::bench::RawDatabase other(folder.databasePath());
    if (std::string(table) == "IDE") {
        other.write("UPDATE IDE SET Sen = ? WHERE rowid = 1", {std::to_string(20 + round % 50)});
    } else {
        other.write("UPDATE Answer SET \"1\" = ? WHERE rowid = 1", {std::to_string(1 + round % 5)});
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
        if (!preview || preview->pageCount() == 0) {
            fail(state, "the list was not shown");
            break;
        }
        benchmark::DoNotOptimize(preview->currentPageImage().constBits());
        state.PauseTiming();
        state.counters["pages"] = preview->pageCount();
        closeList();
        state.ResumeTiming();
    }
    state.SetLabel(state.range(1) ? "table written since" : "table as read");
    pentarix::FormSlotBase::discardAll();
}

int pdfPageCount(const QString& path) {
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None) return -1;
    return pdf.pageCount();
}

void recordGaps(benchmark::State& state, const pentarix::bench::EventGaps& gaps) {
    state.counters["longest_event_gap_ms"] = gaps.longestMs();
    state.counters["p99_event_gap_ms"] = gaps.percentile99Ms();
}

// The list of every examinee of the scoring window, its labels set as the
// window sets them.
pentarix::DataRPrint& wholeList(FrmkLID& window) {
    pentarix::DataRPrint& list = pentarix::dataRPrint();
    list.setRowSource(*window.Adodc6);
    list.setLabelText(QStringLiteral("Section4"), QStringLiteral("Label9"), window.Text13->text());
    list.setLabelText(QStringLiteral("Section5"), QStringLiteral("Label14"), window.Text16->text());
    return list;
}

// The file must be there with every page of the list.
bool whole(benchmark::State& state, const QString& path, int pages) {
    if (!QFile::exists(path)) {
        fail(state, "no file was written");
        return false;
    }
    if (const int found = pdfPageCount(path); found != pages) {
        fail(state, "the file holds " + std::to_string(found) + " pages of " + std::to_string(pages));
        return false;
    }
    return true;
}

// The whole list into a PDF file, from the scoring window's view of every
// examinee, with the progress window over it; and the longest the window
// waited for its events meanwhile.
void ListWholePdf(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    FrmkLID& window = pentarix::form<FrmkLID>();
    window.show();
    pentarix::DataRPrint& list = wholeList(window);
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("list.pdf"));
    pentarix::bench::EventGaps gaps;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(pdf);
        state.ResumeTiming();
        gaps.start();
        const bool written = list.report().writePdf(pdf, &window);
        gaps.stop();
        if (!written) {
            fail(state, "the PDF was not written");
            break;
        }
    }
    if (whole(state, pdf, list.report().printout()->pageCount())) {
        state.counters["MB"] = static_cast<double>(QFile(pdf).size()) / 1e6;
        state.counters["pages"] = pdfPageCount(pdf);
    }
    recordGaps(state, gaps);
    pentarix::FormSlotBase::discardAll();
}

// The yardstick of the two above: the same printout written in one go,
// without the progress window and without window events between the pages.
void ListWholePdfInOneGo(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    FrmkLID& window = pentarix::form<FrmkLID>();
    window.show();
    const auto printout = wholeList(window).report().printout();
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("list.pdf"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(pdf);
        state.ResumeTiming();
        if (!printout->writePdf(pdf)) {
            fail(state, "the PDF was not written");
            break;
        }
    }
    whole(state, pdf, printout->pageCount());
    pentarix::FormSlotBase::discardAll();
}

// The whole list shown in the preview and saved from it as a PDF, as the
// operator does: the longest wait for window events from the press of the
// button to the file in place.
void ListPreviewPdf(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    pentarix::bench::QuietModal modal;
    FrmkLID& window = pentarix::form<FrmkLID>();
    window.show();
    window.Command3->click();
    auto* preview = pentarix::dataRPrint().report().preview();
    if (!preview || preview->pageCount() == 0) {
        fail(state, "the list was not shown");
        return;
    }
    modal.saveAs = QDir(folder.path()).filePath(QStringLiteral("saved.pdf"));
    pentarix::bench::EventGaps gaps;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(modal.saveAs);
        state.ResumeTiming();
        gaps.start();
        const bool saved = preview->saveAsPdf();
        gaps.stop();
        if (!saved) {
            fail(state, "the PDF was not saved: " + modal.take().join(QStringLiteral(" | ")).toStdString());
            break;
        }
    }
    if (whole(state, modal.saveAs, preview->pageCount())) state.counters["pages"] = preview->pageCount();
    recordGaps(state, gaps);
    closeList();
    pentarix::FormSlotBase::discardAll();
}

// The whole list sent to a printer that prints into a PDF file, as the
// preview's print does once the printer is chosen.
void ListPrintToFile(benchmark::State& state) {
    const BenchFolder& folder = BenchFolder::withExaminees(static_cast<int>(state.range(0)));
    FrmkLID& window = pentarix::form<FrmkLID>();
    window.show();
    const auto printout = wholeList(window).report().printout();
    const QString pdf = QDir(folder.path()).filePath(QStringLiteral("printed.pdf"));
    pentarix::bench::EventGaps gaps;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(pdf);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        state.ResumeTiming();
        gaps.start();
        pentarix::platform::LongWork work(&window, QStringLiteral("چاپ"), printout->pageCount());
        const auto end = printout->print(printer, work.unitDone());
        gaps.stop();
        if (end != pentarix::platform::WorkEnd::Done) {
            fail(state, "the list was not printed");
            break;
        }
    }
    if (whole(state, pdf, printout->pageCount())) state.counters["pages"] = printout->pageCount();
    recordGaps(state, gaps);
    pentarix::FormSlotBase::discardAll();
}

// "Select examinee" on a complete answer sheet of an examinee awaiting
// scoring, another each time: the answers refreshed, three views narrowed,
// the sums shown and stored; with range(1) the answer sheets were written
// since the window read them. Each press must store the scores and say so.
void ScoreOneExaminee(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BenchFolder folder(n);
    pentarix::bench::QuietModal modal;
    FrmkLID& window = pentarix::form<FrmkLID>();
    window.show();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const int examinee = pentarix::bench::awaitingScoring(n, round);
        if (examinee < 0) {
            fail(state, "every examinee awaiting scoring was scored; run fewer iterations");
            break;
        }
        modal.input = QString::fromStdString(pentarix::bench::clinicCode(examinee));
        if (state.range(1)) touch(folder, "Answer", round);
        ++round;
        const auto before = pentarix::bench::fileChangeCounter(folder.databasePath());
        state.ResumeTiming();
        window.Command1->click();
        state.PauseTiming();
        const bool stored = pentarix::bench::fileChangeCounter(folder.databasePath()) != before;
        const QStringList boxes = modal.take();
        state.ResumeTiming();
        if (!stored || boxes != QStringList{pentarix::frmk_lid_texts::kScored} || window.Text5->text() != modal.input ||
            window.Text2->text().isEmpty()) {
            fail(state, "the sheet was not scored: " + boxes.join(QStringLiteral(" | ")).toStdString());
            break;
        }
    }
    state.SetLabel(state.range(1) ? "sheets written since" : "sheets as read");
    pentarix::FormSlotBase::discardAll();
}

// Opening the scoring window: its six views read their tables.
void ScoringWindowOpen(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    BenchFolder::withExaminees(n);
    for (auto _ : state) {
        FrmkLID& window = pentarix::form<FrmkLID>();
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        const bool shown = window.isVisible() && window.Adodc6->RecordCount() == n;
        pentarix::FormSlotBase::discardAll();
        state.ResumeTiming();
        if (!shown) {
            fail(state, "the scoring window did not open with every examinee");
            break;
        }
    }
}

BENCHMARK(ListFirstPreviewPage)
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->Args({100000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(ListWholePdf)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ListWholePdfInOneGo)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ListPreviewPdf)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ListPrintToFile)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ScoringWindowOpen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ScoreOneExaminee)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return pentarix::bench::runWithApplication(argc, argv); }

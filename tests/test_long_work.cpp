// Long reports written page by page: a progress window with a cancel button
// over the preview, window events between the pages, and no file left behind
// by a cancelled or failed run.
#include "data/record_view.h"
#include "platform/fonts.h"
#include "platform/long_work.h"
#include "platform/report/preview_window.h"
#include "platform/report/printout.h"
#include "platform/report/report.h"
#include "support/app_folder.h"
#include "support/scripted_modal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using pentarix::RecordView;
using pentarix::platform::PartialFile;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;
namespace report = pentarix::report;

namespace {

constexpr int kRows = 3000; // four rows to a page: hundreds of pages

// Examinees L00001 .. Ln, made by the database itself in one statement.
void registerLongList(const AppFolder& folder, int n) {
    folder.exec(QStringLiteral(
                    "WITH RECURSIVE k(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM k WHERE i < %1) "
                    "INSERT INTO IDE (Code, FName, LName, Jens, Sen, Taahol, Tahsil, \"Group\") "
                    "SELECT printf('L%05d', i), 'علی', 'رضایی', 'مرد', '30', 'مجرد', 'ليسانس', 'A' FROM k")
                    .arg(n));
}

// Four rows of 1000 twips to a page, a header on each.
report::ReportDocument listDocument() {
    report::ReportDocument doc;
    doc.title = QStringLiteral("فهرست بلند");
    doc.page.paperWidth = 8000;
    doc.page.paperHeight = 6000;
    doc.page.leftMargin = doc.page.rightMargin = doc.page.topMargin = doc.page.bottomMargin = 500;
    doc.page.bodyWidth = 7000;
    report::TextStyle style;
    style.font = pentarix::fonts::nazanin(10);
    doc.pageHeader().setHeight(500);
    doc.pageHeader().addLabel(QStringLiteral("Label2"), QRect(0, 0, 7000, 450), QStringLiteral("فهرست"), style);
    doc.detail().setHeight(1000);
    doc.detail().addTextBox(QStringLiteral("txtCode"), QRect(1000, 0, 3000, 900), QStringLiteral("Code"), style);
    doc.detail().addTextBox(QStringLiteral("txtName"), QRect(4000, 0, 3000, 900), QStringLiteral("LName"), style);
    return doc;
}

int pdfPageCount(const QString& path) {
    QPdfDocument pdf;
    if (pdf.load(path) != QPdfDocument::Error::None) return -1;
    return pdf.pageCount();
}

QWidget* progressWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("LongWorkWindow") && top->isVisible()) return top;
    }
    return nullptr;
}

// Watches the work from zero-timers: each runs only when window events run
// while the work goes on. Once the bar stands between its ends the work is
// seen midway; then the watcher does what the case asks.
class Watcher {
public:
    explicit Watcher(std::function<void(QWidget& window)> midway) : midway_(std::move(midway)) {}
    void start() { QTimer::singleShot(0, qApp, [this] { look(); }); }
    bool seenMidway = false;

private:
    void look() {
        QWidget* window = progressWindow();
        auto* bar = window ? window->findChild<QProgressBar*>(QStringLiteral("progressBar")) : nullptr;
        if (bar && bar->value() > 0 && bar->value() < bar->maximum()) {
            seenMidway = true;
            midway_(*window);
            return;
        }
        start();
    }
    std::function<void(QWidget&)> midway_;
};

struct LongPdfCase {
    const char* name;
    bool cancel;
    bool earlierFile; // a file of the target's name was there before
};

class LongPdf : public ::testing::TestWithParam<LongPdfCase> {
protected:
    AppFolder folder;
    ScriptedModal modal;
};

TEST_P(LongPdf, ShowsProgressAndLeavesAWholeFileOrNone) {
    const LongPdfCase& c = GetParam();
    registerLongList(folder, kRows);
    RecordView ide(folder.databasePath(), QStringLiteral("IDE"));
    report::Report rep(listDocument());
    rep.setRowSource(ide);
    rep.Show();
    report::PreviewWindow* preview = rep.preview();
    ASSERT_NE(preview, nullptr);
    const int pages = preview->pageCount();
    ASSERT_GT(pages, 500);
    const QString target = folder.filePath(QStringLiteral("list.pdf"));
    const QString partial = PartialFile::partialPathOf(target);
    if (c.earlierFile) {
        QFile earlier(target);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    bool partWritten = false;
    bool targetUntouched = false;
    Watcher watcher([&](QWidget& window) {
        partWritten = QFile::exists(partial);
        targetUntouched = c.earlierFile ? QFile(target).size() == 7 : !QFile::exists(target);
        if (c.cancel) window.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    watcher.start();
    modal.fileAnswers.push_back(target);
    preview->pdfButton->click();

    EXPECT_TRUE(watcher.seenMidway) << "no window events ran between the pages";
    EXPECT_TRUE(partWritten) << "the pages go into the partial file";
    EXPECT_TRUE(targetUntouched) << "the target waits for the whole file";
    EXPECT_EQ(progressWindow(), nullptr);
    EXPECT_FALSE(QFile::exists(partial));
    EXPECT_TRUE(modal.messages().isEmpty()) << modal.messages().join(QLatin1Char('|')).toStdString();
    if (c.cancel) {
        EXPECT_EQ(c.earlierFile ? QFile(target).size() : -1, c.earlierFile ? 7 : -1);
        EXPECT_EQ(QFile::exists(target), c.earlierFile);
    } else {
        EXPECT_EQ(pdfPageCount(target), pages);
    }
    // The preview goes on working.
    ASSERT_TRUE(preview->isVisible());
    preview->nextButton->click();
    EXPECT_EQ(preview->currentPage(), 1);
    EXPECT_FALSE(preview->currentPageImage().isNull());
    preview->close();
    QApplication::processEvents();
}

INSTANTIATE_TEST_SUITE_P(Report, LongPdf,
                         ::testing::Values(LongPdfCase{"written_whole", false, false},
                                           LongPdfCase{"replaces_an_earlier_file", false, true},
                                           LongPdfCase{"cancelled_leaves_no_file", true, false},
                                           LongPdfCase{"cancelled_keeps_the_earlier_file", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A printer that prints into a file, and the PDF written without a preview:
// cancelled midway, neither leaves a file; finished, each holds every page.
struct LongOutputCase {
    const char* name;
    bool printer;
    bool cancel;
};

class LongOutput : public ::testing::TestWithParam<LongOutputCase> {
protected:
    AppFolder folder;
    ScriptedModal modal;
};

TEST_P(LongOutput, CancelLeavesNoFile) {
    const LongOutputCase& c = GetParam();
    registerLongList(folder, kRows);
    RecordView ide(folder.databasePath(), QStringLiteral("IDE"));
    report::Report rep(listDocument());
    rep.setRowSource(ide);
    const int pages = rep.printout()->pageCount();
    const QString target = folder.filePath(QStringLiteral("out.pdf"));
    Watcher watcher([&](QWidget& window) {
        if (c.cancel) window.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    watcher.start();
    bool done = false;
    if (c.printer) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        pentarix::platform::LongWork work(nullptr, QStringLiteral("چاپ"), pages);
        done = rep.printout()->print(printer, work.unitDone()) == pentarix::platform::WorkEnd::Done;
        EXPECT_EQ(printer.outputFileName(), target);
    } else {
        done = rep.writePdf(target);
    }
    EXPECT_TRUE(watcher.seenMidway);
    EXPECT_EQ(done, !c.cancel);
    EXPECT_EQ(pdfPageCount(target), c.cancel ? -1 : pages);
    EXPECT_FALSE(QFile::exists(PartialFile::partialPathOf(target)));
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("*.pdf*")}, QDir::Files | QDir::Hidden).size(),
              c.cancel ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Report, LongOutput,
                         ::testing::Values(LongOutputCase{"printer_into_a_file_finished", true, false},
                                           LongOutputCase{"printer_into_a_file_cancelled", true, true},
                                           LongOutputCase{"pdf_without_preview_finished", false, false},
                                           LongOutputCase{"pdf_without_preview_cancelled", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

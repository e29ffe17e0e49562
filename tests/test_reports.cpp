#include "data/record_view.h"
#include "platform/fonts.h"
#include "platform/report/preview_window.h"
#include "platform/report/printout.h"
#include "platform/report/report.h"
#include "report_text.h"
#include "scoring/data_r1.h"
#include "scoring/data_r_print.h"
#include "scoring/frmk_lid.h"
#include "scoring/frmk_lid_texts.h"
#include "shell/frm1.h"
#include "support/app_folder.h"
#include "support/scripted_modal.h"
#include "support/shots.h"
#include "support/typing.h"
#include "testing/frm_test.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

using pentarix::RecordView;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;
namespace report = pentarix::report;

namespace {

// Keeps a copy of a PDF and a picture of its pages when the environment
// names a folder for them, for looking at the reports while they are built.
void keepForLooking(const QString& pdf, const QString& name) {
    const QString folder = qEnvironmentVariable("PENTARIX_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    const QString target = QDir(folder).filePath(name + QStringLiteral(".pdf"));
    QFile::remove(target);
    QFile::copy(pdf, target);
}

// Registers examinees coded by the pattern with 1 .. n (padded to a width),
// in one transaction: the store syncs the file once, not once per row.
void registerMany(const AppFolder& folder, const QString& pattern, int n, int width = 0) {
    QString sql = QStringLiteral("BEGIN;");
    for (int i = 1; i <= n; ++i) {
        const QString code = pattern.arg(i, width, 10, QLatin1Char('0'));
        sql += QStringLiteral("INSERT INTO IDE (Code, FName, LName, Jens, Sen, Taahol, Tahsil, \"Group\") VALUES "
                              "('%1', 'علی', 'رضایی', 'مرد', '30', 'مجرد', 'ليسانس', 'A');"
                              "INSERT INTO Answer (Code) VALUES ('%1');")
                   .arg(code);
    }
    folder.exec(sql + QStringLiteral("COMMIT;"));
}

// A small document: a report header, a page header and a detail of one text
// box per field, a report footer; rows 1000 twips high on a page that holds
// a few of them.
report::ReportDocument smallDocument() {
    report::ReportDocument doc;
    doc.title = QStringLiteral("آزمایشی");
    doc.page.paperWidth = 8000;
    doc.page.paperHeight = 6000;
    doc.page.leftMargin = doc.page.rightMargin = 500;
    doc.page.topMargin = doc.page.bottomMargin = 500;
    doc.page.bodyWidth = 7000;
    report::TextStyle style;
    style.font = pentarix::fonts::nazanin(10);
    doc.reportHeader().setHeight(1000);
    doc.reportHeader().addLabel(QStringLiteral("Label1"), QRect(0, 0, 7000, 900), QStringLiteral("REPORTHEAD"), style);
    doc.pageHeader().setHeight(500);
    doc.pageHeader().addLabel(QStringLiteral("Label2"), QRect(0, 0, 7000, 450), QStringLiteral("PAGEHEAD"), style);
    doc.detail().setHeight(1000);
    doc.detail().addTextBox(QStringLiteral("Number"), QRect(0, 0, 1000, 900), QStringLiteral("Code"), style);
    doc.detail().addTextBox(QStringLiteral("txtCode"), QRect(1000, 0, 3000, 900), QStringLiteral("code"), style);
    doc.detail().control(QStringLiteral("Number"))->format = [](const QString&, int row) {
        return QStringLiteral("N%1").arg(row);
    };
    doc.reportFooter().setHeight(600);
    doc.reportFooter().addLabel(QStringLiteral("Label3"), QRect(0, 0, 7000, 550), QStringLiteral("REPORTFOOT"), style);
    return doc;
}

class ReportFacility : public ::testing::Test {
protected:
    RecordView& ide() {
        if (!view) view = std::make_unique<RecordView>(folder.databasePath(), QStringLiteral("IDE"));
        return *view;
    }
    void addExaminees(int n) { registerMany(folder, QStringLiteral("C%1"), n, 3); }

    AppFolder folder;
    ScriptedModal modal;
    std::unique_ptr<RecordView> view;
};

// A long text in a short box, as the list's footer holds the clinic's
// address: set smaller in wrapped lines, it stays inside its box; a text that
// may not shrink runs below it, which is what the check must see.
struct LongTextCase {
    const char* name;
    bool shrinkToFit;
    bool staysInside;
};

class LongText : public ::testing::TestWithParam<LongTextCase> {};

TEST_P(LongText, ShrinksWrappedLinesIntoTheBox) {
    const QRect box(2000, 0, 5040, 378); // twips in the report header
    report::ReportDocument doc;
    doc.page.paperWidth = 9000;
    doc.page.paperHeight = 3000;
    doc.page.leftMargin = 500;
    doc.page.topMargin = 500;
    doc.page.bodyWidth = 8000;
    doc.reportHeader().setHeight(1500);
    report::TextStyle style;
    style.font = pentarix::fonts::mitra(9.75);
    style.align = report::Align::Right;
    style.shrinkToFit = GetParam().shrinkToFit;
    doc.reportHeader().addLabel(QStringLiteral("Label14"), box,
                                QStringLiteral("تهران، خیابان ولیعصر، بالاتر از میدان ونک، کوچه بهار، پلاک 12، "
                                               "طبقه دوم، واحد 4، روبروی پارک ملت - تلفن 88001234"),
                                style);
    const report::Printout printout(std::move(doc), report::Rows());
    // 144 dots to the inch: ten twips to a dot.
    const QImage page = printout.pageImage(0, 144);
    const QRect inside = QRect(500 + box.x(), 500 + box.y(), box.width(), box.height());
    int inked = 0;
    int outside = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) > 128) continue;
            ++inked;
            if (!inside.adjusted(-10, -10, 10, 10).contains(x * 10, y * 10)) ++outside;
        }
    }
    EXPECT_GT(inked, 0);
    EXPECT_EQ(outside == 0, GetParam().staysInside) << outside << " dots of ink outside the box";
}

INSTANTIATE_TEST_SUITE_P(Report, LongText,
                         ::testing::Values(LongTextCase{"shrinks_into_its_box", true, true},
                                           LongTextCase{"without_shrinking_runs_below", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Page layout: the report header once, the page header on every page, as many
// rows as fit (3 on the first page, 4 on the others), the report footer after
// the last row, on a page of its own when it does not fit.
struct PagingCase {
    const char* name;
    int rows;
    std::vector<const char*> pages; // the words each page must hold, in order
};

class Paging : public ReportFacility, public ::testing::WithParamInterface<PagingCase> {};

TEST_P(Paging, PlacesTheSectionsOnThePages) {
    const PagingCase& c = GetParam();
    addExaminees(c.rows);
    report::Report rep(smallDocument());
    rep.setRowSource(ide());
    const QString pdf = folder.filePath(QStringLiteral("paging.pdf"));
    ASSERT_TRUE(rep.writePdf(pdf));
    const QStringList pages = pentarix::test::pdfPages(pdf);
    ASSERT_EQ(pages.size(), static_cast<int>(c.pages.size())) << pages.join(QStringLiteral("\n----\n")).toStdString();
    for (std::size_t p = 0; p < c.pages.size(); ++p) {
        QString words = pages[static_cast<int>(p)].simplified();
        EXPECT_EQ(words, QLatin1String(c.pages[p])) << c.name << " page " << p + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Report, Paging,
    ::testing::Values(
        PagingCase{"no rows", 0, {"REPORTHEAD PAGEHEAD REPORTFOOT"}},
        PagingCase{"one page", 2, {"REPORTHEAD PAGEHEAD N1 C001 N2 C002 REPORTFOOT"}},
        PagingCase{"footer on a page of its own",
                   3,
                   {"REPORTHEAD PAGEHEAD N1 C001 N2 C002 N3 C003", "PAGEHEAD REPORTFOOT"}},
        PagingCase{"three pages",
                   9,
                   {"REPORTHEAD PAGEHEAD N1 C001 N2 C002 N3 C003", "PAGEHEAD N4 C004 N5 C005 N6 C006 N7 C007", "PAGEHEAD N8 C008 N9 C009 REPORTFOOT"}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name) {
            if (ch == ' ') ch = '_';
        }
        return name;
    });

TEST_F(ReportFacility, RowsAreTheViewsVisibleRowsInItsOrderAsTheyWereAtShow) {
    addExaminees(6);
    folder.exec(QStringLiteral("UPDATE IDE SET \"Group\" = 'B' WHERE Code IN ('C002', 'C005', 'C006')"));
    ide().Filter(QStringLiteral("Group='B'"));
    report::Report rep(smallDocument());
    rep.setRowSource(ide());
    const auto frozen = rep.printout();
    ide().Filter(QString()); // later changes to the view do not reach what was laid out
    ASSERT_EQ(frozen->rows().count(), 3);
    const int code = frozen->rows().fieldIndex(QStringLiteral("CODE"));
    EXPECT_EQ(frozen->rows().value(0, code), QStringLiteral("C002"));
    EXPECT_EQ(frozen->rows().value(1, code), QStringLiteral("C005"));
    EXPECT_EQ(frozen->rows().value(2, code), QStringLiteral("C006"));
    EXPECT_EQ(rep.printout()->rows().count(), 6);
}

TEST_F(ReportFacility, RowNumbersDoNotDependOnTheOrderPagesAreDrawnIn) {
    addExaminees(9);
    report::Report rep(smallDocument());
    rep.setRowSource(ide());
    const auto printout = rep.printout();
    ASSERT_EQ(printout->pageCount(), 3);
    // The preview draws the page looked at, in any order, as often as asked.
    const QImage last = printout->pageImage(2, 96);
    const QImage first = printout->pageImage(0, 96);
    EXPECT_EQ(printout->pageImage(2, 96), last);
    EXPECT_EQ(printout->pageImage(0, 96), first);
    const QString pdf = folder.filePath(QStringLiteral("twice.pdf"));
    ASSERT_TRUE(printout->writePdf(pdf));
    ASSERT_TRUE(printout->writePdf(pdf));
    EXPECT_TRUE(pentarix::test::pdfPages(pdf).at(1).simplified().startsWith(QStringLiteral("PAGEHEAD N4 C004")));
}

TEST_F(ReportFacility, PrinterGetsTheSamePagesAsThePdf) {
    addExaminees(9);
    report::Report rep(smallDocument());
    rep.setRowSource(ide());
    const auto printout = rep.printout();
    auto words = [](const QString& pdf) {
        QStringList pages = pentarix::test::pdfPages(pdf);
        for (QString& page : pages) page = page.simplified();
        return pages;
    };
    const QString direct = folder.filePath(QStringLiteral("direct.pdf"));
    ASSERT_TRUE(printout->writePdf(direct));
    // A printer of its own resolution, here one that prints into a file.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString printed = folder.filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(printed);
    ASSERT_TRUE(printout->print(printer));
    ASSERT_EQ(words(direct).size(), 3);
    EXPECT_EQ(words(printed), words(direct));
    // Only the pages asked for.
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    ASSERT_TRUE(printout->print(printer));
    EXPECT_EQ(words(printed), words(direct).mid(1));
}

TEST_F(ReportFacility, LabelsAreReachedBySectionAndName) {
    report::Report rep(smallDocument());
    EXPECT_TRUE(rep.setLabelText(QStringLiteral("Section4"), QStringLiteral("Label1"), QStringLiteral("x")));
    EXPECT_TRUE(rep.setLabelText(QStringLiteral("section5"), QStringLiteral("label3"), QStringLiteral("y")));
    EXPECT_EQ(rep.labelText(QStringLiteral("Section4"), QStringLiteral("Label1")), QStringLiteral("x"));
    EXPECT_EQ(rep.labelText(QStringLiteral("Section5"), QStringLiteral("Label3")), QStringLiteral("y"));
    // A label of another section, a text box, or a section that is not there.
    EXPECT_FALSE(rep.setLabelText(QStringLiteral("Section2"), QStringLiteral("Label1"), QStringLiteral("z")));
    EXPECT_FALSE(rep.setLabelText(QStringLiteral("Section1"), QStringLiteral("txtCode"), QStringLiteral("z")));
    EXPECT_FALSE(rep.setLabelText(QStringLiteral("Section9"), QStringLiteral("Label1"), QStringLiteral("z")));
    EXPECT_EQ(rep.labelText(QStringLiteral("Section4"), QStringLiteral("Label1")), QStringLiteral("x"));
}

TEST_F(ReportFacility, PreviewOutlivesTheViewItWasShownFrom) {
    addExaminees(2);
    report::Report rep(smallDocument());
    rep.setRowSource(ide());
    rep.Show();
    report::PreviewWindow* preview = rep.preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    view.reset(); // the window that owned the view has closed
    EXPECT_EQ(rep.rowSource(), nullptr);
    preview->zoomIn();
    EXPECT_FALSE(preview->currentPageImage().isNull());
    EXPECT_EQ(preview->printout()->rows().count(), 2);
    preview->close();
    QApplication::processEvents();
}

std::string shownRect(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

// The page fills the width of the window without a sideways scroll.
void expectPageFitted(report::PreviewWindow& preview) {
    auto* pages = preview.findChild<QScrollArea*>(QStringLiteral("PreviewPages"));
    ASSERT_NE(pages, nullptr);
    const int room = pages->viewport()->width();
    EXPECT_LE(pages->widget()->width(), room);
    EXPECT_GE(pages->widget()->width(), room - 2 * pages->verticalScrollBar()->sizeHint().width());
}

TEST_F(ReportFacility, PreviewOpensInsideTheScreenFittedAndCanBeMaximised) {
    addExaminees(2);
    // The window the print was asked from, whose frame tells the preview's.
    QWidget opener;
    opener.resize(600, 400);
    opener.show();
    opener.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&opener));
    report::Report rep(smallDocument());
    rep.setRowSource(ide());
    rep.Show();
    report::PreviewWindow* preview = rep.preview();
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
    const QRect room = preview->screen()->availableGeometry();
    EXPECT_TRUE(room.contains(preview->frameGeometry())) << shownRect(preview->frameGeometry()) << " outside "
                                                         << shownRect(room);
    EXPECT_TRUE(preview->windowFlags().testFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
    EXPECT_EQ(preview->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) << "resizable";
    expectPageFitted(*preview);

    preview->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return preview->frameGeometry() == room; }));
    expectPageFitted(*preview);
    preview->close();
    QApplication::processEvents();
}

TEST_F(ReportFacility, PrintAsksForTheRangeAndACancelPrintsNothing) {
    addExaminees(2);
    report::Report rep(smallDocument());
    rep.setRowSource(ide());
    rep.Show();
    modal.clear();
    EXPECT_FALSE(rep.preview()->print());
    ASSERT_EQ(modal.count(ScriptedModal::Call::Kind::Print), 1);
    EXPECT_EQ(modal.calls.back().style, rep.preview()->pageCount()) << "pages offered";
    EXPECT_TRUE(modal.messages().isEmpty());
    rep.preview()->close();
    QApplication::processEvents();
}

TEST_F(ReportFacility, PreviewPagesThroughAndSavesAPdf) {
    addExaminees(9);
    report::Report rep(smallDocument());
    rep.setRowSource(ide());
    rep.Show();
    report::PreviewWindow* preview = rep.preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("آزمایشی"));
    EXPECT_EQ(preview->pageCount(), 3);
    EXPECT_EQ(preview->pageBox->text(), QStringLiteral("1"));
    EXPECT_FALSE(preview->previousButton->isEnabled());
    preview->nextButton->click();
    EXPECT_EQ(preview->currentPage(), 1);
    preview->lastButton->click();
    EXPECT_EQ(preview->currentPage(), 2);
    EXPECT_FALSE(preview->nextButton->isEnabled());
    preview->pageBox->setText(QStringLiteral("2"));
    Q_EMIT preview->pageBox->editingFinished();
    EXPECT_EQ(preview->currentPage(), 1);
    preview->firstButton->click();
    EXPECT_EQ(preview->currentPage(), 0);
    const QSize before = preview->currentPageImage().size();
    preview->zoomInButton->click();
    EXPECT_GT(preview->currentPageImage().width(), before.width());

    // Cancelled: nothing is written.
    preview->pdfButton->click();
    ASSERT_EQ(modal.count(ScriptedModal::Call::Kind::SaveFile), 1);
    EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
    // A name without the extension gets it.
    modal.fileAnswers.push_back(folder.filePath(QStringLiteral("saved")));
    preview->pdfButton->click();
    ASSERT_TRUE(QFile::exists(folder.filePath(QStringLiteral("saved.pdf"))));
    EXPECT_EQ(pentarix::test::pdfPages(folder.filePath(QStringLiteral("saved.pdf"))).size(), 3);
    // A place that cannot be written is reported.
    modal.fileAnswers.push_back(folder.filePath(QStringLiteral("no/such/folder/x.pdf")));
    preview->pdfButton->click();
    ASSERT_EQ(modal.messages().size(), 1);
    EXPECT_TRUE(modal.calls.back().title == QStringLiteral("خطا"));
    preview->close();
    QApplication::processEvents();
}

// --- The result sheet and the list, printed from the scoring window.

// Which columns of a label's box take ink when the label is printed alone.
std::vector<bool> inkColumns(const report::Control& label, const QString& text) {
    report::ReportDocument doc;
    doc.page.paperWidth = label.box.right() + 200;
    doc.page.paperHeight = label.box.height() + 200;
    doc.page.leftMargin = doc.page.rightMargin = doc.page.topMargin = doc.page.bottomMargin = 0;
    doc.page.bodyWidth = doc.page.paperWidth;
    doc.reportFooter().setHeight(label.box.height());
    doc.reportFooter().addLabel(label.name, label.box, text, label.style);
    const QImage page = report::Printout(doc, report::Rows()).pageImage(0, 600).convertToFormat(QImage::Format_RGB32);
    const double perTwip = page.width() / static_cast<double>(doc.page.paperWidth);
    const int from = static_cast<int>(label.box.left() * perTwip);
    const int to = static_cast<int>((label.box.right() + 1) * perTwip);
    std::vector<bool> ink;
    for (int x = from; x < to && x < page.width(); ++x) {
        bool dark = false;
        for (int y = 0; y < page.height() && !dark; ++y) dark = qGray(page.pixel(x, y)) < 128;
        ink.push_back(dark);
    }
    return ink;
}

// The address caption of the list's footer is stored colon first; it reads,
// right to left, as the field name followed by its colon: the word keeps its
// place at the box's right edge and the colon stands at its left.
TEST(ListReportFooter, AddressCaptionReadsAsTheFieldNameFollowedByItsColon) {
    pentarix::DataRPrint list;
    const report::Control* caption = list.report().document().reportFooter().control(QStringLiteral("Label15"));
    ASSERT_NE(caption, nullptr);
    ASSERT_TRUE(caption->text.startsWith(QLatin1Char(':')));
    const std::vector<bool> whole = inkColumns(*caption, caption->text);
    const std::vector<bool> word = inkColumns(*caption, caption->text.mid(1));
    ASSERT_EQ(whole.size(), word.size());
    const auto first = std::find(word.begin(), word.end(), true);
    ASSERT_NE(first, word.end()) << "the word left no ink";
    const auto wordLeft = static_cast<std::size_t>(first - word.begin());
    EXPECT_GT(wordLeft, word.size() / 4) << "the word stands at the right";
    EXPECT_TRUE(std::equal(word.begin() + static_cast<std::ptrdiff_t>(wordLeft), word.end(),
                           whole.begin() + static_cast<std::ptrdiff_t>(wordLeft)))
        << "the colon moved the word";
    EXPECT_NE(std::find(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(wordLeft) - 1, true),
              whole.begin() + static_cast<std::ptrdiff_t>(wordLeft) - 1)
        << "no colon left of the word";
}

class Printing : public ::testing::Test {
protected:
    ~Printing() override {
        for (report::Report* rep : {&pentarix::dataR1().report(), &pentarix::dataRPrint().report()}) {
            if (rep->preview()) rep->preview()->close();
        }
        QApplication::processEvents();
        pentarix::FormSlotBase::discardAll();
    }

    void registerScored(const QString& code, const QString& group, int e, int a, int c, int es, int o) {
        folder.addExaminee(code, group);
        folder.exec(QStringLiteral("UPDATE IDE SET E = %1, A = %2, C = %3, ES = %4, O = %5 WHERE Code = '%6'")
                        .arg(e).arg(a).arg(c).arg(es).arg(o).arg(code));
    }
    // Registers an examinee whose stored answers give the five sums wanted:
    // each factor's ten items hold answers adding up to its sum.
    void registerAnswered(const QString& code, const QString& group, const std::array<int, 5>& sums) {
        folder.addExaminee(code, group);
        QString sets;
        for (int factor = 0; factor < 5; ++factor) {
            int left = sums[static_cast<std::size_t>(factor)];
            for (int k = 0; k < 10; ++k) {
                const int item = factor + 1 + 5 * k;
                const int value = std::clamp(left - (9 - k), 1, 5);
                left -= value;
                sets += QStringLiteral("%1\"%2\" = '%3'").arg(sets.isEmpty() ? QString() : QStringLiteral(", ")).arg(item).arg(value);
            }
        }
        folder.exec(QStringLiteral("UPDATE Answer SET %1 WHERE Code = '%2'").arg(sets, code));
    }
    pentarix::FrmkLID& window() {
        pentarix::FrmkLID& w = pentarix::form<pentarix::FrmkLID>();
        w.show();
        return w;
    }
    void score(pentarix::FrmkLID& w, const QString& code) {
        modal.inputAnswers.push_back(code);
        w.Command1->click();
    }
    // Saves the report's preview as PDF through its button and reads it back.
    QStringList savedPages(report::Report& rep, const QString& name) {
        report::PreviewWindow* preview = rep.preview();
        if (!preview || !preview->isVisible()) return {};
        pentarix::test::saveShot(preview, name + QStringLiteral("_preview"));
        const QString pdf = folder.filePath(name + QStringLiteral(".pdf"));
        modal.fileAnswers.push_back(pdf);
        preview->pdfButton->click();
        keepForLooking(pdf, name);
        return pentarix::test::pdfPages(pdf);
    }

    AppFolder folder;
    ScriptedModal modal;
};

TEST_F(Printing, ResultSheetShowsTheExamineeScored) {
    registerAnswered(QStringLiteral("R-118"), QStringLiteral("D"), {31, 42, 17, 26, 48});
    folder.exec(QStringLiteral("UPDATE IDE SET Sen = '37', Tahsil = 'دکتری' WHERE Code = 'R-118'"));
    pentarix::FrmkLID& w = window();
    score(w, QStringLiteral("R-118"));
    pentarix::test::saveShot(&w, QStringLiteral("frmklid_scored"));
    w.Command6->click();
    EXPECT_EQ(w.Text5->text(), QString());
    const QStringList pages = savedPages(pentarix::dataR1().report(), QStringLiteral("result_sheet"));
    ASSERT_EQ(pages.size(), 1);
    const QString page = pages.front();
    const QStringList numbers = pentarix::test::numbersIn(page);
    for (const char* expected : {"118", "37", "31", "42", "17", "26", "48"}) {
        EXPECT_TRUE(numbers.contains(QLatin1String(expected))) << expected << "\n" << page.toStdString();
    }
    EXPECT_TRUE(page.contains(QStringLiteral("R-118")));
    EXPECT_TRUE(page.contains(QLatin1Char('D'))); // the group beside its caption
    const QString address = folder.scalar(QStringLiteral("SELECT Adress FROM Theme"));
    EXPECT_TRUE(pentarix::test::holdsPersian(page, address.section(QLatin1Char(' '), 0, 1)));
    EXPECT_TRUE(numbers.contains(QStringLiteral("88001234")));
    EXPECT_TRUE(pentarix::test::holdsPersian(page, QStringLiteral("دکتری")));
    // Every font is embedded.
    const QString fonts = pentarix::test::pdfFonts(folder.filePath(QStringLiteral("result_sheet.pdf")));
    EXPECT_TRUE(fonts.contains(QStringLiteral("Nazli")));
    for (const QString& line : fonts.split(QLatin1Char('\n')).mid(2)) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        if (columns.size() < 6) continue;
        EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << line.toStdString(); // emb
    }
}

TEST_F(Printing, ResultSheetNeedsAFreshScoringEachTime) {
    registerAnswered(QStringLiteral("R1"), QStringLiteral("A"), {30, 30, 30, 30, 30});
    pentarix::FrmkLID& w = window();
    w.Command6->click();
    ASSERT_EQ(modal.messages(), QStringList{pentarix::frmk_lid_texts::kPrintGuard});
    auto* timer = w.findChild<QTimer*>(QStringLiteral("AutoDismissTimer20480"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 2000);
    EXPECT_EQ(pentarix::dataR1().report().preview(), nullptr);
    score(w, QStringLiteral("R1"));
    w.Command6->click();
    ASSERT_NE(pentarix::dataR1().report().preview(), nullptr);
    EXPECT_TRUE(pentarix::dataR1().report().preview()->isVisible());
    modal.clear();
    w.Command6->click();
    EXPECT_EQ(modal.messages(), QStringList{pentarix::frmk_lid_texts::kPrintGuard});
}

TEST_F(Printing, ResultSheetAfterAFailedLookupIsOfTheExamineeScored) {
    registerAnswered(QStringLiteral("R1"), QStringLiteral("B"), {21, 22, 23, 24, 25});
    folder.exec(QStringLiteral("UPDATE IDE SET Sen = '41' WHERE Code = 'R1'"));
    folder.addExaminee(QStringLiteral("R2"), QStringLiteral("C")); // nothing answered
    folder.exec(QStringLiteral("UPDATE IDE SET Sen = '19' WHERE Code = 'R2'"));
    pentarix::FrmkLID& w = window();
    score(w, QStringLiteral("R1"));
    score(w, QStringLiteral("R2"));
    EXPECT_EQ(w.Text15->text(), QStringLiteral("R2"));
    w.Command6->click();
    EXPECT_EQ(w.Text15->text(), QStringLiteral("R1"));
    auto& sheet = pentarix::dataR1().report();
    EXPECT_EQ(sheet.labelText(QStringLiteral("Section1"), QStringLiteral("Label15")), QStringLiteral("R1"));
    EXPECT_EQ(sheet.labelText(QStringLiteral("Section1"), QStringLiteral("Label16")), QStringLiteral("B"));
    EXPECT_EQ(sheet.labelText(QStringLiteral("Section1"), QStringLiteral("Label19")), QStringLiteral("41"));
    EXPECT_EQ(sheet.labelText(QStringLiteral("Section1"), QStringLiteral("Label23")), QStringLiteral("21"));
    EXPECT_EQ(sheet.labelText(QStringLiteral("Section1"), QStringLiteral("Label27")), QStringLiteral("25"));
    ASSERT_NE(sheet.preview(), nullptr);
    EXPECT_EQ(sheet.preview()->pageCount(), 1);
}

TEST_F(Printing, ListHoldsEveryExamineeInTheStoresOrder) {
    registerScored(QStringLiteral("L-301"), QStringLiteral("E"), 11, 12, 13, 14, 15);
    folder.addExaminee(QStringLiteral("L-302"), QStringLiteral("F")); // not scored
    registerScored(QStringLiteral("L-303"), QStringLiteral("G"), 46, 47, 48, 49, 50);
    folder.exec(QStringLiteral("UPDATE IDE SET Sen = CASE Code WHEN 'L-301' THEN '61' WHEN 'L-302' THEN '62' ELSE '63' END"));
    pentarix::FrmkLID& w = window();
    w.Command3->click();
    const QStringList pages = savedPages(pentarix::dataRPrint().report(), QStringLiteral("list"));
    ASSERT_EQ(pages.size(), 1);
    const QStringList lines = pages.front().split(QLatin1Char('\n'));
    auto lineOf = [&](const QString& code) {
        for (const QString& line : lines) {
            if (line.contains(code)) return line;
        }
        return QString();
    };
    // Row number, code, age and the five scores; the row not scored has none.
    EXPECT_EQ(pentarix::test::numbersFromRight(lineOf(QStringLiteral("L-301"))),
              QString::fromLatin1("1 301 61 11 12 13 14 15").split(QLatin1Char(' ')));
    EXPECT_EQ(pentarix::test::numbersFromRight(lineOf(QStringLiteral("L-302"))),
              QString::fromLatin1("2 302 62").split(QLatin1Char(' ')));
    EXPECT_EQ(pentarix::test::numbersFromRight(lineOf(QStringLiteral("L-303"))),
              QString::fromLatin1("3 303 63 46 47 48 49 50").split(QLatin1Char(' ')));
    EXPECT_TRUE(lineOf(QStringLiteral("L-301")).contains(QLatin1Char('E')));
    EXPECT_TRUE(lineOf(QStringLiteral("L-303")).contains(QLatin1Char('G')));
    const QString page = pages.front();
    EXPECT_LT(page.indexOf(QStringLiteral("L-301")), page.indexOf(QStringLiteral("L-302")));
    EXPECT_LT(page.indexOf(QStringLiteral("L-302")), page.indexOf(QStringLiteral("L-303")));
    // The clinic's name above, its address below.
    const QString name = folder.scalar(QStringLiteral("SELECT Name FROM Theme"));
    EXPECT_TRUE(pentarix::test::holdsPersian(page, name.section(QLatin1Char(' '), 0, 2)));
    EXPECT_TRUE(pentarix::test::holdsPersian(page, QStringLiteral("ولیعصر")));
    EXPECT_GT(page.indexOf(QStringLiteral("88001234")), page.indexOf(QStringLiteral("L-303")));
}

TEST_F(Printing, ListLongerThanAPageRepeatsItsCaptionsAndNumbersOnFromOne) {
    registerMany(folder, QStringLiteral("M%1"), 80);
    pentarix::FrmkLID& w = window();
    // Every row's number beside its code (the codes are M1 .. M80 in order).
    auto expectRowsNumbered = [](const QStringList& pages) {
        int row = 0;
        for (const QString& page : pages) {
            EXPECT_TRUE(pentarix::test::holdsPersian(page, QStringLiteral("تحصيلات"))); // captions on every page
            for (const QString& line : page.split(QLatin1Char('\n'))) {
                if (!line.contains(QLatin1Char('M'))) continue;
                const QStringList numbers = pentarix::test::numbersFromRight(line);
                ASSERT_GE(numbers.size(), 2) << line.toStdString();
                ++row;
                EXPECT_EQ(numbers[0], QString::number(row));
                EXPECT_EQ(numbers[1], QString::number(row));
            }
        }
        EXPECT_EQ(row, 80);
    };
    w.Command3->click();
    const QStringList pages = savedPages(pentarix::dataRPrint().report(), QStringLiteral("long_list"));
    EXPECT_EQ(pages.size(), 3);
    expectRowsNumbered(pages);
    // Shown again, the list numbers from 1 again.
    w.Command3->click();
    expectRowsNumbered(savedPages(pentarix::dataRPrint().report(), QStringLiteral("long_list_again")));
}

TEST_F(Printing, ListAfterAScoringShowsTheNewScoresAndKeepsTheSelection) {
    registerAnswered(QStringLiteral("N1"), QStringLiteral("A"), {12, 23, 34, 45, 16});
    folder.addExaminee(QStringLiteral("N2"), QStringLiteral("B"));
    pentarix::FrmkLID& w = window();
    score(w, QStringLiteral("N1"));
    w.Command3->click();
    auto& list = pentarix::dataRPrint().report();
    ASSERT_NE(list.preview(), nullptr);
    const report::Rows& rows = list.preview()->printout()->rows();
    ASSERT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.value(0, rows.fieldIndex(QStringLiteral("ES"))), QStringLiteral("45"));
    EXPECT_EQ(list.labelText(QStringLiteral("Section4"), QStringLiteral("Label9")), w.Text13->text());
    EXPECT_EQ(list.labelText(QStringLiteral("Section5"), QStringLiteral("Label14")), w.Text16->text());
    // The scoring window still shows, and prints, the examinee scored.
    EXPECT_EQ(w.Text2->text(), QStringLiteral("12"));
    EXPECT_EQ(w.Text20->text(), QStringLiteral("N1"));
    w.Command6->click();
    EXPECT_EQ(pentarix::dataR1().report().labelText(QStringLiteral("Section1"), QStringLiteral("Label26")),
              QStringLiteral("45"));
}

TEST_F(Printing, ListOfOneGroupHoldsThatGroupOnly) {
    registerScored(QStringLiteral("G1"), QStringLiteral("B"), 20, 20, 20, 20, 20);
    registerScored(QStringLiteral("G2"), QStringLiteral("C"), 30, 30, 30, 30, 30);
    registerScored(QStringLiteral("G3"), QStringLiteral("B"), 40, 40, 40, 40, 40);
    RecordView lookup(folder.databasePath(), QStringLiteral("IDE"));
    lookup.Filter(QStringLiteral("Group='B'"));
    pentarix::DataRPrint& list = pentarix::dataRPrint();
    list.setRowSource(lookup);
    list.setLabelText(QStringLiteral("Section5"), QStringLiteral("Label14"), QStringLiteral("address"));
    list.setLabelText(QStringLiteral("Section4"), QStringLiteral("Label9"), QStringLiteral("clinic"));
    list.Show();
    const QStringList pages = savedPages(list.report(), QStringLiteral("group_list"));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages.front().contains(QStringLiteral("G1")));
    EXPECT_FALSE(pages.front().contains(QStringLiteral("G2")));
    EXPECT_TRUE(pages.front().contains(QStringLiteral("G3")));
    EXPECT_TRUE(pages.front().contains(QStringLiteral("address")));
}

// --- From registration to both printouts, through the real windows.

void registerOnMainWindow(pentarix::Frm1& main, const QString& code) {
    main.Command1->click();
    pentarix::test::typeText(main.Text11, code);
    pentarix::test::typeText(main.Text6, QStringLiteral("نرگس"));
    pentarix::test::typeText(main.Text4, QStringLiteral("صادقی"));
    auto pick = [](QComboBox* list, int index) {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    };
    pick(main.Combo2, 1);
    pentarix::test::typeText(main.Text5, QStringLiteral("45"));
    pick(main.Combo1, 0);
    pick(main.Combo3, 3);
    pentarix::test::typeText(main.Text7, QStringLiteral("دکتری"));
    main.Command8->click();
}

// The option chosen for each item: options of every kind on items of both
// directions.
int optionOf(int item) { return (item * 7) % 5 + 1; }

// What those options add up to on each factor once keyed, from the manual's
// list of reversed items.
QStringList keyedSumsOfTheOptions() {
    const std::set<int> reversed = {2,  4,  6,  8,  10, 12, 14, 16, 18, 20, 22, 24,
                                    26, 28, 30, 32, 34, 36, 38, 39, 44, 46, 49};
    std::array<int, 5> sums{};
    for (int item = 1; item <= 50; ++item) {
        sums[static_cast<std::size_t>((item - 1) % 5)] += reversed.count(item) ? 6 - optionOf(item) : optionOf(item);
    }
    QStringList text;
    for (int sum : sums) text << QString::number(sum);
    return text;
}

// Runs the test from the main window, answering every item; true once the
// test window was answered through.
bool takeTheTest(pentarix::Frm1& main, ScriptedModal& modal, const QString& code) {
    bool tested = false;
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, qApp, [&tested, poll] {
        auto* w = qobject_cast<pentarix::FrmTest*>(QApplication::activeModalWidget());
        if (!w || !w->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        w->Command1->click();
        for (int item = 1; item <= 50; ++item) {
            w->options()[static_cast<std::size_t>(optionOf(item) - 1)]->click();
            w->CmdNext->click();
        }
        w->Command5->click();
        tested = true;
    });
    poll->start();
    modal.inputAnswers.push_back(code);
    main.Command2->click();
    return tested;
}

TEST_F(Printing, AnExamineeRegisteredTestedAndScoredAppearsOnBothPrintouts) {
    const QString code = QStringLiteral("E-29");
    pentarix::Frm1& main = pentarix::form<pentarix::Frm1>();
    main.show();
    registerOnMainWindow(main, code);
    ASSERT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM Answer WHERE Code = 'E-29'")), QStringLiteral("1"));
    ASSERT_TRUE(takeTheTest(main, modal, code));
    const QStringList expected = keyedSumsOfTheOptions();

    // Scoring.
    main.Command3->click();
    ASSERT_TRUE(pentarix::isLoaded<pentarix::FrmkLID>());
    pentarix::FrmkLID& w = pentarix::form<pentarix::FrmkLID>();
    modal.clear();
    score(w, code);
    ASSERT_EQ(modal.messages(), QStringList{pentarix::frmk_lid_texts::kScored});
    EXPECT_EQ((QStringList{w.Text2->text(), w.Text4->text(), w.Text14->text(), w.Text17->text(), w.Text18->text()}),
              expected);

    // The result sheet: right column E, C, O, left column A, ES, each score
    // on the line of its caption.
    w.Command6->click();
    const QStringList sheet = savedPages(pentarix::dataR1().report(), QStringLiteral("e2e_sheet"));
    ASSERT_EQ(sheet.size(), 1);
    QStringList onSheet;
    for (const QString& line : sheet.front().split(QLatin1Char('\n'))) {
        if (line.contains(QStringLiteral("pentarix")) || line.contains(QStringLiteral("88001234"))) continue;
        onSheet << pentarix::test::numbersFromRight(line);
    }
    // Code, age; then E, A; C, ES; O.
    EXPECT_EQ(onSheet, (QStringList{QStringLiteral("29"), QStringLiteral("45"), expected[0],
                                    expected[1], expected[2], expected[3], expected[4]}))
        << sheet.front().toStdString();

    // The list: the examinee's row holds the five scores in the column order.
    w.Command3->click();
    const QStringList list = savedPages(pentarix::dataRPrint().report(), QStringLiteral("e2e_list"));
    ASSERT_EQ(list.size(), 1);
    QString row;
    for (const QString& line : list.front().split(QLatin1Char('\n'))) {
        if (line.contains(code)) row = line;
    }
    EXPECT_EQ(pentarix::test::numbersFromRight(row),
              (QStringList{QStringLiteral("1"), QStringLiteral("29"), QStringLiteral("45")} +
               expected));
}

} // namespace

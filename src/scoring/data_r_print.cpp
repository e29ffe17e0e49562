#include "scoring/data_r_print.h"

#include "platform/fonts.h"
#include "scoring/export_dialog.h"
#include "scoring/export_texts.h"
#include "scoring/report_texts.h"

namespace pentarix {

namespace texts = report_texts;

namespace {

struct Column {
    QString caption;
    const char* label;
    int captionLeft;
    int captionTop;
    int captionWidth;
    int captionHeight;
    const char* cell;
    int cellLeft;
    int cellWidth;
    const char* field;
};

// Right to left: the row number at the right edge, openness at the left.
std::vector<Column> columns() {
    return {
        {texts::kListLabel5, "Label5", 8945, 190, 525, 450, "Text1", 9008, 495, "Code"},
        {texts::kListLabel2, "Label2", 8264, 190, 639, 450, "txtCode", 8327, 594, "Code"},
        {texts::kListLabel7, "Label7", 7569, 190, 660, 450, "txtGroup1", 7569, 690, "Group"},
        {texts::kListLabel10, "Label10", 6965, 192, 600, 446, "txtScore", 7010, 474, "Sen"},
        {texts::kListLabel6, "Label6", 6224, 190, 714, 450, "Text6", 6224, 684, "Jens"},
        {texts::kListLabel4, "Label4", 5476, 190, 670, 450, "Text5", 5380, 751, "Taahol"},
        {texts::kListLabel1, "Label1", 3674, 190, 1540, 465, "Text4", 3674, 1636, "Tahsil"},
        {texts::kListLabel11, "Label11", 2872, 190, 690, 450, "txtBPosetive", 2912, 704, "E"},
        {texts::kListLabel12, "Label12", 2208, 190, 594, 450, "txtConterlo", 2208, 645, "A"},
        {texts::kListLabel13, "Label13", 1536, 76, 594, 601, "txtEtminan", 1512, 645, "C"},
        {texts::kListLabel17, "Label17", 768, 0, 690, 639, "txtneyaz", 800, 645, "ES"},
        {texts::kListLabel18, "Label18", 0, 0, 765, 636, "txtself", 0, 805, "O"},
    };
}

// The column boundaries, where the vertical rules run.
constexpr int kRules[] = {9513, 8946, 8265, 7573, 6977, 6170, 5342, 3594, 2826, 2154, 1482, 770, 0};

constexpr int kBodyWidth = 9513;
constexpr int kPageHeaderHeight = 677;
constexpr int kDetailHeight = 405;
constexpr int kRowRule = 378; // the rule under each row

report::TextStyle style(const QFont& font, report::Align align = report::Align::Center) {
    report::TextStyle s;
    s.font = font;
    s.align = align;
    return s;
}

// The clinic's name over the title, on a grey band.
void addReportHeader(report::ReportDocument& doc) {
    report::Section& header = doc.reportHeader();
    header.setHeight(1830);
    header.addRectangle(QStringLiteral("Image2"), QRect(0, 0, 9512, 1827), QColor(0xC0, 0xC0, 0xC0));
    header.addLabel(QStringLiteral("Label9"), QRect(1386, 189, 6105, 510), QString(), style(fonts::titr(14.25)));
    header.addLabel(QStringLiteral("Label3"), QRect(1436, 869, 6105, 907), texts::kListTitleStart + texts::kListScaleName,
                    style(fonts::nazanin(12)));
}

// The column captions on every page and one ruled row per examinee.
void addColumns(report::ReportDocument& doc) {
    const QFont cellFont = fonts::nazanin(9.75);
    report::Section& pageHeader = doc.pageHeader();
    pageHeader.setHeight(kPageHeaderHeight);
    pageHeader.addRectangle(QStringLiteral("Image1"), QRect(0, 0, 9510, 643), QColor(0xE0, 0xE0, 0xE0));
    report::Section& detail = doc.detail();
    detail.setHeight(kDetailHeight);
    for (const Column& c : columns()) {
        pageHeader.addLabel(QLatin1String(c.label), QRect(c.captionLeft, c.captionTop, c.captionWidth, c.captionHeight),
                            c.caption, style(cellFont));
        report::TextStyle cell = style(cellFont);
        cell.wordWrap = false;
        cell.shrinkToFit = true;
        detail.addTextBox(QLatin1String(c.cell), QRect(c.cellLeft, 0, c.cellWidth, 375), QLatin1String(c.field), cell);
    }
    // A row's column rules run from the rule above it down to its own rule,
    // so that they go on unbroken from row to row and stop at the last one.
    int rule = 0;
    for (int x : kRules) {
        const QString n = QString::number(++rule);
        pageHeader.addRule(QStringLiteral("Line") + n, QPoint(x, 0), 0, kPageHeaderHeight);
        detail.addRule(QStringLiteral("Line") + n, QPoint(x, kRowRule - kDetailHeight), 0, kDetailHeight);
    }
    pageHeader.addRule(QStringLiteral("LineTop"), QPoint(0, 0), kBodyWidth, 0);
    pageHeader.addRule(QStringLiteral("LineBottom"), QPoint(0, 640), kBodyWidth, 0);
    detail.addRule(QStringLiteral("LineBottom"), QPoint(0, kRowRule), kBodyWidth, 0);
}

// The clinic's address and the credit line after the last row.
void addReportFooter(report::ReportDocument& doc) {
    report::Section& footer = doc.reportFooter();
    footer.setHeight(378);
    // The caption is stored colon first; laid out left to right it reads as
    // the field name followed by its colon, the colon at its left end.
    report::TextStyle caption = style(fonts::mitra(9.75), report::Align::Right);
    caption.direction = Qt::LeftToRight;
    footer.addLabel(QStringLiteral("Label15"), QRect(8945, 0, 555, 375), texts::kListLabel15, caption);
    report::TextStyle address = style(fonts::mitra(9.75), report::Align::Right);
    address.background = QColor(0xF8, 0xF8, 0xF8);
    // A long address is set smaller in two lines rather than spill out of its field.
    address.shrinkToFit = true;
    footer.addLabel(QStringLiteral("Label14"), QRect(3906, 0, 5040, 378), QString(), address);
    footer.addLabel(QStringLiteral("Label16"), QRect(252, 0, 4164, 288), texts::kListCredit,
                    style(fonts::mitra(9.75, false)));
}

report::ReportDocument layout() {
    report::ReportDocument doc;
    doc.title = texts::kListDocumentTitle;
    doc.page.leftMargin = 1200;
    doc.page.rightMargin = 440;
    doc.page.topMargin = 440;
    doc.page.bottomMargin = 440;
    doc.page.bodyWidth = kBodyWidth;
    addReportHeader(doc);
    addColumns(doc);
    addReportFooter(doc);
    return doc;
}

} // namespace

DataRPrint::DataRPrint() : report_(layout()) {
    DataReport_Initialize();
    addExports();
}

void DataRPrint::addExports() {
    const auto exportAs = [this](list_export::Format format) {
        return [this, format](QWidget* preview) {
            ExportDialog::start(preview, format, [this] { return report_.rowSource(); },
                                report_.labelText(QStringLiteral("Section4"), QStringLiteral("Label9")));
        };
    };
    report_.addAction({QStringLiteral("excelButton"), export_texts::kExcel, export_texts::kExcelTip,
                       exportAs(list_export::Format::Xlsx)});
    report_.addAction({QStringLiteral("csvButton"), export_texts::kCsv, export_texts::kCsvTip,
                       exportAs(list_export::Format::Csv)});
}

void DataRPrint::DataReport_Initialize() {
    if (report::Control* cell = report_.document().detail().control(QStringLiteral("Text1"))) {
        cell->format = &DataRPrint::myf_Format;
    }
}

QString DataRPrint::myf_Format(const QString&, int rowNumber) { return QString::number(rowNumber); }

void DataRPrint::setRowSource(RecordView& rows) { report_.setRowSource(rows); }

void DataRPrint::setLabelText(const QString& section, const QString& label, const QString& text) {
    report_.setLabelText(section, label, text);
}

void DataRPrint::Show() { report_.Show(); }

DataRPrint& dataRPrint() {
    // Never destroyed: it holds fonts, which must not outlive the application.
    static DataRPrint* report = new DataRPrint();
    return *report;
}

} // namespace pentarix

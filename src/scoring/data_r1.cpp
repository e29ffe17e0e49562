#include "scoring/data_r1.h"

#include "platform/fonts.h"
#include "platform/pictures.h"
#include "scoring/report_texts.h"

namespace pentarix {

namespace texts = report_texts;

namespace {

struct Label {
    const char* name;
    int left;
    int top;
    int width;
    int height;
    report::Align align;
    QString text; // empty for the values set at print
};

std::vector<Label> labels() {
    using report::Align;
    return {
        {"Label2", 5472, 1152, 237, 465, Align::Center, texts::kR1Label2},
        {"Label15", 4752, 1152, 669, 465, Align::Center, {}},
        {"Label7", 4176, 1152, 510, 465, Align::Center, texts::kR1Label7},
        {"Label16", 3600, 1152, 669, 465, Align::Center, {}},
        {"Label10", 3168, 1152, 450, 465, Align::Center, texts::kR1Label10},
        {"Label19", 2592, 1152, 669, 465, Align::Center, {}},
        {"Label6", 2160, 1152, 465, 465, Align::Center, texts::kR1Label6},
        {"Label20", 1584, 1152, 669, 465, Align::Center, {}},
        {"Label4", 1152, 1152, 456, 465, Align::Center, texts::kR1Label4},
        {"Label21", 432, 1152, 813, 465, Align::Center, {}},
        {"Label3", 5040, 1728, 774, 465, Align::Center, texts::kR1Label3},
        {"Label22", 3024, 1728, 1965, 465, Align::Right, {}},
        {"Label11", 5039, 2898, 825, 360, Align::Center, texts::kR1Label11},
        {"Label23", 4176, 2880, 825, 465, Align::Center, {}},
        {"Label13", 2736, 2880, 600, 318, Align::Center, texts::kR1Label13},
        {"Label24", 1872, 2880, 825, 465, Align::Center, {}},
        {"Label12", 5039, 3780, 735, 750, Align::Center, texts::kR1Label12},
        {"Label25", 4176, 3888, 825, 465, Align::Center, {}},
        {"Label17", 2736, 3744, 690, 750, Align::Center, texts::kR1Label17},
        {"Label26", 1872, 3888, 825, 465, Align::Center, {}},
        {"Label18", 5040, 4896, 881, 647, Align::Center, texts::kR1Label18},
        {"Label27", 4220, 4913, 825, 465, Align::Center, {}},
        {"Label9", 5228, 6236, 639, 504, Align::Center, texts::kR1Label9},
        {"Label29", 378, 6236, 4860, 810, Align::Right, {}},
        {"Label5", 2160, 7012, 2010, 240, Align::Left, texts::kR1WebAddress1},
        {"Label14", 2160, 7300, 2010, 240, Align::Left, texts::kR1WebAddress2},
    };
}

report::ReportDocument layout() {
    report::ReportDocument doc;
    doc.title = texts::kR1DocumentTitle;
    doc.page.leftMargin = 3000;
    doc.page.rightMargin = 1440;
    doc.page.topMargin = 440;
    doc.page.bottomMargin = 440;
    doc.page.bodyWidth = 6330;
    doc.reportFooter().setHeight(30);

    report::Section& sheet = doc.detail();
    sheet.setHeight(7620);
    sheet.addPicture(QStringLiteral("Image1"), QRect(0, 0, 6330, 7620),
                     platform::picture(QStringLiteral("result_sheet")).toImage());
    report::TextStyle title;
    title.font = fonts::arial(15.75);
    sheet.addLabel(QStringLiteral("Label1"), QRect(2304, 114, 1710, 720), texts::kR1Title, title);
    for (const Label& l : labels()) {
        report::TextStyle s;
        s.font = fonts::nazanin(9.75);
        s.align = l.align;
        sheet.addLabel(QLatin1String(l.name), QRect(l.left, l.top, l.width, l.height), l.text, s);
    }
    // The clinic's address is the operator's own text: a long one is set
    // smaller rather than run below its place.
    if (report::Control* address = sheet.control(QStringLiteral("Label29"))) address->style.shrinkToFit = true;
    return doc;
}

} // namespace

DataR1::DataR1() : report_(layout()) {}

void DataR1::setRowSource(RecordView& rows) { report_.setRowSource(rows); }

void DataR1::setLabelText(const QString& section, const QString& label, const QString& text) {
    report_.setLabelText(section, label, text);
}

void DataR1::Show() { report_.Show(); }

DataR1& dataR1() {
    // Never destroyed: it holds fonts and pictures, which must not outlive
    // the application.
    static DataR1* report = new DataR1();
    return *report;
}

} // namespace pentarix

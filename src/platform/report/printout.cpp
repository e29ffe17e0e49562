#include "platform/report/printout.h"

#include "data/record_view.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace pentarix::report {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// Text laid out in twips: a point is 20 twips, whatever the device.
QFont inTwips(const QFont& designed) {
    QFont font = designed;
    const double points = designed.pointSizeF() > 0 ? designed.pointSizeF() : 12.0;
    font.setPixelSize(static_cast<int>(std::lround(points * 20.0)));
    return font;
}

Qt::Alignment horizontal(Align align) {
    switch (align) {
    case Align::Left: return Qt::AlignLeft;
    case Align::Right: return Qt::AlignRight;
    case Align::Center: break;
    }
    return Qt::AlignHCenter;
}

// Lines of wrapped text stand closer than the face's own line spacing: the
// faces standing in for the designed ones are taller, and a caption laid out
// in two lines must stay inside its box.
constexpr double kWrappedLinePitch = 1.25; // of the font's size

struct LaidOut {
    QList<QGlyphRun> runs;
    double height = 0; // of all its lines
};

LaidOut layOutAt(const QString& text, const TextStyle& style, const QFont& font, int width) {
    // Absolute: right means the right edge of the box, also for text read
    // right to left.
    QTextOption option(horizontal(style.align) | Qt::AlignAbsolute);
    if (style.direction != Qt::LayoutDirectionAuto) option.setTextDirection(style.direction);
    else option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(style.wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    // Laid out for no device: the same glyphs on screen, on paper and in PDF.
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    const double pitch = std::min(QFontMetricsF(font).lineSpacing(), kWrappedLinePitch * font.pixelSize());
    double y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += pitch;
    }
    layout.endLayout();
    return {layout.glyphRuns(), y};
}

// A text laid out in its box: the glyphs, placed from the box's top left.
QList<QGlyphRun> layOut(const QString& text, const TextStyle& style, const QFont& designed, const QSize& box) {
    QFont font = designed;
    if (style.shrinkToFit && !style.wordWrap) {
        const double natural = QFontMetricsF(font).horizontalAdvance(text);
        if (natural > box.width()) {
            font.setPixelSize(std::max(1, static_cast<int>(designed.pixelSize() * box.width() / natural)));
        }
    }
    LaidOut laid = layOutAt(text, style, font, box.width());
    // A wrapped text is set smaller until its lines stay inside the box, down
    // to half its size, rather than run over what lies below.
    while (style.shrinkToFit && style.wordWrap && laid.height > box.height() &&
           font.pixelSize() * 9 / 10 >= designed.pixelSize() / 2) {
        font.setPixelSize(font.pixelSize() - std::max(1, font.pixelSize() / 10));
        laid = layOutAt(text, style, font, box.width());
    }
    return laid.runs;
}

// Rules meeting end to end (a column's rule through row after row) become
// one, so that a page holds a few long rules rather than many short ones.
std::vector<std::pair<QRect, QColor>> joined(std::vector<std::pair<QRect, QColor>> rules) {
    std::sort(rules.begin(), rules.end(), [](const auto& a, const auto& b) {
        const QRect& r = a.first;
        const QRect& s = b.first;
        return std::tuple(r.x(), r.width(), a.second.rgba(), r.y()) < std::tuple(s.x(), s.width(), b.second.rgba(), s.y());
    });
    std::vector<std::pair<QRect, QColor>> out;
    for (const auto& rule : rules) {
        if (!out.empty()) {
            QRect& last = out.back().first;
            if (last.x() == rule.first.x() && last.width() == rule.first.width() && out.back().second == rule.second &&
                rule.first.y() <= last.bottom() + 1) {
                last.setBottom(std::max(last.bottom(), rule.first.bottom()));
                continue;
            }
        }
        out.push_back(rule);
    }
    return out;
}

} // namespace

Rows Rows::of(const RecordView& view, const QStringList& fields) {
    Rows rows;
    rows.fields_ = fields;
    rows.count_ = view.RecordCount();
    std::vector<int> columns;
    for (const QString& field : fields) columns.push_back(view.columnIndex(field));
    rows.cells_.reserve(static_cast<std::size_t>(rows.count_) * columns.size());
    for (int r = 0; r < rows.count_; ++r) {
        for (int column : columns) rows.cells_.push_back(column < 0 ? QString() : view.text(r, column));
    }
    return rows;
}

int Rows::fieldIndex(const QString& field) const {
    for (int i = 0; i < fields_.size(); ++i) {
        if (fields_[i].compare(field, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QString Rows::value(int row, int field) const {
    if (row < 0 || row >= count_ || field < 0 || field >= fields_.size()) return QString();
    return cells_[static_cast<std::size_t>(row) * static_cast<std::size_t>(fields_.size()) +
                  static_cast<std::size_t>(field)];
}

Printout::Printout(ReportDocument document, Rows rows) : document_(std::move(document)), rows_(std::move(rows)) {
    for (int s = 0; s < 5; ++s) {
        const Section& section = document_.section(static_cast<ReportDocument::SectionIndex>(s));
        Prepared& prepared = prepared_[static_cast<std::size_t>(s)];
        prepared.layouts.resize(section.controls().size());
        for (const Control& control : section.controls()) {
            prepared.fonts.push_back(inTwips(control.style.font));
            prepared.fields.push_back(control.kind == Control::Kind::TextBox ? rows_.fieldIndex(control.field) : -1);
        }
    }
    paginate();
}

void Printout::paginate() {
    const PageSetup& page = document_.page;
    const int pageHeader = document_.section(ReportDocument::PageHeader).height();
    const int pageFooter = document_.section(ReportDocument::PageFooter).height();
    const int detail = document_.section(ReportDocument::Detail).height();
    const int bottom = page.paperHeight - page.bottomMargin - pageFooter;
    int y = 0;

    auto place = [&](int section, int row, int height) {
        bands_.push_back({section, y, row});
        y += height;
    };
    auto startPage = [&] {
        pageStarts_.push_back(static_cast<int>(bands_.size()));
        y = page.topMargin;
    };
    auto endPage = [&] {
        if (pageFooter > 0) {
            const int saved = y;
            y = bottom;
            place(ReportDocument::PageFooter, -1, pageFooter);
            y = saved;
        }
    };
    auto fits = [&](int height) { return y + height <= bottom; };
    int rowsOnPage = 0;
    auto newPage = [&] {
        endPage();
        startPage();
        rowsOnPage = 0;
        if (pageHeader > 0) place(ReportDocument::PageHeader, -1, pageHeader);
    };

    startPage();
    if (const int header = document_.section(ReportDocument::ReportHeader).height(); header > 0) {
        place(ReportDocument::ReportHeader, -1, header);
    }
    if (pageHeader > 0) place(ReportDocument::PageHeader, -1, pageHeader);
    for (int row = 0; row < rows_.count(); ++row) {
        // A page holds at least one row, however tall the detail is.
        if (!fits(detail) && (rowsOnPage > 0 || pageStarts_.size() == 1)) newPage();
        place(ReportDocument::Detail, row, detail);
        ++rowsOnPage;
    }
    if (const int footer = document_.section(ReportDocument::ReportFooter).height(); footer > 0) {
        if (!fits(footer)) newPage();
        place(ReportDocument::ReportFooter, -1, footer);
    }
    endPage();
}

void Printout::drawText(QPainter& painter, int section, std::size_t index, const QRect& box, const QString& text) const {
    const Control& control = document_.section(static_cast<ReportDocument::SectionIndex>(section)).controls()[index];
    if (control.style.background.isValid()) painter.fillRect(box, control.style.background);
    if (text.isEmpty()) return;
    Prepared& prepared = prepared_[static_cast<std::size_t>(section)];
    // Most cells of a list repeat a few values: each is laid out once.
    auto& cache = prepared.layouts[index];
    auto found = cache.constFind(text);
    if (found == cache.constEnd()) {
        QList<QGlyphRun> runs = layOut(text, control.style, prepared.fonts[index], box.size());
        if (cache.size() >= kLayoutsKept) return drawRuns(painter, runs, box, control.style.color);
        found = cache.insert(text, std::move(runs));
    }
    drawRuns(painter, *found, box, control.style.color);
}

void Printout::drawRuns(QPainter& painter, const QList<QGlyphRun>& runs, const QRect& box, const QColor& color) {
    painter.setPen(color);
    for (const QGlyphRun& run : runs) painter.drawGlyphRun(QPointF(box.topLeft()), run);
}

void Printout::drawBand(QPainter& painter, const Band& band, std::vector<std::pair<QRect, QColor>>& rules) const {
    const Section& section = document_.section(static_cast<ReportDocument::SectionIndex>(band.section));
    const Prepared& prepared = prepared_[static_cast<std::size_t>(band.section)];
    const QPoint origin(document_.page.leftMargin, band.top);
    const auto& controls = section.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& control = controls[i];
        const QRect box = control.box.translated(origin);
        switch (control.kind) {
        case Control::Kind::Label: drawText(painter, band.section, i, box, control.text); break;
        case Control::Kind::TextBox: {
            QString value = rows_.value(band.row, prepared.fields[i]);
            if (control.format) value = control.format(value, band.row + 1);
            drawText(painter, band.section, i, box, value);
            break;
        }
        case Control::Kind::Picture:
            if (!control.picture.isNull()) painter.drawImage(QRectF(box), control.picture);
            break;
        case Control::Kind::Rectangle: painter.fillRect(box, control.fill); break;
        case Control::Kind::Rule: {
            const int t = control.thickness;
            // Centred on its line, so that rules meeting at a corner close it.
            const QRect rule = box.height() == 0
                                   ? QRect(box.left() - t / 2, box.top() - t / 2, box.width() + t, t)
                                   : QRect(box.left() - t / 2, box.top() - t / 2, t, box.height() + t);
            rules.emplace_back(rule, control.ink);
            break;
        }
        }
    }
}

void Printout::drawPage(QPainter& painter, int page) const {
    if (page < 0 || page >= pageCount()) return;
    const auto first = static_cast<std::size_t>(pageStarts_[static_cast<std::size_t>(page)]);
    const auto last = page + 1 < pageCount() ? static_cast<std::size_t>(pageStarts_[static_cast<std::size_t>(page) + 1])
                                             : bands_.size();
    painter.save();
    // The rules go over everything else on the page.
    std::vector<std::pair<QRect, QColor>> rules;
    for (std::size_t b = first; b < last; ++b) drawBand(painter, bands_[b], rules);
    for (const auto& [rule, ink] : joined(std::move(rules))) painter.fillRect(rule, ink);
    painter.restore();
}

QImage Printout::pageImage(int page, double dotsPerInch, double devicePixelRatio) const {
    const double scale = dotsPerInch * devicePixelRatio / kTwipsPerInch;
    const QSize pixels(static_cast<int>(std::ceil(paperSize().width() * scale)),
                       static_cast<int>(std::ceil(paperSize().height() * scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(scale / devicePixelRatio, scale / devicePixelRatio);
    drawPage(painter, page);
    return image;
}

bool Printout::writePdf(const QString& path) const { return writePdf(path, {}) == platform::WorkEnd::Done; }

platform::WorkEnd Printout::writePdf(const QString& path, const platform::UnitDone& pageDone) const {
    using platform::WorkEnd;
    platform::PartialFile partial(path);
    if (!partial.prepare()) return WorkEnd::Failed;
    QFile file(partial.path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return WorkEnd::Failed;
    WorkEnd end = WorkEnd::Failed;
    {
        QPdfWriter writer(&file);
        writer.setResolution(static_cast<int>(kTwipsPerInch));
        writer.setPageSize(QPageSize(QSizeF(paperSize()) / kTwipsPerInch, QPageSize::Inch, QString(),
                                     QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(document_.title);
        writer.setCreator(QStringLiteral("Pentarix"));
        QPainter painter;
        if (!painter.begin(&writer)) return WorkEnd::Failed;
        end = drawPages(painter, writer, 0, pageCount() - 1, pageDone);
        if (!painter.end() && end == WorkEnd::Done) end = WorkEnd::Failed;
    }
    file.close();
    if (end == WorkEnd::Done && file.error() != QFileDevice::NoError) end = WorkEnd::Failed;
    if (end == WorkEnd::Done && !partial.commit()) end = WorkEnd::Failed;
    return end;
}

platform::WorkEnd Printout::drawPages(QPainter& painter, QPagedPaintDevice& device, int from, int to,
                                      const platform::UnitDone& pageDone) const {
    const int total = to - from + 1;
    for (int page = from; page <= to; ++page) {
        if (page > from && !device.newPage()) return platform::WorkEnd::Failed;
        drawPage(painter, page);
        if (pageDone && !pageDone(page - from + 1, total)) return platform::WorkEnd::Cancelled;
    }
    return platform::WorkEnd::Done;
}

bool Printout::print(QPrinter& printer) const { return print(printer, {}) == platform::WorkEnd::Done; }

platform::WorkEnd Printout::print(QPrinter& printer, const platform::UnitDone& pageDone) const {
    using platform::WorkEnd;
    const QString target = printer.outputFileName();
    if (target.isEmpty()) return printPages(printer, pageDone);
    // A printer into a file writes a partial file that takes the target's
    // place once complete.
    platform::PartialFile partial(target);
    if (!partial.prepare()) return WorkEnd::Failed;
    printer.setOutputFileName(partial.path());
    WorkEnd end = printPages(printer, pageDone);
    printer.setOutputFileName(target);
    if (end == WorkEnd::Done && !partial.commit()) end = WorkEnd::Failed;
    return end;
}

platform::WorkEnd Printout::printPages(QPrinter& printer, const platform::UnitDone& pageDone) const {
    using platform::WorkEnd;
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QSizeF(paperSize()) / kTwipsPerInch, QPageSize::Inch, QString(),
                                  QPageSize::FuzzyMatch));
    printer.setDocName(document_.title);
    int from = 1;
    int to = pageCount();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(pageCount(), printer.toPage() > 0 ? printer.toPage() : pageCount());
    }
    QPainter painter;
    if (!painter.begin(&printer)) return WorkEnd::Failed;
    // The printer's own resolution; the report is drawn in twips.
    const double scale = printer.resolution() / kTwipsPerInch;
    painter.scale(scale, scale);
    const WorkEnd end = drawPages(painter, printer, from - 1, to - 1, pageDone);
    // What was sent of an abandoned print is taken back from the printer.
    if (end != WorkEnd::Done) printer.abort();
    if (!painter.end() && end == WorkEnd::Done) return WorkEnd::Failed;
    return end;
}

} // namespace pentarix::report

#pragma once

#include "platform/long_work.h"
#include "platform/report/report_document.h"

#include <QColor>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace pentarix {
class RecordView;
}

namespace pentarix::report {

// The rows a report prints, copied out of its row source when it is shown:
// the preview outlives the window that owns the view, and the view goes on
// changing under it.
class Rows {
public:
    Rows() = default;
    // The view's visible rows, in the view's order, with the given fields.
    static Rows of(const RecordView& view, const QStringList& fields);

    int count() const noexcept { return count_; }
    int fieldIndex(const QString& field) const; // -1 when not copied
    // Empty for a field that was not copied or that the table lacks.
    QString value(int row, int field) const;

private:
    QStringList fields_;
    std::vector<QString> cells_;
    int count_ = 0;
};

// A report document and its rows, laid out into pages: what the preview
// shows, the printer prints and a PDF holds. Every page is drawn by the same
// code, in twips, and can be drawn on its own in any order.
class Printout {
public:
    Printout(ReportDocument document, Rows rows);

    const ReportDocument& document() const noexcept { return document_; }
    const Rows& rows() const noexcept { return rows_; }
    int pageCount() const noexcept { return static_cast<int>(pageStarts_.size()); }
    // The paper, twips.
    QSize paperSize() const { return {document_.page.paperWidth, document_.page.paperHeight}; }

    // Draws a page; the painter's units are twips from the paper's top left.
    void drawPage(QPainter& painter, int page) const;
    // A page as a picture at the given resolution.
    QImage pageImage(int page, double dotsPerInch, double devicePixelRatio = 1.0) const;
    // Writes every page into a PDF file with its fonts embedded; false when
    // the file cannot be written.
    bool writePdf(const QString& path) const;
    // The same, telling pageDone of each page written; when it answers false
    // the writing stops. The pages go into a partial file beside the target,
    // which takes the target's place only once every page is in it: a stop or
    // a failure leaves no file behind and an earlier file unchanged.
    platform::WorkEnd writePdf(const QString& path, const platform::UnitDone& pageDone) const;
    // Sends every page, or the pages from..to (1-based) the printer asks for.
    bool print(QPrinter& printer) const;
    // The same, telling pageDone of each page sent; when it answers false the
    // print is abandoned. A printer that prints into a file gets it whole or
    // not at all, as a PDF does.
    platform::WorkEnd print(QPrinter& printer, const platform::UnitDone& pageDone) const;

private:
    struct Band {
        int section; // ReportDocument::SectionIndex
        int top;     // twips from the paper's top
        int row;     // the detail row drawn, -1 for the other sections
    };
    struct Prepared {
        std::vector<QFont> fonts; // per control, sized in twips
        std::vector<int> fields;  // per control, index into the rows, -1 for none
        std::vector<QHash<QString, QList<QGlyphRun>>> layouts; // per control, its texts laid out
    };
    // Texts laid out and kept per control; a column of values that all
    // differ (codes, row numbers) is laid out anew beyond this.
    static constexpr qsizetype kLayoutsKept = 50000;

    void paginate();
    platform::WorkEnd drawPages(QPainter& painter, QPagedPaintDevice& device, int from, int to,
                                const platform::UnitDone& pageDone) const;
    platform::WorkEnd printPages(QPrinter& printer, const platform::UnitDone& pageDone) const;
    void drawBand(QPainter& painter, const Band& band, std::vector<std::pair<QRect, QColor>>& rules) const;
    void drawText(QPainter& painter, int section, std::size_t control, const QRect& box, const QString& text) const;
    static void drawRuns(QPainter& painter, const QList<QGlyphRun>& runs, const QRect& box, const QColor& color);

    ReportDocument document_;
    Rows rows_;
    mutable std::array<Prepared, 5> prepared_;
    std::vector<Band> bands_;
    std::vector<int> pageStarts_; // index into bands_ of each page's first band
};

} // namespace pentarix::report

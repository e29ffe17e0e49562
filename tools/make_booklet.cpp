// Makes the questionnaire booklet, a PDF of the 50 items as the delivered
// database holds them, at build time. The program only shows the booklet.
//
//   make_booklet DATABASE OUTPUT.pdf
#include "booklet_texts.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTextOption>

#include <sqlite3.h>

#include <cstdio>
#include <vector>

namespace {

struct Item {
    int number;
    QString text;
};

std::vector<Item> readItems(const char* path, QString& error) {
    std::vector<Item> items;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path, &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return items;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT ID, QU FROM QU ORDER BY ID", -1, &statement, nullptr) != SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 1));
            items.push_back({sqlite3_column_int(statement, 0), QString::fromUtf8(text ? text : "")});
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return items;
}

QFont persian(double points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Nazli"), QStringLiteral("Noto Sans Arabic")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QTextOption rightToLeft(Qt::Alignment alignment, bool wrap) {
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    // Without AlignAbsolute a right-to-left option reads "right" as "left".
    option.setAlignment(alignment | Qt::AlignAbsolute);
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    return option;
}

class Booklet {
public:
    explicit Booklet(QPdfWriter& writer)
        : writer_(writer), unit_(writer.resolution() / 25.4), page_(0, 0, writer.width(), writer.height()) {}

    double mm(double millimetres) const { return millimetres * unit_; }

    bool write(const std::vector<Item>& items) {
        QPainter painter;
        if (!painter.begin(&writer_)) return false;
        painter_ = &painter;
        layOut(items);
        for (std::size_t page = 0; page < pages_.size(); ++page) {
            if (page > 0) writer_.newPage();
            drawPage(page);
        }
        painter.end();
        return true;
    }

private:
    struct Row {
        const Item* item;
        double height;
    };
    struct Page {
        std::vector<Row> rows;
    };

    // Column edges, right to left: the number, the sentence, then the five answers.
    double right() const { return page_.width() - mm(15); }
    double left() const { return mm(15); }
    double numberLeft() const { return right() - mm(12); }
    double answerWidth() const { return mm(17); }
    double answersLeft() const { return left(); }
    double textLeft() const { return answersLeft() + 5 * answerWidth(); }
    double bottom() const { return page_.height() - mm(18); }

    double measure(const QString& text, const QFont& font, double width) {
        painter_->setFont(font);
        return painter_->boundingRect(QRectF(0, 0, width, 1e6), text, rightToLeft(Qt::AlignRight, true)).height();
    }

    double introHeight() {
        const double width = right() - left();
        return measure(booklet_texts::kTitle, persian(18, true), width) + mm(3) +
               measure(booklet_texts::kSubtitle, persian(12), width) + mm(5) +
               measure(booklet_texts::kInstructions, persian(12), width) + mm(6);
    }

    double headerHeight() { return mm(14); }

    void layOut(const std::vector<Item>& items) {
        const double top = mm(15);
        double y = top + introHeight() + headerHeight();
        pages_.push_back({});
        for (const Item& item : items) {
            const double height =
                std::max(mm(10), measure(item.text, persian(12), numberLeft() - textLeft() - mm(4)) + mm(4));
            if (y + height > bottom()) {
                pages_.push_back({});
                y = top + headerHeight();
            }
            pages_.back().rows.push_back({&item, height});
            y += height;
        }
    }

    void text(const QRectF& box, const QString& text, const QFont& font, Qt::Alignment alignment,
              bool wrap = true) {
        painter_->setFont(font);
        painter_->drawText(box, text, rightToLeft(alignment, wrap));
    }

    double drawIntro(double y) {
        const double width = right() - left();
        painter_->setPen(QColor(0x1d, 0x35, 0x57));
        double h = measure(booklet_texts::kTitle, persian(18, true), width);
        text(QRectF(left(), y, width, h), booklet_texts::kTitle, persian(18, true), Qt::AlignHCenter);
        y += h + mm(3);
        h = measure(booklet_texts::kSubtitle, persian(12), width);
        text(QRectF(left(), y, width, h), booklet_texts::kSubtitle, persian(12), Qt::AlignHCenter);
        y += h + mm(5);
        h = measure(booklet_texts::kInstructions, persian(12), width);
        painter_->setPen(Qt::black);
        text(QRectF(left(), y, width, h), booklet_texts::kInstructions, persian(12), Qt::AlignJustify);
        return y + h + mm(6);
    }

    double drawHeader(double y) {
        const QRectF band(left(), y, right() - left(), headerHeight());
        painter_->fillRect(band, QColor(0xdb, 0xe8, 0xf5));
        painter_->setPen(QColor(0x1d, 0x35, 0x57));
        text(QRectF(numberLeft(), y, right() - numberLeft(), headerHeight()), booklet_texts::kNumberHeading,
             persian(11, true), Qt::AlignCenter, false);
        text(QRectF(textLeft(), y, numberLeft() - textLeft() - mm(2), headerHeight()), booklet_texts::kItemHeading,
             persian(11, true), Qt::AlignRight | Qt::AlignVCenter, false);
        // The answers from the right: "mostly untrue" next to the sentence.
        for (int k = 0; k < 5; ++k) {
            const QRectF cell(textLeft() - (k + 1) * answerWidth(), y, answerWidth(), headerHeight());
            text(cell.adjusted(mm(0.5), 0, -mm(0.5), 0), booklet_texts::kAnswers[k].trimmed(), persian(9, true),
                 Qt::AlignCenter);
        }
        painter_->setPen(QPen(QColor(0x9b, 0xb8, 0xd6), mm(0.3)));
        painter_->drawRect(band);
        return y + headerHeight();
    }

    void drawRow(const Row& row, double y, bool shaded) {
        const QRectF band(left(), y, right() - left(), row.height);
        if (shaded) painter_->fillRect(band, QColor(0xf1, 0xf6, 0xfb));
        painter_->setPen(QColor(0x1d, 0x35, 0x57));
        text(QRectF(numberLeft(), y, right() - numberLeft(), row.height), QString::number(row.item->number),
             persian(12, true), Qt::AlignCenter, false);
        painter_->setPen(Qt::black);
        text(QRectF(textLeft() + mm(2), y + mm(2), numberLeft() - textLeft() - mm(4), row.height - mm(4)),
             row.item->text, persian(12), Qt::AlignRight | Qt::AlignVCenter);
        painter_->setPen(QPen(QColor(0x5a, 0x6b, 0x80), mm(0.3)));
        painter_->setBrush(Qt::NoBrush);
        for (int k = 0; k < 5; ++k) {
            const QPointF centre(textLeft() - (k + 0.5) * answerWidth(), y + row.height / 2);
            painter_->drawEllipse(centre, mm(2.2), mm(2.2));
        }
        painter_->setPen(QPen(QColor(0xc5, 0xd6, 0xe8), mm(0.2)));
        painter_->drawLine(QPointF(left(), y + row.height), QPointF(right(), y + row.height));
    }

    void drawPage(std::size_t index) {
        painter_->setRenderHint(QPainter::Antialiasing);
        double y = mm(15);
        if (index == 0) y = drawIntro(y);
        y = drawHeader(y);
        bool shaded = false;
        for (const Row& row : pages_[index].rows) {
            drawRow(row, y, shaded);
            shaded = !shaded;
            y += row.height;
        }
        painter_->setPen(QColor(0x5a, 0x6b, 0x80));
        const QString footer =
            booklet_texts::kPage.arg(static_cast<int>(index) + 1).arg(static_cast<int>(pages_.size()));
        text(QRectF(left(), bottom() + mm(6), right() - left(), mm(8)), footer, persian(10), Qt::AlignCenter,
             false);
    }

    QPdfWriter& writer_;
    double unit_;
    QRectF page_;
    QPainter* painter_ = nullptr;
    std::vector<Page> pages_;
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_booklet DATABASE OUTPUT.pdf\n");
        return 2;
    }
    QString error;
    const std::vector<Item> items = readItems(argv[1], error);
    if (items.empty()) {
        std::fprintf(stderr, "no items in %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Big five 50 Persian"));
    writer.setCreator(QStringLiteral("Pentarix"));
    if (!Booklet(writer).write(items)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

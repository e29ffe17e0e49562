#include "platform/fit_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

namespace pentarix::platform {

namespace {

constexpr double kStep = 0.5; // points

QFont sized(const QFont& designed, double points) {
    QFont font = designed;
    font.setPointSizeF(points);
    return font;
}

bool fitsOneLine(const QString& text, const QFont& font, const QRect& area) {
    return QFontMetrics(font).horizontalAdvance(text) <= area.width();
}

bool fitsWrapped(const QString& text, const QFont& font, const QRect& area) {
    const QRect needed = QFontMetrics(font).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

} // namespace

void fitText(QLabel* label, const QString& text, const QFont& designed, double smallestPoints) {
    const int margin = label->margin();
    const QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const double largest = designed.pointSizeF() > 0 ? designed.pointSizeF() : 12.0;
    for (const bool wrapped : {false, true}) {
        for (double points = largest; points >= smallestPoints; points -= kStep) {
            const QFont font = sized(designed, points);
            if (wrapped ? fitsWrapped(text, font, area) : fitsOneLine(text, font, area)) {
                label->setWordWrap(wrapped);
                label->setFont(font);
                label->setText(text);
                return;
            }
        }
    }
    const QFont smallest = sized(designed, smallestPoints);
    label->setWordWrap(false);
    label->setFont(smallest);
    label->setText(QFontMetrics(smallest).elidedText(text, Qt::ElideRight, area.width()));
}

} // namespace pentarix::platform

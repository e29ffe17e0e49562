#include "platform/twips.h"

#include <QWidget>

namespace pentarix::twips {

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(rect(left, top, width, height));
}

void placeWidth(QWidget* widget, int left, int top, int width) {
    widget->setGeometry(px(left), px(top), px(width), widget->sizeHint().height());
}

void moveWindow(QWidget* window, int left, int top) { window->move(point(left, top)); }

void setClientSize(QWidget* window, int width, int height) { window->setFixedSize(size(width, height)); }

} // namespace pentarix::twips

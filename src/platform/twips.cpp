#include "platform/twips.h"

#include <QWidget>

namespace pentarix::twips {

void place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(rect(left, top, width, height));
}

// A drop-down list's height follows its font, as the lists were designed:
// 435 twips for the windows' 12-point face. Asking the widget for its size
// hint instead would lay out its text while the window is still being built.
void placeWidth(QWidget* widget, int left, int top, int width) {
    widget->setGeometry(px(left), px(top), px(width), px(kListHeight));
}

void moveWindow(QWidget* window, int left, int top) { window->move(point(left, top)); }

void setClientSize(QWidget* window, int width, int height) { window->setFixedSize(size(width, height)); }

} // namespace pentarix::twips

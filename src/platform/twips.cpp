#include "platform/twips.h"

#include <QWidget>
#include <QWindow>

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

// Before a window is shown Qt takes the position as the frame's. A window
// already on screen may not know its frame yet (the window manager adds it a
// moment after the show), and Qt would then put its client area there: the
// position goes to the window system as the frame's in either case.
void moveWindow(QWidget* window, int left, int top) {
    window->move(point(left, top));
    if (window->testAttribute(Qt::WA_WState_Created) && window->windowHandle()) {
        window->windowHandle()->setFramePosition(point(left, top));
    }
}

void setClientSize(QWidget* window, int width, int height) { window->setFixedSize(size(width, height)); }

} // namespace pentarix::twips

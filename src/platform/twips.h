#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Window tables give positions in twips: 15 twips to a pixel at 96 dpi.
namespace pentarix::twips {

inline constexpr int kPerPixel = 15;

constexpr int px(int twips) {
    return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel : -((-twips + kPerPixel / 2) / kPerPixel);
}
constexpr int fromPx(int pixels) { return pixels * kPerPixel; }

inline QRect rect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}
inline QPoint point(int left, int top) { return QPoint(px(left), px(top)); }
inline QSize size(int width, int height) { return QSize(px(width), px(height)); }

// Places a child control; its position stays as given in a right-to-left window.
void place(QWidget* widget, int left, int top, int width, int height);
// Places a drop-down list, whose height is not the designer's to choose.
inline constexpr int kListHeight = 435;
void placeWidth(QWidget* widget, int left, int top, int width);
// Places a top-level window's frame at a screen position.
void moveWindow(QWidget* window, int left, int top);
// Fixes the client area of a top-level window.
void setClientSize(QWidget* window, int width, int height);

} // namespace pentarix::twips

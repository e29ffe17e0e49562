#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace pentarix {

// The character code of a typed key as a KeyPress handler sees it: 8 for
// Backspace, 13 for Enter, the character's code otherwise; -1 for keys that
// type no character (arrows, Delete, Home), which reach no such handler.
int keyAsciiOf(const QKeyEvent* event);

// Runs a KeyPress handler for every character key typed into the widget,
// inside the handler boundary; a handler that sets the code to 0 drops the key.
void onKeyPress(QWidget* widget, std::function<void(int&)> handler);

template <class Window>
void onKeyPress(QWidget* widget, Window* window, void (Window::*handler)(int&)) {
    onKeyPress(widget, [window, handler](int& keyAscii) { (window->*handler)(keyAscii); });
}

} // namespace pentarix

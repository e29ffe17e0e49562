#pragma once

#include <QObject>

#include <exception>
#include <type_traits>
#include <utility>

class QWidget;

// The one boundary between Qt's event loop and the windows' handlers. Qt may
// not be unwound by an exception, so every handler runs inside it: a failure
// that the handler did not deal with itself is told to the operator in a
// Persian box through the modal seam, and the program goes on.
namespace pentarix {

// The operator's text for a failure: a data failure's own description, or a
// Persian sentence with any engine text after it, kept left to right.
QString failureText(const std::exception_ptr& failure);

// Shows the failure box, owned by the window of the context. Never throws.
void reportFailure(QObject* context, const std::exception_ptr& failure) noexcept;

// Runs body at the boundary.
template <class Body>
void runHandler(QObject* context, Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
        reportFailure(context, std::current_exception());
    }
}

// Connects a signal to a window's handler through the boundary. The handler
// takes the first of the signal's arguments or none; the connection ends
// with the window.
template <class Sender, class Signal, class Window, class Owner, class Result, class... Args>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Window* window,
                                       Result (Owner::*handler)(Args...)) {
    static_assert(std::is_base_of_v<Owner, Window>, "the handler belongs to another class");
    return QObject::connect(sender, signal, window, [window, handler](Args... args) {
        runHandler(window, [&] { (window->*handler)(std::forward<Args>(args)...); });
    });
}

} // namespace pentarix

#pragma once

#include <QString>

class QTimer;
class QWidget;

namespace pentarix {

// The information box that closes itself: titled "پيام", OK only.
inline const QString kTimedMessageTitle = QStringLiteral("پيام");
inline constexpr int kTimedMessageTimerId = 20480;
inline constexpr int kTimedMessageDelay = 1000;

// Shows the box owned by the window and returns once it has closed, by the
// operator or, after the delay, by the window's dismissal timer. One timer per
// window: starting it again replaces it, and the delay counts from now.
void ShowTimedMessage(QWidget* owner, const QString& text, int delayMs = kTimedMessageDelay);

// The timer's callback: stops the window's timer, then closes the first
// top-level box titled as above as if its OK button were pressed. Never fails.
void AutoDismissTimer(QWidget* window, int timerId);

// What the dismissal timers run on. The program leaves them to Qt's clock; a
// test installs one it moves on by hand, so that a delay passes without waiting.
class DismissalClock {
public:
    virtual ~DismissalClock() = default;
    // Starts or restarts the window's timer to fire delayMs from now.
    virtual void start(QTimer& timer, int delayMs) = 0;
};

// Installs a clock for the dismissal timers started from now on; nullptr
// restores Qt's clock.
void setDismissalClock(DismissalClock* clock);

// A plain modal box with a style of the platform's table; answers 1 (OK),
// 6 (Yes) or 7 (No).
int MessageBox(QWidget* owner, const QString& text, const QString& title, int style);

} // namespace pentarix

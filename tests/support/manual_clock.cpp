#include "support/manual_clock.h"

#include <QMetaObject>
#include <QTimer>

#include <algorithm>

namespace pentarix::test {

ManualDismissalClock::ManualDismissalClock() {
    setDismissalClock(this);
}

ManualDismissalClock::~ManualDismissalClock() {
    setDismissalClock(nullptr);
}

void ManualDismissalClock::start(QTimer& timer, int delayMs) {
    // Restarting replaces the earlier moment, as QTimer::start does.
    std::erase_if(waiting_, [&timer](const Waiting& w) { return w.timer == &timer; });
    waiting_.push_back({&timer, now_ + delayMs});
}

void ManualDismissalClock::advance(int ms) {
    const qint64 until = now_ + ms;
    for (;;) {
        std::erase_if(waiting_, [](const Waiting& w) { return w.timer.isNull(); });
        auto next = std::min_element(waiting_.begin(), waiting_.end(),
                                     [](const Waiting& a, const Waiting& b) { return a.due < b.due; });
        if (next == waiting_.end() || next->due > until) break;
        now_ = next->due;
        QPointer<QTimer> timer = next->timer;
        waiting_.erase(next);
        // The timer's own signal, so the window's connection runs as it would.
        QMetaObject::invokeMethod(timer.data(), "timeout", Qt::DirectConnection);
    }
    now_ = until;
}

bool ManualDismissalClock::pending(const QTimer* timer) const {
    return std::any_of(waiting_.begin(), waiting_.end(),
                       [timer](const Waiting& w) { return w.timer == timer; });
}

} // namespace pentarix::test

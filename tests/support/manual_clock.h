#pragma once

#include "common/messages.h"

#include <QPointer>

#include <vector>

class QTimer;

namespace pentarix::test {

// A clock for the timed boxes that moves only when the test moves it.
// Installed for its lifetime; a timer it holds fires, as Qt's would, when the
// clock passes its moment and nothing has stopped or restarted it since.
class ManualDismissalClock final : public DismissalClock {
public:
    ManualDismissalClock();
    ~ManualDismissalClock() override;
    ManualDismissalClock(const ManualDismissalClock&) = delete;
    ManualDismissalClock& operator=(const ManualDismissalClock&) = delete;

    void start(QTimer& timer, int delayMs) override;

    // Moves the clock on and fires every timer whose moment has come, in order.
    void advance(int ms);
    // Whether the timer is waiting on this clock.
    bool pending(const QTimer* timer) const;

private:
    struct Waiting {
        QPointer<QTimer> timer;
        qint64 due;
    };
    qint64 now_ = 0;
    std::vector<Waiting> waiting_;
};

} // namespace pentarix::test

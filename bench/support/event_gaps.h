#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace pentarix::bench {

// The waits between rounds of window events while work runs: a zero timer
// ticks each time the events run, and the time between ticks is the longest
// the window went without repainting or taking input.
class EventGaps {
public:
    EventGaps() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { tick(); });
    }
    void start() {
        clock_.start();
        timer_.start();
    }
    void stop() {
        tick();
        timer_.stop();
    }
    double longestMs() const { return gapsMs_.empty() ? 0 : *std::max_element(gapsMs_.begin(), gapsMs_.end()); }
    // The wait that 99 of 100 rounds of events stay within.
    double percentile99Ms() const {
        if (gapsMs_.empty()) return 0;
        std::vector<double> sorted = gapsMs_;
        const auto at = sorted.begin() + static_cast<std::ptrdiff_t>((sorted.size() - 1) * 99 / 100);
        std::nth_element(sorted.begin(), at, sorted.end());
        return *at;
    }

private:
    void tick() {
        gapsMs_.push_back(static_cast<double>(clock_.nsecsElapsed()) / 1e6);
        clock_.restart();
    }
    QTimer timer_;
    QElapsedTimer clock_;
    std::vector<double> gapsMs_;
};

} // namespace pentarix::bench

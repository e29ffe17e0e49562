#pragma once

#include <QElapsedTimer>
#include <QPointer>

#include <functional>

class QMessageBox;
class QObject;
class QTimer;

namespace pentarix::test {

// The modal message box on screen, if any.
QMessageBox* activeBox();

// Answers the first real message box shown while it lives: once a box is
// visible (and at least afterMs have passed) the action runs on it once. A
// test that expected a box fails when none appeared, as a box that never
// shows would otherwise pass silently.
class WhenBoxShown final {
public:
    WhenBoxShown(QObject* context, std::function<void(QMessageBox*)> action, int afterMs = 0);
    ~WhenBoxShown();
    WhenBoxShown(const WhenBoxShown&) = delete;
    WhenBoxShown& operator=(const WhenBoxShown&) = delete;
    WhenBoxShown(WhenBoxShown&&) = delete;
    WhenBoxShown& operator=(WhenBoxShown&&) = delete;

    bool answered() const { return answered_; }

private:
    void poll();

    std::function<void(QMessageBox*)> action_;
    int afterMs_;
    QElapsedTimer since_;
    QPointer<QTimer> timer_;
    bool answered_ = false;
};

} // namespace pentarix::test

#include "support/real_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace pentarix::test {

QMessageBox* activeBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

WhenBoxShown::WhenBoxShown(QObject* context, std::function<void(QMessageBox*)> action, int afterMs)
    : action_(std::move(action)), afterMs_(afterMs), timer_(new QTimer(context)) {
    timer_->setInterval(10);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { poll(); });
    since_.start();
    timer_->start();
}

WhenBoxShown::~WhenBoxShown() {
    delete timer_.data();
    if (!answered_) ADD_FAILURE() << "no message box appeared to be answered";
}

void WhenBoxShown::poll() {
    QMessageBox* box = activeBox();
    if (!box || !box->isVisible() || since_.elapsed() < afterMs_) return;
    timer_->stop();
    answered_ = true;
    action_(box);
}

} // namespace pentarix::test

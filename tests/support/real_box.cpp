#include "support/real_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace pentarix::test {

QMessageBox* activeBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

WhenDialogShown::WhenDialogShown(QObject* context, std::function<void(QDialog*)> action, int afterMs)
    : WhenDialogShown(
          context, [] { return qobject_cast<QDialog*>(QApplication::activeModalWidget()); }, std::move(action),
          afterMs) {}

WhenDialogShown::WhenDialogShown(QObject* context, std::function<QDialog*()> find,
                                 std::function<void(QDialog*)> action, int afterMs)
    : find_(std::move(find)), action_(std::move(action)), afterMs_(afterMs), timer_(new QTimer(context)) {
    timer_->setInterval(10);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { poll(); });
    since_.start();
    timer_->start();
}

WhenBoxShown::WhenBoxShown(QObject* context, std::function<void(QMessageBox*)> action, int afterMs)
    : WhenDialogShown(
          context, [] { return static_cast<QDialog*>(activeBox()); },
          [boxAction = std::move(action)](QDialog* box) { boxAction(static_cast<QMessageBox*>(box)); }, afterMs) {}

WhenDialogShown::~WhenDialogShown() {
    delete timer_.data();
    if (!answered_) ADD_FAILURE() << "no dialog appeared to be answered";
}

void WhenDialogShown::poll() {
    QDialog* dialog = find_();
    if (!dialog || !dialog->isVisible() || since_.elapsed() < afterMs_) return;
    timer_->stop();
    answered_ = true;
    action_(dialog);
}

} // namespace pentarix::test

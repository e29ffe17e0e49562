#include "common/messages.h"

#include "platform/modal.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace pentarix {

namespace {

DismissalClock* installedClock = nullptr;

void startTimer(QTimer& timer, int delayMs) {
    if (installedClock) {
        installedClock->start(timer, delayMs);
    } else {
        timer.start(delayMs);
    }
}

QTimer* dismissalTimer(QWidget* window, bool create) {
    const QString name = QStringLiteral("AutoDismissTimer%1").arg(kTimedMessageTimerId);
    auto* timer = window->findChild<QTimer*>(name, Qt::FindDirectChildrenOnly);
    if (!timer && create) {
        timer = new QTimer(window);
        timer->setObjectName(name);
        timer->setSingleShot(true);
        // A coarse timer may fire 5% early; the delay is a promise to the operator.
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, window,
                         [window] { AutoDismissTimer(window, kTimedMessageTimerId); });
    }
    return timer;
}

} // namespace

void ShowTimedMessage(QWidget* owner, const QString& text, int delayMs) {
    if (owner) startTimer(*dismissalTimer(owner, true), delayMs);
    platform::modal().messageBox(owner, text, kTimedMessageTitle, platform::style::kOk);
}

void AutoDismissTimer(QWidget* window, int timerId) {
    if (window && timerId == kTimedMessageTimerId) {
        if (QTimer* timer = dismissalTimer(window, false)) timer->stop();
    }
    try {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(top);
            if (!box || !box->isVisible() || box->windowTitle() != kTimedMessageTitle) continue;
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                ok->click();
            } else if (QAbstractButton* fallback = box->defaultButton()) {
                fallback->click();
            }
            break;
        }
    } catch (...) {
        // The callback reports nothing to the operator.
    }
}

void setDismissalClock(DismissalClock* clock) { installedClock = clock; }

int MessageBox(QWidget* owner, const QString& text, const QString& title, int style) {
    return platform::modal().messageBox(owner, text, title, style);
}

} // namespace pentarix

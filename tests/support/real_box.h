#pragma once

#include <QElapsedTimer>
#include <QPointer>

#include <functional>

class QDialog;
class QMessageBox;
class QObject;
class QTimer;

namespace pentarix::test {

// The modal message box on screen, if any.
QMessageBox* activeBox();

// Answers the first real modal dialog shown while it lives (input boxes, file
// dialogs, message boxes): once one is visible (and at least afterMs have
// passed) the action runs on it once. A test that expected a dialog fails
// when none appeared, as a dialog that never shows would otherwise pass
// silently.
class WhenDialogShown {
public:
    WhenDialogShown(QObject* context, std::function<void(QDialog*)> action, int afterMs = 0);
    ~WhenDialogShown();
    WhenDialogShown(const WhenDialogShown&) = delete;
    WhenDialogShown& operator=(const WhenDialogShown&) = delete;
    WhenDialogShown(WhenDialogShown&&) = delete;
    WhenDialogShown& operator=(WhenDialogShown&&) = delete;

    bool answered() const { return answered_; }

protected:
    // Dialogs that find picks out of the active modal widget only.
    WhenDialogShown(QObject* context, std::function<QDialog*()> find, std::function<void(QDialog*)> action,
                    int afterMs);

private:
    void poll();

    std::function<QDialog*()> find_;
    std::function<void(QDialog*)> action_;
    int afterMs_;
    QElapsedTimer since_;
    QPointer<QTimer> timer_;
    bool answered_ = false;
};

// The same for the first real message box.
class WhenBoxShown final : public WhenDialogShown {
public:
    WhenBoxShown(QObject* context, std::function<void(QMessageBox*)> action, int afterMs = 0);
};

} // namespace pentarix::test

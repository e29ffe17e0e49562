#include "platform/long_work.h"

#include "platform/fonts.h"
#include "platform/long_work_texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>

namespace pentarix::platform {

namespace texts = long_work_texts;

// The progress of a piece of long work, above the window it was asked from.
class ProgressWindow final : public QDialog {
public:
    ProgressWindow(QWidget* owner, const QString& caption, int total, std::function<void()> onCancel)
        : QDialog(owner ? owner->window() : nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
          onCancel_(std::move(onCancel)) {
        setObjectName(QStringLiteral("LongWorkWindow"));
        setWindowTitle(texts::kTitle);
        setLayoutDirection(Qt::RightToLeft);
        // Nothing else takes input while the work runs: no second piece of
        // work starts and the owner is not closed under it.
        setWindowModality(Qt::ApplicationModal);
        caption_ = new QLabel(caption, this);
        caption_->setObjectName(QStringLiteral("captionLabel"));
        caption_->setWordWrap(true);
        bar_ = new QProgressBar(this);
        bar_->setObjectName(QStringLiteral("progressBar"));
        bar_->setRange(0, std::max(1, total));
        bar_->setValue(0);
        bar_->setTextVisible(false);
        count_ = new QLabel(this);
        count_->setObjectName(QStringLiteral("countLabel"));
        cancel_ = new QPushButton(texts::kCancel, this);
        cancel_->setObjectName(QStringLiteral("cancelButton"));
        cancel_->setAutoDefault(false);
        connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(18, 14, 18, 14);
        column->setSpacing(8);
        column->addWidget(caption_);
        column->addWidget(bar_);
        column->addWidget(count_);
        column->addWidget(cancel_, 0, Qt::AlignHCenter);
        fonts::setDialogFont(*this, fonts::boxes());
        setFixedWidth(420);
        show(0, total);
    }

    void show(int done, int total) {
        bar_->setValue(done);
        count_->setText(texts::kDoneOf.arg(done).arg(total));
    }

    // Over the middle of its owner, inside the owner's screen.
    void place() {
        adjustSize();
        const QWidget* owner = parentWidget();
        const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        QRect frame = frameGeometry();
        frame.moveCenter(owner ? owner->frameGeometry().center() : screen->availableGeometry().center());
        if (screen) {
            const QRect room = screen->availableGeometry();
            frame.moveLeft(std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width())));
            frame.moveTop(std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height())));
        }
        move(frame.topLeft());
    }

    void reject() override {
        if (cancelling_) return;
        cancelling_ = true;
        cancel_->setEnabled(false);
        caption_->setText(texts::kCancelling);
        onCancel_();
    }

protected:
    // The window's close button cancels too; the work closes the window.
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        reject();
    }

private:
    std::function<void()> onCancel_;
    QLabel* caption_;
    QProgressBar* bar_;
    QLabel* count_;
    QPushButton* cancel_;
    bool cancelling_ = false;
};

LongWork::LongWork(QWidget* owner, const QString& caption, int total)
    : owner_(owner), caption_(caption), total_(total) {
    started_.start();
    sinceEvents_.start();
    if (total_ >= kShowAtOnce) showWindow();
}

LongWork::~LongWork() {
    // Deleted at once: the work is over, and a later event must not find it.
    delete window_.data();
}

void LongWork::cancel() { cancelled_ = true; }

void LongWork::showWindow() {
    window_ = new ProgressWindow(owner_, caption_, total_, [this] { cancel(); });
    window_->place();
    window_->QDialog::show();
    window_->raise();
    window_->activateWindow();
    // Drawn before the first unit of work.
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

bool LongWork::advance(int done) {
    if (cancelled_) return false;
    if (sinceEvents_.elapsed() >= kSliceMs) letEventsRun(done);
    return !cancelled_;
}

void LongWork::letEventsRun(int done) {
    if (!window_ && started_.elapsed() >= kShowAfterMs) showWindow();
    if (window_) window_->show(done, total_);
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

UnitDone LongWork::unitDone() {
    return [this](int done, int) { return advance(done); };
}

// --- PartialFile

namespace {
const QString kPartialPrefix = QStringLiteral(".");
const QString kPartialSuffix = QStringLiteral(".pentarix-partial");
} // namespace

PartialFile::PartialFile(QString target) : target_(std::move(target)), partial_(partialPathOf(target_)) {}

PartialFile::~PartialFile() {
    if (!committed_) QFile::remove(partial_);
}

QString PartialFile::partialPathOf(const QString& target) {
    const QFileInfo info(target);
    return QDir(info.path()).filePath(kPartialPrefix + info.fileName() + kPartialSuffix);
}

// Hidden and with an ending no operator types, so that clearing leftovers can
// never take an operator's file.
bool PartialFile::isPartialName(const QString& name) {
    return name.size() > kPartialPrefix.size() + kPartialSuffix.size() && name.startsWith(kPartialPrefix) &&
           name.endsWith(kPartialSuffix);
}

bool PartialFile::prepare() {
    const QFileInfo info(partial_);
    if (!info.exists() && !info.isSymLink()) return true;
    return info.isFile() && QFile::remove(partial_);
}

bool PartialFile::commit() {
    // rename() replaces an existing target in one step.
    committed_ = std::rename(QFile::encodeName(partial_).constData(), QFile::encodeName(target_).constData()) == 0;
    return committed_;
}

} // namespace pentarix::platform

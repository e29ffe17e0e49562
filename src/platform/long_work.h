#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;

namespace pentarix::platform {

class ProgressWindow;

// How a piece of long work ended.
enum class WorkEnd { Done, Cancelled, Failed };

// Called after each unit of a long piece of work with the units done and
// all units; false asks the work to stop.
using UnitDone = std::function<bool(int done, int total)>;

// Long work done in units on the window thread: whenever the units since
// the window events last ran took a slice of time, the events run again, so
// the windows repaint and the operator can cancel. A progress window over
// the owner shows how far the work is, with a cancel button; while it is up
// no other window takes input, so no second piece of work starts.
class LongWork {
public:
    // The window shows at once for work of many units, otherwise only when
    // the work outlasts a short wait.
    LongWork(QWidget* owner, const QString& caption, int total);
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    // Reports units done; false once the operator has cancelled.
    bool advance(int done);
    bool cancelled() const noexcept { return cancelled_; }
    void cancel();
    // advance() as a UnitDone.
    UnitDone unitDone();

    // Units from which the progress window shows at once.
    static constexpr int kShowAtOnce = 20;
    // The longest stretch of work between two runs of window events.
    static constexpr qint64 kSliceMs = 15;
    // Shorter work shows no window.
    static constexpr qint64 kShowAfterMs = 300;

private:
    void showWindow();
    void letEventsRun(int done);

    QPointer<QWidget> owner_;
    QString caption_;
    int total_;
    bool cancelled_ = false;
    QPointer<ProgressWindow> window_;
    QElapsedTimer started_;
    QElapsedTimer sinceEvents_;
};

// A file written under a hidden partial name beside its target,
// ".NAME.pentarix-partial", and renamed onto the target only when complete:
// work that is cancelled or fails leaves neither the target changed nor the
// partial file behind.
class PartialFile {
public:
    explicit PartialFile(QString target);
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    // The partial name of a target; the one place the naming lives, so that
    // clearing leftovers finds every partial file the program writes.
    static QString partialPathOf(const QString& target);
    // Whether a file name is a partial file's name.
    static bool isPartialName(const QString& name);
    const QString& path() const noexcept { return partial_; }
    // Clears a partial file that an interrupted run left under the name;
    // false when one stays in the way.
    bool prepare();
    // Puts the finished partial file in the target's place.
    bool commit();

private:
    QString target_;
    QString partial_;
    bool committed_ = false;
};

} // namespace pentarix::platform

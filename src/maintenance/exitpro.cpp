#include "maintenance/exitpro.h"

#include "maintenance/exitpro_texts.h"
#include "maintenance/frmbackup.h"
#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/modal.h"
#include "platform/pictures.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace pentarix {

namespace texts = exitpro_texts;

namespace {

QLabel* picture(QWidget* parent, const char* name, const QString& artwork, int left) {
    auto* p = new QLabel(parent);
    p->setObjectName(QLatin1String(name));
    p->setPixmap(platform::picture(artwork));
    p->setScaledContents(true);
    p->setCursor(exitpro::pictureCursor());
    twips::place(p, left, 2220, 1440, 525);
    return p;
}

QTimer* windowTimer(QObject* parent, const char* name) {
    auto* timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(500);
    return timer;
}

// A window timer switched on: one that runs already keeps its rhythm.
void enable(QTimer* timer) {
    if (!timer->isActive()) timer->start();
}

void setColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    // A check box fills its background in the button colour.
    palette.setColor(widget->backgroundRole(), background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

QCursor exitpro::pictureCursor() {
    static const QPixmap hand = platform::picture(QStringLiteral("exitpro_cursor"));
    // The tip of the pointing finger.
    return QCursor(hand, 11, 1);
}

exitpro::exitpro() {
    setObjectName(QStringLiteral("exitpro"));
    buildControls();
    wire();
}

exitpro::~exitpro() = default;

void exitpro::buildControls() {
    setWindowTitle(texts::kCaption);
    twips::setClientSize(this, 4575, 3360);
    setColours(this, QColor(0, 192, 192), palette().color(QPalette::WindowText));

    Label1 = new QLabel(texts::kLabel1Caption, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(fonts::nazanin(14));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    twips::place(Label1, 360, 480, 3552, 1032);

    Check1 = new QCheckBox(texts::kCheck1Caption, this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(fonts::nazanin(12));
    setColours(Check1, QColor(192, 255, 255), QColor(128, 64, 64));
    twips::place(Check1, 840, 1440, 2475, 375);

    k1 = picture(this, "k1", QStringLiteral("exitpro_confirm"), 2460);
    k2 = picture(this, "k2", QStringLiteral("exitpro_confirm_lit"), 2460);
    C1 = picture(this, "C1", QStringLiteral("exitpro_cancel"), 360);
    C2 = picture(this, "C2", QStringLiteral("exitpro_cancel_lit"), 360);

    Timer2 = windowTimer(this, "Timer2");
    Timer3 = windowTimer(this, "Timer3");
    tmCaptionAnimate = windowTimer(this, "tmCaptionAnimate");

    // Only the dialog's own background puts the plain pictures back: a move
    // over a control stops at that control.
    for (QWidget* child : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Check1),
                           static_cast<QWidget*>(k1), static_cast<QWidget*>(k2), static_cast<QWidget*>(C1),
                           static_cast<QWidget*>(C2)}) {
        child->setAttribute(Qt::WA_NoMousePropagation);
    }
    for (QWidget* watched : {static_cast<QWidget*>(this), static_cast<QWidget*>(k1), static_cast<QWidget*>(C1),
                             static_cast<QWidget*>(k2), static_cast<QWidget*>(C2)}) {
        watched->setMouseTracking(watched == this || watched == k1 || watched == C1);
        watched->installEventFilter(this);
    }
    Check1->setFocus();
}

void exitpro::wire() {
    connectHandler(Timer2, &QTimer::timeout, this, &exitpro::Timer2_Timer);
    connectHandler(Timer3, &QTimer::timeout, this, &exitpro::Timer3_Timer);
    connectHandler(tmCaptionAnimate, &QTimer::timeout, this, &exitpro::tmCaptionAnimate_Timer);
}

bool exitpro::eventFilter(QObject* watched, QEvent* event) {
    bool clicked = false;
    runHandler(this, [&] {
        if (event->type() == QEvent::MouseMove) {
            if (watched == this) Form_MouseMove();
            else if (watched == k1) k1_MouseMove();
            else if (watched == C1) C1_MouseMove();
        } else if (event->type() == QEvent::MouseButtonRelease && (watched == k2 || watched == C2)) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* picture = static_cast<QWidget*>(watched);
            if (mouse->button() == Qt::LeftButton && picture->rect().contains(mouse->position().toPoint())) {
                clicked = true;
                if (watched == k2) k2_Click();
                else C2_Click();
            }
        }
    });
    return clicked || Form::eventFilter(watched, event);
}

void exitpro::Form_Load() {
    twips::moveWindow(this, 5000, 4500);
    C1->show();
    k1->show();
    C2->hide();
    k2->hide();
    Timer2->start();
    Timer3->start();
    tmCaptionAnimate->start();
}

void exitpro::Form_MouseMove() {
    C1->show();
    k1->show();
    C2->hide();
    k2->hide();
}

void exitpro::k1_MouseMove() {
    k1->hide();
    k2->show();
}

void exitpro::C1_MouseMove() {
    C1->hide();
    C2->show();
}

void exitpro::k2_Click() {
    if (Check1->isChecked()) {
        form<Frmbackup>().show();
        hide();
        return;
    }
    platform::modal().endApplication(0);
}

void exitpro::C2_Click() {
    showMainWindow();
    close();
}

void exitpro::Timer2_Timer() {
    setWindowTitle(texts::kTimer2Title);
    enable(Timer3);
    Timer2->stop();
}

void exitpro::Timer3_Timer() {
    setWindowTitle(texts::kTimer3Title);
    enable(Timer2);
    Timer3->stop();
}

void exitpro::tmCaptionAnimate_Timer() {
    if (windowTitle().size() < 2) setWindowTitle(texts::kTimer2Title);
    Check1->setText(windowTitle());
}

} // namespace pentarix

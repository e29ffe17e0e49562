#include "shell/frmskin.h"

#include "common/theme.h"
#include "platform/controls.h"
#include "platform/data_binding.h"
#include "platform/handlers.h"
#include "platform/pictures.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "shell/frmskin_texts.h"
#include "shell/shell_fonts.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace pentarix {

namespace texts = frmskin_texts;

namespace {

QLabel* heading(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(shell_fonts::arial(13.5));
    label->setAlignment(Qt::AlignCenter);
    twips::place(label, left, top, 3372, 492);
    return label;
}

QLabel* picture(QWidget* parent, const char* name, const QString& artwork) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(platform::picture(artwork));
    label->setCursor(Qt::PointingHandCursor);
    twips::place(label, 1500, 1920, 1440, 525);
    return label;
}

} // namespace

Frmskin::Frmskin() {
    setObjectName(QStringLiteral("Frmskin"));
    Adodc1 = openView(QStringLiteral("Theme"));
    buildControls();
    wire();
    bind(Text1, Adodc1, QStringLiteral("TH"));
}

Frmskin::~Frmskin() = default;

void Frmskin::buildControls() {
    setWindowTitle(texts::kCaption);
    twips::setClientSize(this, 4680, 3240);
    Label3[1] = heading(this, "Label3_1", texts::kLabel3_1Caption, 540, 240);
    Label3[0] = heading(this, "Label3_0", texts::kLabel3_0Caption, 420, 900);
    k1 = picture(this, "k1", QStringLiteral("frmskin_confirm"));
    k2 = picture(this, "k2", QStringLiteral("frmskin_confirm_lit"));
    Text1 = controls::hiddenBox(this, "Text1");
    Skin1 = new SkinEngine(this);
}

void Frmskin::wire() {
    // The pictures swap on mouse moves, so the window and the normal picture
    // report moves without a pressed button too.
    for (QWidget* watched : {static_cast<QWidget*>(this), static_cast<QWidget*>(k1), static_cast<QWidget*>(k2)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
    // Only the window's own background puts the normal picture back: a move
    // over a label or a picture stops there.
    for (QWidget* child : findChildren<QWidget*>()) child->setAttribute(Qt::WA_NoMousePropagation);
}

bool Frmskin::eventFilter(QObject* watched, QEvent* event) {
    bool clicked = false;
    runHandler(this, [&] {
        if (event->type() == QEvent::MouseMove) {
            if (watched == this) Form_MouseMove();
            else if (watched == k1) k1_MouseMove();
        } else if (event->type() == QEvent::MouseButtonRelease && watched == k2) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && k2->rect().contains(mouse->position().toPoint())) {
                clicked = true;
                k2_Click();
            }
        }
    });
    return clicked || Form::eventFilter(watched, event);
}

void Frmskin::Form_Load() {
    twips::moveWindow(this, 5000, 3500);
    ApplyTheme(this, *Skin1, Text1->text());
    k1->show();
    k2->hide();
}

void Frmskin::Form_MouseMove() {
    k1->show();
    k2->hide();
}

void Frmskin::k1_MouseMove() {
    k1->hide();
    k2->show();
}

void Frmskin::k2_Click() {
    showMainWindow();
    close();
}

} // namespace pentarix

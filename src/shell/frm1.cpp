#include "shell/frm1.h"

#include "platform/data_binding.h"
#include "platform/fonts.h"
#include "platform/modal.h"
#include "platform/pictures.h"
#include "platform/single_instance.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "shell/frm1_texts.h"
#include "shell/theme.h"
#include "common/val.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

namespace pentarix {

namespace texts = frm1_texts;

namespace {

template <class T>
T* control(QWidget* parent, const char* name) {
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height) {
    auto* b = control<QPushButton>(parent, name);
    b->setText(caption);
    b->setFont(fonts::nazanin());
    twips::place(b, left, top, width, height);
    return b;
}

QFrame* panel(QWidget* parent, const char* name) {
    auto* frame = control<QFrame>(parent, name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->hide();
    return frame;
}

} // namespace

Frm1::Frm1() {
    setObjectName(QStringLiteral("Frm1"));
    // The views open first: the database work overlaps the font scan that
    // the first controls wait for.
    openViews();
    buildControls();
    wire();
    bindViews();
}

Frm1::~Frm1() = default;

void Frm1::buildControls() {
    setWindowTitle(QStringLiteral(" "));
    twips::setClientSize(this, 10695, 8685);
    setMouseTracking(true);

    Frame7 = control<QFrame>(this, "Frame7");
    Frame7->setFrameShape(QFrame::StyledPanel);
    Frame7->setMouseTracking(true);
    twips::place(Frame7, 8280, 540, 2235, 7095);
    Command1 = button(Frame7, "Command1", texts::kCommand1Caption, 240, 180, 1785, 555);
    Command2 = button(Frame7, "Command2", texts::kCommand2Caption, 240, 780, 1785, 555);
    Command3 = button(Frame7, "Command3", texts::kCommand3Caption, 240, 1380, 1785, 555);
    Command4 = button(Frame7, "Command4", texts::kCommand4Caption, 240, 1980, 1785, 555);
    Command11 = button(Frame7, "Command11", texts::kCommand11Caption, 240, 2580, 1785, 555);
    Command5 = button(Frame7, "Command5", texts::kCommand5Caption, 240, 3180, 1785, 555);
    Command13 = button(Frame7, "Command13", texts::kCommand13Caption, 240, 3780, 1785, 555);
    Command9 = button(Frame7, "Command9", texts::kCommand9Caption, 240, 4380, 1785, 555);
    Command12 = button(Frame7, "Command12", texts::kCommand12Caption, 240, 4980, 1785, 555);
    Command6 = button(Frame7, "Command6", texts::kCommand6Caption, 240, 6300, 1785, 555);
    Text3 = control<QLineEdit>(Frame7, "Text3");
    Text3->hide();

    SkinLabel1 = control<SkinLabel>(this, "SkinLabel1");
    SkinLabel1->setFont(fonts::titr(18));
    SkinLabel1->setAlignment(Qt::AlignCenter);
    twips::place(SkinLabel1, 1740, 120, 5955, 555);

    SkinLabel2 = control<SkinLabel>(this, "SkinLabel2");
    SkinLabel2->setText(QStringLiteral(" "));
    SkinLabel2->setFont(fonts::nazanin(11));
    SkinLabel2->setWordWrap(true);
    SkinLabel2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    twips::place(SkinLabel2, 300, 7740, 9975, 615);
    SkinLabel2->hide();

    SkinLabel7 = control<SkinLabel>(this, "SkinLabel7");
    SkinLabel7->setText(texts::kVersion);
    SkinLabel7->setFont(fonts::nazanin(8, false));
    twips::place(SkinLabel7, 90, 90, 825, 240);

    Frame10 = panel(this, "Frame10");
    twips::place(Frame10, 1500, 780, 6675, 2895);
    Frame6 = panel(this, "Frame6");

    Frame8 = panel(this, "Frame8");
    twips::place(Frame8, 6060, 3780, 2175, 2055);
    Command68 = button(Frame8, "Command68", texts::kCommand68Caption, 120, 240, 1905, 555);
    Command67 = button(Frame8, "Command67", texts::kCommand67Caption, 120, 840, 1905, 555);
    Command69 = button(Frame8, "Command69", texts::kCommand69Caption, 480, 1500, 1185, 435);
    Command65 = button(Frame8, "Command65", QString(), 0, 0, 0, 0);
    Command66 = button(Frame8, "Command66", QString(), 0, 0, 0, 0);
    Command65->hide();
    Command66->hide();

    Frame9 = panel(this, "Frame9");
    twips::place(Frame9, 1620, 840, 6075, 2295);
    Text2 = control<QLineEdit>(Frame9, "Text2");
    Text2->setFont(fonts::nazanin());
    Text2->setAlignment(Qt::AlignRight);
    twips::place(Text2, 120, 300, 5355, 615);
    SkinLabel4 = control<SkinLabel>(Frame9, "SkinLabel4");
    SkinLabel4->setText(texts::kSkinLabel4Caption);
    SkinLabel4->setFont(fonts::nazanin());
    twips::place(SkinLabel4, 5580, 420, 615, 375);
    Text14 = control<QLineEdit>(Frame9, "Text14");
    Text14->setFont(fonts::nazanin());
    Text14->setAlignment(Qt::AlignRight);
    twips::place(Text14, 120, 1020, 5355, 615);
    SkinLabel5 = control<SkinLabel>(Frame9, "SkinLabel5");
    SkinLabel5->setText(texts::kSkinLabel5Caption);
    SkinLabel5->setFont(fonts::nazanin());
    twips::place(SkinLabel5, 5460, 1140, 615, 375);
    Command64 = button(Frame9, "Command64", texts::kCommand64Caption, 3180, 1680, 855, 495);
    Command7 = button(Frame9, "Command7", texts::kCommand7Caption, 2100, 1680, 855, 495);

    Picture1 = control<QLabel>(this, "Picture1");
    Picture1->setPixmap(platform::picture(QStringLiteral("web_address")));
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->setToolTip(texts::kPicture1Tip);
    twips::place(Picture1, 720, 6540, 6270, 690);

    Text1 = control<QLineEdit>(this, "Text1");
    Text1->hide();
    Skin1 = new SkinEngine(this);

    // Only the window's and the menu column's own backgrounds clear the hint:
    // a move over any other control stops there.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child != Frame7) child->setAttribute(Qt::WA_NoMousePropagation);
    }
    for (QWidget* watched : {static_cast<QWidget*>(this), static_cast<QWidget*>(Frame7),
                             static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                             static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command4),
                             static_cast<QWidget*>(Command9)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

void Frm1::wire() {
    connect(Command1, &QPushButton::clicked, this, &Frm1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Frm1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Frm1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Frm1::Command4_Click);
    connect(Command11, &QPushButton::clicked, this, &Frm1::Command11_Click);
    connect(Command5, &QPushButton::clicked, this, &Frm1::Command5_Click);
    connect(Command13, &QPushButton::clicked, this, &Frm1::Command13_Click);
    connect(Command9, &QPushButton::clicked, this, &Frm1::Command9_Click);
    connect(Command12, &QPushButton::clicked, this, &Frm1::Command12_Click);
    connect(Command6, &QPushButton::clicked, this, &Frm1::Command6_Click);
    connect(Text2, &QLineEdit::textChanged, this, &Frm1::Text2_Change);
}

void Frm1::openViews() {
    Adodc1 = openView(QStringLiteral("Theme"));
    Adodc2 = openView(QStringLiteral("IDE"));
    Adodc3 = openView(QStringLiteral("Answer"));
    Adodc4 = openView(QStringLiteral("Answer"));
}

void Frm1::bindViews() {
    bind(Text1, Adodc1, QStringLiteral("TH"));
    bind(Text2, Adodc1, QStringLiteral("Name"));
    bind(Text14, Adodc1, QStringLiteral("Adress"));
}

bool Frm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == this) Form_MouseMove();
        else if (watched == Frame7) Frame7_MouseMove();
        else if (watched == Command1) Command1_MouseMove();
        else if (watched == Command2) Command2_MouseMove();
        else if (watched == Command3) Command3_MouseMove();
        else if (watched == Command4) Command4_MouseMove();
        else if (watched == Command9) Command9_MouseMove();
    }
    return Form::eventFilter(watched, event);
}

void Frm1::Form_Load() {
    if (platform::anotherCopyIsRunning()) {
        platform::modal().messageBox(this, texts::kAlreadyRunning, texts::kAlreadyRunningTitle,
                                     platform::style::kIconInformation);
        platform::modal().endApplication(0);
        return;
    }
    twips::moveWindow(this, 2340, 765);
    ApplyTheme(this, *Skin1, Text1->text());
    Text3->setText(QStringLiteral("2"));
}

void Frm1::Form_Unload() {
    Adodc2->Refresh();
    if (Val(Text3->text()) == 1) return;
    HidePanels();
    Adodc2->Refresh();
    // The exit dialog takes over here once it exists; until then closing the
    // main window ends the program.
    platform::modal().endApplication(0);
}

void Frm1::showHint(const QString& hint) {
    SkinLabel2->show();
    SkinLabel2->setText(hint);
}

void Frm1::clearHint() {
    SkinLabel2->setText(QString());
    SkinLabel2->hide();
}

void Frm1::Form_MouseMove() { clearHint(); }
void Frm1::Frame7_MouseMove() { clearHint(); }
void Frm1::Command1_MouseMove() { showHint(texts::kCommand1Hint); }
void Frm1::Command2_MouseMove() { showHint(texts::kCommand2Hint); }
void Frm1::Command3_MouseMove() { showHint(texts::kCommand3Hint); }
void Frm1::Command4_MouseMove() { showHint(texts::kCommand4Hint); }
void Frm1::Command9_MouseMove() { showHint(texts::kCommand9Hint); }

void Frm1::Command1_Click() { HidePanels(); }

void Frm1::Command2_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
}

void Frm1::Command3_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
}

void Frm1::Command4_Click() {
    if (Adodc3->RecordCount() == 0) return;
    HidePanels();
}

void Frm1::Command11_Click() {}

void Frm1::Command5_Click() { HidePanels(); }

void Frm1::Command13_Click() {}

void Frm1::Command9_Click() {
    HidePanels();
    Frame8->show();
    twips::place(Frame8, 6060, 3780, 2175, 2055);
}

void Frm1::Command12_Click() { HidePanels(); }

void Frm1::Command6_Click() {
    HidePanels();
    close();
}

void Frm1::Text2_Change() { SkinLabel1->setText(Text2->text()); }

void Frm1::HidePanels() {
    Frame6->hide();
    Frame10->hide();
    Frame8->hide();
    Frame9->hide();
    if (Adodc2->RecordCount() > 0) Adodc2->Refresh();
}

} // namespace pentarix

#include "shell/frm1.h"

#include "common/theme.h"
#include "common/val.h"
#include "examinees/registration.h"
#include "maintenance/exit_handover.h"
#include "platform/controls.h"
#include "platform/data_binding.h"
#include "platform/fit_text.h"
#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/key_press.h"
#include "platform/modal.h"
#include "platform/pictures.h"
#include "platform/single_instance.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "shell/frm1_texts.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace pentarix {

namespace texts = frm1_texts;

using controls::button;
using controls::hiddenBox;
using controls::list;
using controls::panel;
using controls::textBox;

namespace {

// A caption stands just right of its box and ends at the box: its text keeps
// to the label's left edge.
SkinLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                 int height) {
    return controls::label(parent, name, caption, Qt::AlignLeft, left, top, width, height);
}

} // namespace

Frm1::Frm1() {
    setObjectName(QStringLiteral("Frm1"));
    // The views open and the picture is decoded first: that work overlaps the
    // font scan that the first text box waits for.
    openViews();
    webAddressPicture_ = platform::picture(QStringLiteral("web_address"));
    buildControls();
    wire();
    bindViews();
    registration_ = std::make_unique<Registration>(
        this,
        RegistrationEntries{Text11, Text6, Text4, Text5, Text8, Text9, Text7, Combo1, Text15, Combo2, Text16, Combo3,
                            Text17},
        *Adodc2, *Adodc3);
}

Frm1::~Frm1() = default;

void Frm1::openViews() {
    Adodc1 = openView(QStringLiteral("Theme"));
    Adodc2 = openView(QStringLiteral("IDE"));
    Adodc3 = openView(QStringLiteral("Answer"));
    Adodc4 = openView(QStringLiteral("Answer"));
}

void Frm1::buildControls() {
    setWindowTitle(QStringLiteral(" "));
    twips::setClientSize(this, 10695, 8685);
    buildMenuColumn();
    buildHeadings();
    buildRegistrationPanel();
    buildThemePanel();
    buildSettingsPanels();

    Picture1 = controls::make<QLabel>(this, "Picture1");
    Picture1->setPixmap(webAddressPicture_);
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->setToolTip(texts::kPicture1Tip);
    twips::place(Picture1, 720, 6540, 6270, 690);

    Text1 = hiddenBox(this, "Text1");
    Skin1 = new SkinEngine(this);

    // Only the window's and the menu column's own backgrounds clear the hint:
    // a move over any other control stops there.
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child != Frame7) child->setAttribute(Qt::WA_NoMousePropagation);
    }
    for (QWidget* watched : {static_cast<QWidget*>(this), static_cast<QWidget*>(Frame7),
                             static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                             static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command4),
                             static_cast<QWidget*>(Command9), static_cast<QWidget*>(Picture1)}) {
        watched->setMouseTracking(watched != Picture1);
        watched->installEventFilter(this);
    }
}

void Frm1::buildMenuColumn() {
    Frame7 = controls::make<QFrame>(this, "Frame7");
    Frame7->setFrameShape(QFrame::StyledPanel);
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
    Text3 = hiddenBox(Frame7, "Text3");
}

// The clinic's name, the hint line and the version.
void Frm1::buildHeadings() {
    SkinLabel1 = controls::make<SkinLabel>(this, "SkinLabel1");
    SkinLabel1->setFont(fonts::titr(18));
    SkinLabel1->setAlignment(Qt::AlignCenter);
    twips::place(SkinLabel1, 1740, 120, 5955, 555);

    SkinLabel2 = controls::make<SkinLabel>(this, "SkinLabel2");
    SkinLabel2->setText(QStringLiteral(" "));
    SkinLabel2->setFont(fonts::nazanin(11));
    SkinLabel2->setWordWrap(true);
    controls::align(SkinLabel2, Qt::AlignRight | Qt::AlignVCenter);
    twips::place(SkinLabel2, 300, 7740, 9975, 615);
    SkinLabel2->hide();

    SkinLabel7 = controls::make<SkinLabel>(this, "SkinLabel7");
    SkinLabel7->setText(texts::kVersion);
    SkinLabel7->setFont(fonts::nazanin(8, false));
    twips::place(SkinLabel7, 90, 90, 825, 240);
}

void Frm1::buildRegistrationPanel() {
    Frame10 = panel(this, "Frame10");
    twips::place(Frame10, 1500, 780, 6675, 2895);
    // Created in the panel's tab order.
    Text11 = textBox(Frame10, "Text11", Qt::AlignCenter, 5340, 300, 675, 435);
    SkinLbl = label(Frame10, "SkinLbl", texts::kSkinLblCaption, 6000, 300, 375, 375);
    Text6 = textBox(Frame10, "Text6", Qt::AlignRight, 3180, 300, 1515, 435);
    SkinLabel3 = label(Frame10, "SkinLabel3", texts::kSkinLabel3Caption, 4680, 300, 615, 375);
    Text4 = textBox(Frame10, "Text4", Qt::AlignRight, 120, 300, 1815, 510);
    SkinLabel21[0] = label(Frame10, "SkinLabel21_0", texts::kSkinLabel21_0Caption, 1920, 360, 1215, 375);
    Text5 = textBox(Frame10, "Text5", Qt::AlignCenter, 5400, 840, 675, 435);
    Text5->setMaxLength(2);
    SkinLabel21[3] = label(Frame10, "SkinLabel21_3", texts::kSkinLabel21_3Caption, 6060, 900, 435, 315);
    Combo1 = list(Frame10, "Combo1", texts::kCombo1Items, 3960, 840, 915);
    SkinLabel21[4] = label(Frame10, "SkinLabel21_4", texts::kSkinLabel21_4Caption, 4860, 900, 555, 375);
    Text8 = textBox(Frame10, "Text8", Qt::AlignCenter, 2220, 840, 1155, 435);
    SkinLabel21[6] = label(Frame10, "SkinLabel21_6", texts::kSkinLabel21_6Caption, 3360, 900, 615, 375);
    Combo2 = list(Frame10, "Combo2", texts::kCombo2Items, 4920, 1380, 1035);
    SkinLabel21[2] = label(Frame10, "SkinLabel21_2", texts::kSkinLabel21_2Caption, 5940, 1440, 615, 375);
    Combo3 = list(Frame10, "Combo3", texts::kCombo3Items, 2940, 1380, 1395);
    SkinLabel21[1] = label(Frame10, "SkinLabel21_1", texts::kSkinLabel21_1Caption, 4320, 1440, 555, 375);
    Text7 = textBox(Frame10, "Text7", Qt::AlignRight, 120, 1320, 1815, 510);
    SkinLabel21[5] = label(Frame10, "SkinLabel21_5", texts::kSkinLabel21_5Caption, 1920, 1380, 1095, 375);
    Command8 = button(Frame10, "Command8", texts::kCommand8Caption, 2040, 2220, 975, 555);
    Command10 = button(Frame10, "Command10", texts::kCommand10Caption, 960, 2220, 975, 555);
    Text9 = textBox(Frame10, "Text9", Qt::AlignCenter, 120, 840, 1455, 435);
    Text9->setReadOnly(true);
    SkinLabel21[7] = label(Frame10, "SkinLabel21_7", texts::kSkinLabel21_7Caption, 1560, 900, 615, 375);
    Text15 = hiddenBox(Frame10, "Text15");
    Text16 = hiddenBox(Frame10, "Text16");
    Text17 = hiddenBox(Frame10, "Text17");
    Text12 = hiddenBox(this, "Text12");
    Text10 = hiddenBox(this, "Text10");
    QWidget::setTabOrder(Text11, Text6);
    QWidget::setTabOrder(Text6, Text4);
    QWidget::setTabOrder(Text4, Text5);
    QWidget::setTabOrder(Text5, Combo1);
    QWidget::setTabOrder(Combo1, Text8);
    QWidget::setTabOrder(Text8, Combo2);
    QWidget::setTabOrder(Combo2, Combo3);
    QWidget::setTabOrder(Combo3, Text7);
    QWidget::setTabOrder(Text7, Command8);
    QWidget::setTabOrder(Command8, Command10);
    QWidget::setTabOrder(Command10, Text9);
}

void Frm1::buildThemePanel() {
    Frame6 = panel(this, "Frame6");
    Command45 = button(Frame6, "Command45", texts::kCommand45Caption, 240, 240, 2145, 555);
    Command44 = button(Frame6, "Command44", texts::kCommand44Caption, 240, 840, 2145, 555);
    Command43 = button(Frame6, "Command43", texts::kCommand43Caption, 240, 1440, 2145, 555);
    Command42 = button(Frame6, "Command42", texts::kCommand42Caption, 240, 2040, 2145, 555);
    Command50 = button(Frame6, "Command50", texts::kCommand50Caption, 240, 2640, 2145, 555);
    Command49 = button(Frame6, "Command49", texts::kCommand49Caption, 240, 3240, 2145, 555);
    Command48 = button(Frame6, "Command48", texts::kCommand48Caption, 240, 3840, 2145, 555);
    Command47 = button(Frame6, "Command47", texts::kCommand47Caption, 240, 4440, 2145, 555);
    Command41 = button(Frame6, "Command41", texts::kCommand41Caption, 240, 5040, 2145, 555);
    Command52 = button(Frame6, "Command52", texts::kCommand52Caption, 240, 5640, 2145, 555);
    Command53 = button(Frame6, "Command53", texts::kCommand53Caption, 240, 6240, 2145, 555);
    Command46 = button(Frame6, "Command46", texts::kCommand46Caption, 720, 6900, 1185, 435);
}

void Frm1::buildSettingsPanels() {
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
    Text2 = textBox(Frame9, "Text2", Qt::AlignRight, 120, 300, 5355, 615);
    SkinLabel4 = label(Frame9, "SkinLabel4", texts::kSkinLabel4Caption, 5580, 420, 615, 375);
    Text14 = textBox(Frame9, "Text14", Qt::AlignRight, 120, 1020, 5355, 615);
    SkinLabel5 = label(Frame9, "SkinLabel5", texts::kSkinLabel5Caption, 5460, 1140, 615, 375);
    Command64 = button(Frame9, "Command64", texts::kCommand64Caption, 3180, 1680, 855, 495);
    Command7 = button(Frame9, "Command7", texts::kCommand7Caption, 2100, 1680, 855, 495);
}

void Frm1::wire() {
    connectHandler(Command1, &QPushButton::clicked, this, &Frm1::Command1_Click);
    connectHandler(Command2, &QPushButton::clicked, this, &Frm1::Command2_Click);
    connectHandler(Command3, &QPushButton::clicked, this, &Frm1::Command3_Click);
    connectHandler(Command4, &QPushButton::clicked, this, &Frm1::Command4_Click);
    connectHandler(Command11, &QPushButton::clicked, this, &Frm1::Command11_Click);
    connectHandler(Command5, &QPushButton::clicked, this, &Frm1::Command5_Click);
    connectHandler(Command13, &QPushButton::clicked, this, &Frm1::Command13_Click);
    connectHandler(Command9, &QPushButton::clicked, this, &Frm1::Command9_Click);
    connectHandler(Command12, &QPushButton::clicked, this, &Frm1::Command12_Click);
    connectHandler(Command6, &QPushButton::clicked, this, &Frm1::Command6_Click);
    onKeyPress(Text5, this, &Frm1::Text5_KeyPress);
    connectHandler(Combo1, &QComboBox::activated, this, &Frm1::Combo1_Click);
    connectHandler(Combo2, &QComboBox::activated, this, &Frm1::Combo2_Click);
    connectHandler(Combo3, &QComboBox::activated, this, &Frm1::Combo3_Click);
    connectHandler(Command8, &QPushButton::clicked, this, &Frm1::Command8_Click);
    connectHandler(Command10, &QPushButton::clicked, this, &Frm1::Command10_Click);
    connectHandler(Command45, &QPushButton::clicked, this, &Frm1::Command45_Click);
    connectHandler(Command44, &QPushButton::clicked, this, &Frm1::Command44_Click);
    connectHandler(Command43, &QPushButton::clicked, this, &Frm1::Command43_Click);
    connectHandler(Command42, &QPushButton::clicked, this, &Frm1::Command42_Click);
    connectHandler(Command50, &QPushButton::clicked, this, &Frm1::Command50_Click);
    connectHandler(Command49, &QPushButton::clicked, this, &Frm1::Command49_Click);
    connectHandler(Command48, &QPushButton::clicked, this, &Frm1::Command48_Click);
    connectHandler(Command47, &QPushButton::clicked, this, &Frm1::Command47_Click);
    connectHandler(Command41, &QPushButton::clicked, this, &Frm1::Command41_Click);
    connectHandler(Command52, &QPushButton::clicked, this, &Frm1::Command52_Click);
    connectHandler(Command53, &QPushButton::clicked, this, &Frm1::Command53_Click);
    connectHandler(Command46, &QPushButton::clicked, this, &Frm1::Command46_Click);
    connectHandler(Command68, &QPushButton::clicked, this, &Frm1::Command68_Click);
    connectHandler(Command67, &QPushButton::clicked, this, &Frm1::Command67_Click);
    connectHandler(Command69, &QPushButton::clicked, this, &Frm1::Command69_Click);
    connectHandler(Command64, &QPushButton::clicked, this, &Frm1::Command64_Click);
    connectHandler(Command7, &QPushButton::clicked, this, &Frm1::Command7_Click);
    connectHandler(Text2, &QLineEdit::textChanged, this, &Frm1::Text2_Change);
}

void Frm1::bindViews() {
    bind(Text1, Adodc1, QStringLiteral("TH"));
    bind(Text2, Adodc1, QStringLiteral("Name"));
    bind(Text14, Adodc1, QStringLiteral("Adress"));
    bind(Text11, Adodc2, QStringLiteral("Code"));
    bind(Text6, Adodc2, QStringLiteral("FName"));
    bind(Text4, Adodc2, QStringLiteral("LName"));
    bind(Text16, Adodc2, QStringLiteral("Jens"));
    bind(Text5, Adodc2, QStringLiteral("Sen"));
    bind(Text15, Adodc2, QStringLiteral("Taahol"));
    bind(Text7, Adodc2, QStringLiteral("Tahsil"));
    bind(Text17, Adodc2, QStringLiteral("Group"));
    bind(Text8, Adodc2, QStringLiteral("Date"));
    bind(Text9, Adodc2, QStringLiteral("Time"));
    bind(Text12, Adodc3, QStringLiteral("Code"));
    bind(Text10, Adodc4, QStringLiteral("Code"));
}

bool Frm1::eventFilter(QObject* watched, QEvent* event) {
    runHandler(this, [&] {
        if (event->type() == QEvent::MouseMove) {
            if (watched == this) Form_MouseMove();
            else if (watched == Frame7) Frame7_MouseMove();
            else if (watched == Command1) Command1_MouseMove();
            else if (watched == Command2) Command2_MouseMove();
            else if (watched == Command3) Command3_MouseMove();
            else if (watched == Command4) Command4_MouseMove();
            else if (watched == Command9) Command9_MouseMove();
        } else if (event->type() == QEvent::MouseButtonRelease && watched == Picture1) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && Picture1->rect().contains(mouse->position().toPoint())) {
                Picture1_Click();
            }
        }
    });
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
    // The skin's padding changes the room the name has.
    Text2_Change();
    Text3->setText(QStringLiteral("2"));
}

void Frm1::Form_Unload() {
    Adodc2->Refresh();
    if (Val(Text3->text()) == 1) return;
    HidePanels();
    Adodc2->Refresh();
    showExitDialog(5000, 1500);
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

void Frm1::Command6_Click() {
    HidePanels();
    showExitDialog(5000, 4500);
    close();
}

// The clinic's name is shown whole, set smaller or in two lines when long.
void Frm1::Text2_Change() { platform::fitText(SkinLabel1, Text2->text(), fonts::titr(18), 10); }

void Frm1::HidePanels() {
    Frame6->hide();
    Frame10->hide();
    Frame8->hide();
    Frame9->hide();
    if (Adodc2->RecordCount() > 0) Adodc2->Refresh();
}

} // namespace pentarix

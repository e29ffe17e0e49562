#include "testing/frm_test.h"

#include "common/messages.h"
#include "common/theme.h"
#include "common/val.h"
#include "data/data_error.h"
#include "data/value_text.h"
#include "platform/controls.h"
#include "platform/data_binding.h"
#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/key_press.h"
#include "platform/modal.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "testing/frm_test_texts.h"
#include "testing/item_key.h"
#include "testing/option_keys.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <cmath>
#include <exception>
#include <limits>

namespace pentarix {

namespace texts = frm_test_texts;

namespace {

// Alignments as the eye sees them: a right-to-left window would otherwise
// mirror them again.
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignAbsolute;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignAbsolute;

// The instructions as one right-to-left paragraph, blanks kept, with lines a
// little closer than the font's own spacing: the whole text then fits below
// the identification panel, which stands over the upper part of the
// instructions on a later run's start screen.
QString instructionsParagraph(const QString& text) {
    return QStringLiteral("<p dir=\"rtl\" align=\"right\" style=\"white-space:pre-wrap; line-height:85%\">") +
           text.toHtmlEscaped() + QStringLiteral("</p>");
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, double points, int left, int top,
                    int width, int height) {
    auto* b = controls::button(parent, name, caption, left, top, width, height);
    b->setFont(fonts::nazanin(points));
    // Enter presses the button that has the focus, as on every window of
    // the platform; anywhere else it presses the default button.
    b->setAutoDefault(true);
    return b;
}

// Where the legend's room ends: a blank above it keeps its first line off
// the last line of the instructions, which end at the legend's top.
constexpr int kLegendTopMargin = 14; // pixels

// The legend breaks between its items, never inside one ("تاحدودي درست"
// stays whole): a margin at the line's left end narrows it to the items that
// fit whole. Items start with their letter and a dash.
void keepLegendItemsWhole(QLabel* legend) {
    static const QRegularExpression itemStart(QStringLiteral("\\s{2,}(?=\\S{1,2} [-\u0640])"));
    const QString text = legend->text();
    const QFontMetrics metrics(legend->font());
    const int room = legend->width();
    int fitting = 0;
    for (auto match = itemStart.globalMatch(text); match.hasNext();) {
        const int advance = metrics.horizontalAdvance(text.left(match.next().capturedStart()));
        if (advance > room) break;
        fitting = advance;
    }
    const int left = metrics.horizontalAdvance(text) > room && fitting > 0 ? room - fitting - 1 : 0;
    legend->setContentsMargins(left, kLegendTopMargin, 0, 0);
}

// A caption stands against its box, which lies to its left.
SkinLabel* caption(QWidget* parent, const char* name, const QString& text, int left, int top, int width) {
    return controls::label(parent, name, text, kLeft, left, top, width, 375);
}

// The boxes keep their own key handling: the number boxes their digit
// filters, the identification boxes plain typing. A box that is read only
// takes no typing.
bool takesTyping(const QWidget* focus) {
    const auto* box = qobject_cast<const QLineEdit*>(focus);
    return box && !box->isReadOnly();
}

} // namespace

FrmTest::FrmTest() {
    setObjectName(QStringLiteral("FrmTest"));
    openViews();
    buildControls();
    wire();
    bindViews();
}

FrmTest::~FrmTest() = default;

void FrmTest::openViews() {
    Adodc1 = openView(QStringLiteral("Theme"));
    Adodc2 = openView(QStringLiteral("Answer"));
    Adodc3 = openView(QStringLiteral("IDE"));
    Adodc4 = openView(QStringLiteral("Answer"));
    Adodc5 = openView(QStringLiteral("IDE"));
    Adodc6 = openView(QStringLiteral("QU"));
}

void FrmTest::buildControls() {
    setWindowTitle(texts::kCaption);
    twips::setClientSize(this, 10215, 8775);
    // Created in this order, which is also the order they stack in.
    buildStartScreen();
    buildIdentificationPanel();
    buildItemArea();
    buildOptions();
    buildButtons();

    Text2 = controls::hiddenBox(this, "Text2");
    Text12 = controls::hiddenBox(this, "Text12");
    Text13 = controls::hiddenBox(this, "Text13");
    Text14 = controls::hiddenBox(this, "Text14");
    Text15 = controls::hiddenBox(this, "Text15");
    Text16 = controls::hiddenBox(this, "Text16");
    Text17 = controls::hiddenBox(this, "Text17");
    Lbl1 = controls::make<QLabel>(this, "Lbl1");
    Lbl1->hide();
    Skin1 = new SkinEngine(this);

    QWidget::setTabOrder(Text6, Option1);
    QWidget::setTabOrder(Option5, CmdBack);
    QWidget::setTabOrder(CmdBack, CmdNext);
    QWidget::setTabOrder(CmdNext, Command1);
    QWidget::setTabOrder(Command1, Command5);
    QWidget::setTabOrder(Command5, Command2);
}

// The start screen's labels lie beneath the panels that may share their
// place: the identification panel stands over the instructions on a later
// run's start screen.
void FrmTest::buildStartScreen() {
    SkinLabel3 = controls::make<SkinLabel>(this, "SkinLabel3");
    SkinLabel3->setText(texts::kTitleFirstLine + QLatin1Char('\n') + texts::kTitleSecondLine);
    SkinLabel3->setFont(fonts::arial(26.25));
    SkinLabel3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    twips::place(SkinLabel3, 1200, 400, 7635, 1515);

    SkinLabel4 = controls::make<SkinLabel>(this, "SkinLabel4");
    SkinLabel4->setTextFormat(Qt::RichText);
    SkinLabel4->setText(instructionsParagraph(texts::kInstructions));
    SkinLabel4->setFont(fonts::nazanin(14.25));
    SkinLabel4->setWordWrap(true);
    SkinLabel4->setAlignment(kRight | Qt::AlignBottom);
    twips::place(SkinLabel4, 600, 1500, 9075, 4095);

    SkinLabel6 = controls::make<SkinLabel>(this, "SkinLabel6");
    SkinLabel6->setText(texts::kLegend);
    SkinLabel6->setFont(fonts::nazanin(14.25));
    SkinLabel6->setWordWrap(true);
    SkinLabel6->setAlignment(kRight | Qt::AlignVCenter);
    twips::place(SkinLabel6, 600, 5340, 9075, 1335);
    keepLegendItemsWhole(SkinLabel6);
}

// The item number and the place of the item text until the first item.
void FrmTest::buildItemArea() {
    SkinLbl5 = controls::make<SkinLabel>(this, "SkinLbl5");
    SkinLbl5->setText(QStringLiteral(" "));
    SkinLbl5->setFont(fonts::mitra(15.75));
    SkinLbl5->setWordWrap(true);
    SkinLbl5->setAlignment(kRight | Qt::AlignTop);
    twips::place(SkinLbl5, 8640, 3300, 375, 615);

    Text6 = controls::textBox(this, "Text6", Qt::AlignCenter, 9120, 3420, 615, 495);
    Text6->setFont(fonts::nazanin(15.75));
    Text6->setText(QStringLiteral("1"));
    Text6->hide();
}

void FrmTest::buildButtons() {
    CmdBack = button(this, "CmdBack", texts::kCmdBackCaption, 14.25, 2100, 5700, 1455, 975);
    CmdNext = button(this, "CmdNext", texts::kCmdNextCaption, 14.25, 6960, 5700, 1455, 975);
    CmdNext->setDefault(true);
    Command1 = button(this, "Command1", texts::kCommand1Caption, 12, 5040, 7980, 975, 555);
    Command5 = button(this, "Command5", texts::kCommand5Caption, 12, 5040, 7980, 1575, 555);
    Command5->hide();
    Command2 = button(this, "Command2", texts::kCommand2Caption, 12, 3840, 7980, 975, 555);
    // Right edge with the identification panel's, on the row of the buttons,
    // clear of "ذخيره و خروج": free on both screens.
    LblAnswered = controls::label(this, "LblAnswered", QString(), kRight, 6960, 7980, 2895, 555);
    LblAnswered->hide();
}

void FrmTest::buildIdentificationPanel() {
    Frame1 = controls::panel(this, "Frame1");
    Frame1->setProperty("skinPanel", true);
    twips::place(Frame1, 360, 480, 9495, 2115);

    // Each box has its caption just to its right; created in reading order.
    Text1 = controls::textBox(Frame1, "Text1", Qt::AlignCenter, 8040, 180, 675, 435);
    Text1->setReadOnly(true);
    SkinLbl = caption(Frame1, "SkinLbl", texts::kSkinLblCaption, 8715, 210, 600);
    Text3 = controls::textBox(Frame1, "Text3", kRight, 5880, 180, 1515, 435);
    SkinLabel1 = caption(Frame1, "SkinLabel1", texts::kSkinLabel1Caption, 7395, 210, 600);
    Text4 = controls::textBox(Frame1, "Text4", kRight, 3000, 180, 1635, 435);
    SkinLabel2[0] = caption(Frame1, "SkinLabel2_0", texts::kSkinLabel2Caption0, 4635, 210, 1215);
    Text10 = controls::textBox(Frame1, "Text10", Qt::AlignCenter, 1680, 180, 675, 435);
    SkinLabel2[1] = caption(Frame1, "SkinLabel2_1", texts::kSkinLabel2Caption1, 2355, 210, 615);
    Text5 = controls::textBox(Frame1, "Text5", Qt::AlignCenter, 180, 180, 675, 435);
    Text5->setMaxLength(3);
    SkinLabel2[2] = caption(Frame1, "SkinLabel2_2", texts::kSkinLabel2Caption2, 855, 210, 600);
    Text11 = controls::textBox(Frame1, "Text11", Qt::AlignCenter, 7200, 900, 975, 435);
    SkinLabel2[3] = caption(Frame1, "SkinLabel2_3", texts::kSkinLabel2Caption3, 8175, 930, 1200);
    Text7 = controls::textBox(Frame1, "Text7", kRight, 4260, 840, 1455, 435);
    SkinLabel2[4] = caption(Frame1, "SkinLabel2_4", texts::kSkinLabel2Caption4, 5715, 870, 1455);
    Text8 = controls::textBox(Frame1, "Text8", Qt::AlignCenter, 2220, 840, 1455, 435);
    SkinLabel2[5] = caption(Frame1, "SkinLabel2_5", texts::kSkinLabel2Caption5, 3675, 870, 585);
    Text9 = controls::textBox(Frame1, "Text9", Qt::AlignCenter, 120, 840, 1455, 435);
    SkinLabel2[6] = caption(Frame1, "SkinLabel2_6", texts::kSkinLabel2Caption6, 1575, 870, 645);
}

void FrmTest::buildOptions() {
    Frame2 = controls::make<QGroupBox>(this, "Frame2");
    Frame2->setFont(fonts::nazanin());
    twips::place(Frame2, 3960, 4560, 2595, 2955);
    Frame2->hide();

    const QString* captions[] = {&texts::kOption1Caption, &texts::kOption2Caption, &texts::kOption3Caption,
                                 &texts::kOption4Caption, &texts::kOption5Caption};
    const char* names[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};
    // Radio buttons of one parent form one exclusive group by themselves.
    for (int k = 0; k < ItemKey::kOptions; ++k) {
        auto* option = controls::make<QRadioButton>(Frame2, names[k]);
        option->setText(*captions[k]);
        option->setFont(fonts::nazanin());
        twips::place(option, 120, 240 + 540 * k, 2355, 435);
        options_[static_cast<std::size_t>(k)] = option;
    }
    Option1 = options_[0];
    Option2 = options_[1];
    Option3 = options_[2];
    Option4 = options_[3];
    Option5 = options_[4];
}

void FrmTest::wire() {
    onKeyPress(Text5, this, &FrmTest::Text5_KeyPress);
    connectHandler(Text6, &QLineEdit::textChanged, this, &FrmTest::Text6_Change);
    onKeyPress(Text6, this, &FrmTest::Text6_KeyPress);
    connectHandler(Option1, &QRadioButton::clicked, this, &FrmTest::Option1_Click);
    connectHandler(Option2, &QRadioButton::clicked, this, &FrmTest::Option2_Click);
    connectHandler(Option3, &QRadioButton::clicked, this, &FrmTest::Option3_Click);
    connectHandler(Option4, &QRadioButton::clicked, this, &FrmTest::Option4_Click);
    connectHandler(Option5, &QRadioButton::clicked, this, &FrmTest::Option5_Click);
    connectHandler(CmdBack, &QPushButton::clicked, this, &FrmTest::CmdBack_Click);
    connectHandler(CmdNext, &QPushButton::clicked, this, &FrmTest::CmdNext_Click);
    connectHandler(Command1, &QPushButton::clicked, this, &FrmTest::Command1_Click);
    connectHandler(Command5, &QPushButton::clicked, this, &FrmTest::Command5_Click);
    connectHandler(Command2, &QPushButton::clicked, this, &FrmTest::Command2_Click);
}

void FrmTest::bindViews() {
    bind(Text2, Adodc1, QStringLiteral("TH"));
    // The slot's field is the item shown; none until the first item step.
    answerSlot_ = bind(Text12, Adodc2, QString());
    bind(Text14, Adodc2, QStringLiteral("Code"));
    bind(Text15, Adodc2, QStringLiteral("Code"));
    bind(Text1, Adodc3, QStringLiteral("Code"));
    bind(Text3, Adodc3, QStringLiteral("FName"));
    bind(Text4, Adodc3, QStringLiteral("LName"));
    bind(Text10, Adodc3, QStringLiteral("Jens"));
    bind(Text5, Adodc3, QStringLiteral("Sen"));
    bind(Text11, Adodc3, QStringLiteral("Taahol"));
    bind(Text7, Adodc3, QStringLiteral("Tahsil"));
    bind(Text8, Adodc3, QStringLiteral("Date"));
    bind(Text9, Adodc3, QStringLiteral("Time"));
    bind(Text16, Adodc4, QStringLiteral("Code"));
    bind(Text13, Adodc5, QStringLiteral("FName"));
    bind(Text17, Adodc6, QStringLiteral("ID"));
    bind(Lbl1, Adodc6, QStringLiteral("QU"));
}

void FrmTest::Form_Load() {
    twips::moveWindow(this, 2340, 765);
    ApplyTheme(this, *Skin1, Text2->text());
    Text12->hide();
    SkinLabel4->show();
    twips::place(SkinLabel4, 600, 1500, 9075, 4095);
    SkinLabel6->show();
    twips::place(SkinLabel6, 600, 5340, 9075, 1335);
    SkinLabel3->show();
    twips::place(SkinLabel3, 1200, 400, 7635, 1515);
    CmdNext->hide();
    CmdBack->hide();
}

void FrmTest::Command1_Click() {
    SkinLbl5->show();
    twips::place(SkinLbl5, 480, 3360, 8535, 1455);
    SkinLabel3->hide();
    SkinLabel4->hide();
    SkinLabel6->hide();
    Frame1->show();
    Frame2->show();
    Text6->show();
    SkinLbl5->show();
    CmdNext->show();
    // "0" first, so that "1" is a change even when the box already holds it.
    Text6->setText(QStringLiteral("0"));
    CmdBack->show();
    Text1->setFocus();
    Command1->hide();
    Command5->show();
    LblAnswered->show();
    Text6->setText(QStringLiteral("1"));
}

// A write of a new number inside a step runs the step for that number at
// once, to its end; the tests below read the box afresh each time.
void FrmTest::Text6_Change() {
    if (std::isnan(itemNumber())) {
        // Empty, or pasted text that reads as no whole number.
        SkinLbl5->setText(QString());
        Text6->setText(QStringLiteral("1"));
    }
    if (itemNumber() < 0) {
        ShowTimedMessage(this, texts::kBeforeFirst);
        Text6->setText(QStringLiteral("1"));
        bindAnswerSlot(1);
        Frame2->setTitle(QStringLiteral("1"));
    } else if (itemNumber() == 0) {
        return; // the rest value: the screen stays as it is
    }
    if (itemNumber() > ItemKey::kItems) {
        saveView(Adodc2);
        ShowTimedMessage(this, texts::kAfterLast);
        Text6->setText(QString::number(ItemKey::kItems));
        Frame2->setTitle(QString::number(ItemKey::kItems));
    }
    const double n = itemNumber();
    if (ItemKey::isItem(n)) showItem(static_cast<int>(n));
}

void FrmTest::showItem(int item) {
    const QString number = QString::number(item);
    Adodc6->Filter(filterText(QStringLiteral("ID"), number));
    SkinLbl5->setText(Lbl1->text());
    bindAnswerSlot(item);
    Frame2->setTitle(number);
    ShowStoredAnswer();
    showAnsweredCount();
}

void FrmTest::bindAnswerSlot(int item) { answerSlot_->setField(QString::number(item)); }

double FrmTest::itemNumber() const {
    bool ok = false;
    // Leading zeros name the item of that number: "05" is item 5.
    const double n = Text6->text().toDouble(&ok);
    if (!ok || !std::isfinite(n) || std::floor(n) != n) return std::numeric_limits<double>::quiet_NaN();
    return n;
}

void FrmTest::Text5_KeyPress(int& KeyAscii) { refuseKey(KeyAscii); }
void FrmTest::Text6_KeyPress(int& KeyAscii) { refuseKey(KeyAscii); }

void FrmTest::refuseKey(int& KeyAscii) {
    if (KeyAscii == 8 || KeyAscii == 13 || (KeyAscii >= '0' && KeyAscii <= '9')) return;
    platform::modal().beep();
    KeyAscii = 0;
    ShowTimedMessage(this, texts::kDigitsOnly);
}

void FrmTest::Option1_Click() { RecordChoice(); }
void FrmTest::Option2_Click() { RecordChoice(); }
void FrmTest::Option3_Click() { RecordChoice(); }
void FrmTest::Option4_Click() { RecordChoice(); }
void FrmTest::Option5_Click() { RecordChoice(); }

void FrmTest::CmdBack_Click() {
    if (!saveView(Adodc2)) return;
    Text6->setText(formatReal(Val(Text6->text()) - 1));
}

void FrmTest::CmdNext_Click() {
    if (!saveView(Adodc2)) return;
    Text6->setText(formatReal(Val(Text6->text()) + 1));
}

void FrmTest::Command5_Click() {
    // A refused save keeps the window open: closing would drop the change.
    for (RecordView* view : {Adodc2, Adodc3, Adodc4}) {
        if (!saveView(view)) return;
    }
    reloadViews();
    close();
}

void FrmTest::Command2_Click() {
    reloadViews();
    close();
}

void FrmTest::reloadViews() {
    for (RecordView* view : {Adodc1, Adodc2, Adodc3, Adodc5}) {
        try {
            view->Refresh();
        } catch (const std::exception&) {
            // The window closes next and its views with it.
        }
    }
}

bool FrmTest::saveView(RecordView* view) {
    try {
        view->Save();
        return true;
    } catch (const DataError& e) {
        MessageBox(this, texts::kSaveFailed + QLatin1Char('\n') + e.description(), texts::kErrorTitle,
                   platform::style::kIconExclamation | platform::style::kRightToLeftReading);
    } catch (const std::exception& e) {
        MessageBox(this, texts::kSaveFailed + QLatin1Char('\n') + QString::fromLocal8Bit(e.what()),
                   texts::kErrorTitle, platform::style::kIconExclamation | platform::style::kRightToLeftReading);
    }
    return false;
}

void FrmTest::RecordChoice() {
    const double n = itemNumber();
    if (!ItemKey::isItem(n)) return;
    if (ItemKey::isReversed(static_cast<int>(n))) {
        RecordChoiceReversed();
    } else {
        RecordChoiceForward();
    }
}

void FrmTest::RecordChoiceForward() { recordChoice(false); }
void FrmTest::RecordChoiceReversed() { recordChoice(true); }

void FrmTest::recordChoice(bool reversed) {
    const auto direction = reversed ? ItemKey::Direction::Reversed : ItemKey::Direction::Forward;
    for (int k = 1; k <= ItemKey::kOptions; ++k) {
        if (options_[static_cast<std::size_t>(k - 1)]->isChecked()) {
            Text12->setText(QString::number(ItemKey::valueOf(k, direction)));
        }
    }
    showAnsweredCount();
}

// Answered as scoring sees it: the field holds a value. The choice not yet
// saved counts too, as the option shown says.
int FrmTest::answeredItems() const {
    if (!Adodc2->hasCurrentRow()) return 0;
    int answered = 0;
    for (int item = 1; item <= ItemKey::kItems; ++item) {
        if (!Adodc2->Fields(QString::number(item)).isEmpty()) ++answered;
    }
    return answered;
}

void FrmTest::showAnsweredCount() {
    LblAnswered->setText(texts::kAnsweredCount.arg(answeredItems()).arg(ItemKey::kItems));
}

void FrmTest::ShowStoredAnswer() {
    const double n = itemNumber();
    if (!ItemKey::isItem(n)) return;
    if (ItemKey::isReversed(static_cast<int>(n))) {
        ShowAnswerReversed();
    } else {
        ShowAnswerForward();
    }
}

void FrmTest::ShowAnswerForward() { showAnswer(false); }
void FrmTest::ShowAnswerReversed() { showAnswer(true); }

void FrmTest::showAnswer(bool reversed) {
    const auto direction = reversed ? ItemKey::Direction::Reversed : ItemKey::Direction::Forward;
    if (Text12->text().isEmpty()) {
        clearOptions();
        return;
    }
    bool shown = false;
    for (int k = 1; k <= ItemKey::kOptions; ++k) {
        if (Val(Text12->text()) == ItemKey::valueOf(k, direction)) {
            selectOption(k);
            shown = true;
        }
    }
    // A value the test never writes (the file edited by other means) shows
    // no option rather than the previous item's.
    if (!shown) clearOptions();
}

// Selecting from the routine counts as a click: the option's handler writes
// back the value just read.
void FrmTest::selectOption(int option) {
    options_[static_cast<std::size_t>(option - 1)]->setChecked(true);
    switch (option) {
    case 1: Option1_Click(); break;
    case 2: Option2_Click(); break;
    case 3: Option3_Click(); break;
    case 4: Option4_Click(); break;
    case 5: Option5_Click(); break;
    default: break;
    }
}

void FrmTest::clearOptions() {
    // An exclusive group keeps one option checked; lift it for the clear.
    for (QRadioButton* option : options_) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void FrmTest::keyPressEvent(QKeyEvent* event) {
    // Enter that no control took presses the default button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && CmdNext->isVisible() &&
        CmdNext->isEnabled()) {
        CmdNext->click();
        return;
    }
    if (chooseOptionByKey(event)) return;
    Form::keyPressEvent(event);
}

bool FrmTest::chooseOptionByKey(const QKeyEvent* event) {
    if (!Frame2->isVisibleTo(this) || takesTyping(focusWidget())) return false;
    // A key held with Ctrl, Alt or Meta is a shortcut, not an answer.
    if (event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const int option = optionOfKey(event->key(), event->text());
    if (option == 0) return false;
    options_[static_cast<std::size_t>(option - 1)]->click();
    return true;
}

} // namespace pentarix

#include "scoring/frmk_lid.h"

#include "common/messages.h"
#include "common/theme.h"
#include "common/val.h"
#include "data/data_error.h"
#include "data/value_text.h"
#include "platform/controls.h"
#include "platform/data_binding.h"
#include "platform/fonts.h"
#include "platform/handlers.h"
#include "platform/modal.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "scoring/data_r1.h"
#include "scoring/data_r_print.h"
#include "scoring/frmk_lid_texts.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>


namespace pentarix {

namespace texts = frmk_lid_texts;

namespace {

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignAbsolute;

QLabel* caption(QWidget* parent, const char* name, const QString& text, int left, int top, int width, int height,
                Qt::Alignment alignment = kRight) {
    SkinLabel* label = controls::label(parent, name, text, alignment, left, top, width, height);
    // A caption as wide as its place would touch the box at its left: it is
    // set a little smaller to keep a few pixels off it.
    constexpr int kGap = 4; // pixels
    QFont font = fonts::nazanin(11);
    while (font.pointSizeF() > 9 && QFontMetrics(font).horizontalAdvance(text.trimmed()) + kGap > twips::px(width)) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
    return label;
}

// The boxes only show: what the window stores it computes itself.
QLineEdit* shownBox(QWidget* parent, const char* name, Qt::Alignment alignment, int left, int top, int width,
                    int height, const QFont& font = fonts::nazanin(11)) {
    QLineEdit* box = controls::textBox(parent, name, alignment, left, top, width, height);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFont(font);
    return box;
}

} // namespace

FrmkLID::FrmkLID() {
    setObjectName(QStringLiteral("FrmkLID"));
    openViews();
    buildControls();
    wire();
    bindViews();
}

FrmkLID::~FrmkLID() = default;

void FrmkLID::openViews() {
    Adodc1 = openView(QStringLiteral("Theme"));
    Adodc2 = openView(QStringLiteral("Answer"));
    Adodc3 = openView(QStringLiteral("IDE"));
    Adodc4 = openView(QStringLiteral("Answer"));
    Adodc5 = openView(QStringLiteral("IDE"));
    Adodc6 = openView(QStringLiteral("IDE"));
}

void FrmkLID::buildControls() {
    setWindowTitle(texts::kCaption);
    twips::setClientSize(this, 10170, 6240);
    buildIdentityPanel();
    buildFactorRow();
    buildAnswerGrid();

    Command1 = controls::button(this, "Command1", texts::kCommand1Caption, 6960, 2700, 2910, 555);
    Command6 = controls::button(this, "Command6", texts::kCommand6Caption, 6960, 3300, 2910, 555);
    Command3 = controls::button(this, "Command3", texts::kCommand3Caption, 6960, 3900, 2910, 555);
    Command2 = controls::button(this, "Command2", texts::kCommand2Caption, 6960, 4500, 2910, 555);
    Command4 = controls::button(this, "Command4", texts::kCommand4Caption, 6960, 5100, 2910, 555);

    buildHelpPanel();

    Text1 = controls::hiddenBox(this, "Text1");
    Text13 = controls::hiddenBox(this, "Text13");
    Text16 = controls::hiddenBox(this, "Text16");
    Text19 = controls::hiddenBox(this, "Text19");
    Text20 = controls::hiddenBox(this, "Text20");
    Text5 = controls::hiddenBox(this, "Text5");
    Skin1 = new SkinEngine(this);
}

void FrmkLID::buildIdentityPanel() {
    Frame1 = controls::panel(this, "Frame1");
    Frame1->show();
    twips::place(Frame1, 120, 90, 9930, 1110);
    // First row, right to left: each box with its caption at its right.
    Label1 = caption(Frame1, "Label1", texts::kLabelCode, 9360, 165, 450, 375);
    Text15 = shownBox(Frame1, "Text15", Qt::AlignCenter, 8280, 150, 1050, 405);
    Label2 = caption(Frame1, "Label2", texts::kLabelFName, 7590, 165, 450, 375);
    Text3[3] = shownBox(Frame1, "Text3_3", kRight, 6160, 150, 1400, 405);
    Label3 = caption(Frame1, "Label3", texts::kLabelLName, 4690, 165, 1230, 375);
    Text12 = shownBox(Frame1, "Text12", kRight, 3060, 150, 1600, 405);
    Label4 = caption(Frame1, "Label4", texts::kLabelJens, 2310, 165, 510, 375);
    Text10 = shownBox(Frame1, "Text10", Qt::AlignCenter, 1500, 150, 780, 405);
    Label5 = caption(Frame1, "Label5", texts::kLabelSen, 840, 165, 420, 375);
    Text6 = shownBox(Frame1, "Text6", Qt::AlignCenter, 210, 150, 600, 405);
    // Second row.
    Label6 = caption(Frame1, "Label6", texts::kLabelTaahol, 8760, 645, 1050, 375);
    Text11 = shownBox(Frame1, "Text11", Qt::AlignCenter, 7730, 630, 1000, 405);
    Label7 = caption(Frame1, "Label7", texts::kLabelTahsil, 6290, 645, 1260, 375);
    Text7 = shownBox(Frame1, "Text7", kRight, 4010, 630, 2250, 405);
    Label8 = caption(Frame1, "Label8", texts::kLabelDate, 3230, 645, 600, 375);
    Text8 = shownBox(Frame1, "Text8", Qt::AlignCenter, 2050, 630, 1150, 405);
    Label9 = caption(Frame1, "Label9", texts::kLabelTime, 1270, 645, 600, 375);
    Text9 = shownBox(Frame1, "Text9", Qt::AlignCenter, 190, 630, 1050, 405);
}

void FrmkLID::buildFactorRow() {
    // Right to left E, A, C, ES, O, each box under its factor's caption.
    const QFont score = fonts::nazanin(18);
    const Qt::Alignment centre = Qt::AlignCenter;
    Label10 = caption(this, "Label10", texts::kCaptionE, 8175, 1350, 1500, 375, centre);
    Text2 = shownBox(this, "Text2", centre, 8467, 1755, 915, 750, score);
    Label11 = caption(this, "Label11", texts::kCaptionA, 6255, 1350, 1500, 375, centre);
    Text4 = shownBox(this, "Text4", centre, 6547, 1755, 915, 750, score);
    Label12 = caption(this, "Label12", texts::kCaptionC, 4335, 1350, 1500, 375, centre);
    Text14 = shownBox(this, "Text14", centre, 4627, 1755, 915, 750, score);
    Label13 = caption(this, "Label13", texts::kCaptionES, 2415, 1350, 1500, 375, centre);
    Text17 = shownBox(this, "Text17", centre, 2707, 1755, 915, 750, score);
    Label14 = caption(this, "Label14", texts::kCaptionO, 495, 1350, 1500, 375, centre);
    Text18 = shownBox(this, "Text18", centre, 787, 1755, 915, 750, score);
}

void FrmkLID::buildAnswerGrid() {
    // Five rows of ten on a 600-twip pitch; item 10k + 1 at the left end.
    const QFont answer = fonts::nazanin(12);
    for (int item = 1; item <= 50; ++item) {
        const int row = (item - 1) / 10;
        const int column = (item - 1) % 10;
        const QByteArray name = "Txt3_" + QByteArray::number(item);
        QLineEdit* box = shownBox(this, name.constData(), Qt::AlignCenter, 360 + 600 * column, 2700 + 600 * row, 555,
                                  555, answer);
        box->setToolTip(QString::number(item));
        Txt3[static_cast<std::size_t>(item)] = box;
    }
}

void FrmkLID::buildHelpPanel() {
    Frame2 = controls::panel(this, "Frame2");
    Frame2->setAutoFillBackground(true);
    Text21 = controls::make<QPlainTextEdit>(Frame2, "Text21");
    Text21->setReadOnly(true);
    Text21->setFont(fonts::nazanin(12));
    Text21->document()->setDefaultTextOption(QTextOption(Qt::AlignRight | Qt::AlignAbsolute));
    Text21->setPlainText(texts::kHelpLine1 + QStringLiteral("\r\n") + texts::kHelpLine2 + QStringLiteral("\r\n") +
                         texts::kHelpLine3 + QStringLiteral("\r\n") + texts::kHelpLine4 + QStringLiteral("\r\n") +
                         texts::kHelpLine5 + QStringLiteral("\r\n") + texts::kHelpLine6 + QStringLiteral("\r\n") +
                         texts::kHelpLine7 + QStringLiteral("\r\n"));
    twips::place(Text21, 240, 240, 7155, 3765);
    Command7 = controls::button(Frame2, "Command7", texts::kCommand7Caption, 3225, 4170, 1185, 495);
}

void FrmkLID::wire() {
    connectHandler(Command1, &QPushButton::clicked, this, &FrmkLID::Command1_Click);
    connectHandler(Command6, &QPushButton::clicked, this, &FrmkLID::Command6_Click);
    connectHandler(Command3, &QPushButton::clicked, this, &FrmkLID::Command3_Click);
    connectHandler(Command2, &QPushButton::clicked, this, &FrmkLID::Command2_Click);
    connectHandler(Command4, &QPushButton::clicked, this, &FrmkLID::Command4_Click);
    connectHandler(Command7, &QPushButton::clicked, this, &FrmkLID::Command7_Click);
}

void FrmkLID::bindViews() {
    bind(Text1, Adodc1, QStringLiteral("TH"));
    bind(Text13, Adodc1, QStringLiteral("Name"));
    bind(Text16, Adodc1, QStringLiteral("Adress"));
    bind(Text19, Adodc2, QStringLiteral("Code"));
    for (int item = 1; item <= 50; ++item) {
        bind(Txt3[static_cast<std::size_t>(item)], Adodc2, QString::number(item));
    }
    bind(Text15, Adodc3, QStringLiteral("Code"));
    bind(Text3[3], Adodc3, QStringLiteral("FName"));
    bind(Text12, Adodc3, QStringLiteral("LName"));
    bind(Text10, Adodc3, QStringLiteral("Jens"));
    bind(Text6, Adodc3, QStringLiteral("Sen"));
    bind(Text11, Adodc3, QStringLiteral("Taahol"));
    bind(Text7, Adodc3, QStringLiteral("Tahsil"));
    bind(Text8, Adodc3, QStringLiteral("Date"));
    bind(Text9, Adodc3, QStringLiteral("Time"));
    bind(Text20, Adodc5, QStringLiteral("Code"));
    bind(Text2, Adodc5, QStringLiteral("E"));
    bind(Text4, Adodc5, QStringLiteral("A"));
    bind(Text14, Adodc5, QStringLiteral("C"));
    bind(Text17, Adodc5, QStringLiteral("ES"));
    bind(Text18, Adodc5, QStringLiteral("O"));
}

void FrmkLID::Form_Load() {
    twips::moveWindow(this, 2340, 765);
    ApplyTheme(this, *Skin1, Text1->text());
    twips::place(Frame2, 1380, 1080, 7635, 4935);
}

void FrmkLID::Form_Unload() { showMainWindow(); }

void FrmkLID::Command1_Click() {
    const QString code = platform::modal().inputBox(this, texts::kInputPrompt, texts::kInputTitle, QString());
    if (code.isEmpty()) {
        ShowTimedMessage(this, texts::kNoCode);
        return;
    }
    const QString filter = codeFilter(code);
    const QString scoredBefore = Text5->text();
    try {
        Adodc2->Refresh();
        Adodc2->Filter(filter);
        Adodc3->Filter(filter);
        if (Adodc2->RecordCount() == 0) {
            ShowTimedMessage(this, texts::kNotFound);
            return;
        }
        // An answer sheet without its examinee row (a code registered with
        // blanks around it is kept trimmed in one table and as typed in the
        // other) has nowhere to store its scores.
        if (Adodc3->RecordCount() == 0) {
            MessageBox(this, texts::kNoExamineeRow, texts::kIncompleteTitle,
                       platform::style::kIconExclamation | platform::style::kRightToLeftReading);
            return;
        }
        const QString unanswered = UnansweredItems();
        if (!unanswered.isEmpty()) {
            MessageBox(this, texts::kIncomplete + QStringLiteral("\r\n\r\n") + unanswered, texts::kIncompleteTitle,
                       platform::style::kIconExclamation);
            return;
        }
        Adodc3->Filter(filter);
        Adodc5->Filter(filter);
        Text5->setText(code);
        ShowScores();
        StoreScores();
    } catch (const DataError& e) {
        // Nothing was stored: the scores not stored are dropped, and the
        // examinee scored before stays the one in view and in print.
        Text5->setText(scoredBefore);
        try {
            Adodc5->Refresh();
            if (!scoredBefore.isEmpty()) Adodc5->Filter(codeFilter(scoredBefore));
        } catch (const DataError&) {
        }
        MessageBox(this, e.description(), texts::kIncompleteTitle,
                   platform::style::kIconExclamation | platform::style::kRightToLeftReading);
        return;
    }
    ShowTimedMessage(this, texts::kScored);
}

QString FrmkLID::UnansweredItems() const {
    QString list;
    for (int item = 1; item <= 50; ++item) {
        if (Txt3[static_cast<std::size_t>(item)]->text().isEmpty()) {
            list += QLatin1Char(' ') + QString::number(item) + QStringLiteral("  ");
        }
    }
    return list;
}

void FrmkLID::ShowScores() {
    std::array<double, 5> sums{};
    for (int item = 1; item <= 50; ++item) {
        sums[static_cast<std::size_t>(factorOfItem(item))] += Val(Txt3[static_cast<std::size_t>(item)]->text());
    }
    Text2->setText(formatReal(sums[0]));
    Text4->setText(formatReal(sums[1]));
    Text14->setText(formatReal(sums[2]));
    Text17->setText(formatReal(sums[3]));
    Text18->setText(formatReal(sums[4]));
}

void FrmkLID::StoreScores() {
    Adodc5->setField(QStringLiteral("E"), Text2->text().trimmed());
    Adodc5->setField(QStringLiteral("A"), Text4->text().trimmed());
    Adodc5->setField(QStringLiteral("C"), Text14->text().trimmed());
    Adodc5->setField(QStringLiteral("ES"), Text17->text().trimmed());
    Adodc5->setField(QStringLiteral("O"), Text18->text().trimmed());
    Adodc5->Save();
    Adodc5->Update();
}

void FrmkLID::ShowScoredExaminee() {
    const QString filter = codeFilter(Text5->text());
    if (Adodc3->filter() == filter && Adodc2->filter() == filter) return;
    Adodc2->Refresh();
    Adodc2->Filter(filter);
    Adodc3->Filter(filter);
}

void FrmkLID::Command6_Click() {
    if (Text5->text().isEmpty()) {
        ShowTimedMessage(this, texts::kPrintGuard, 2000);
        return;
    }
    try {
        // A lookup that failed after the scoring has moved the identity
        // boxes to another code; the sheet is that of the examinee scored.
        ShowScoredExaminee();
    } catch (const DataError& e) {
        MessageBox(this, texts::kPrintFailed + QLatin1Char('\n') + e.description(), texts::kIncompleteTitle,
                   platform::style::kIconExclamation | platform::style::kRightToLeftReading);
        return;
    }
    DataR1& report = dataR1();
    report.setRowSource(*Adodc3);
    const QString section = QStringLiteral("Section1");
    report.setLabelText(section, QStringLiteral("Label15"), Text15->text());
    // Beside its caption "group" the sheet shows the group, which the
    // window's boxes do not hold.
    report.setLabelText(section, QStringLiteral("Label16"),
                        Adodc3->hasCurrentRow() ? Adodc3->Fields(QStringLiteral("Group")) : QString());
    report.setLabelText(section, QStringLiteral("Label19"), Text6->text());
    report.setLabelText(section, QStringLiteral("Label20"), Text10->text());
    report.setLabelText(section, QStringLiteral("Label21"), Text11->text());
    report.setLabelText(section, QStringLiteral("Label22"), Text7->text());
    report.setLabelText(section, QStringLiteral("Label23"), Text2->text());
    report.setLabelText(section, QStringLiteral("Label24"), Text4->text());
    report.setLabelText(section, QStringLiteral("Label25"), Text14->text());
    report.setLabelText(section, QStringLiteral("Label26"), Text17->text());
    report.setLabelText(section, QStringLiteral("Label27"), Text18->text());
    report.setLabelText(section, QStringLiteral("Label29"), Text16->text());
    report.Show();
    Text5->clear();
}

void FrmkLID::Command3_Click() {
    // Each step goes on whatever the one before it did. The score view keeps
    // its narrowing, so the examinee scored stays in view.
    DataRPrint& report = dataRPrint();
    try {
        Adodc6->Refresh();
    } catch (...) {
    }
    try {
        report.setRowSource(*Adodc6);
    } catch (...) {
    }
    try {
        report.setLabelText(QStringLiteral("Section4"), QStringLiteral("Label9"), Text13->text());
        report.setLabelText(QStringLiteral("Section5"), QStringLiteral("Label14"), Text16->text());
    } catch (...) {
    }
    try {
        report.Show();
    } catch (...) {
    }
}

void FrmkLID::Command2_Click() {
    Frame2->show();
    Frame2->raise();
}

void FrmkLID::Command4_Click() { close(); }

void FrmkLID::Command7_Click() { Frame2->hide(); }

} // namespace pentarix

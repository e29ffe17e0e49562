// Every text the operator reads fits inside the control that shows it, in
// every skin and in the plain look, and no group box title is drawn across
// its frame's line. Each row opens one window in one state with the theme
// stored as the windows read it at load.
#include "data/value_text.h"
#include "examinees/frm_code.h"
#include "maintenance/exit_handover.h"
#include "maintenance/exitpro.h"
#include "maintenance/frmbackup.h"
#include "platform/modal.h"
#include "scoring/frmk_lid.h"
#include "shell/about.h"
#include "shell/frm1.h"
#include "shell/frm1_texts.h"
#include "shell/frmq.h"
#include "shell/frmravansanji.h"
#include "shell/frmskin.h"
#include "support/app_folder.h"
#include "support/real_box.h"
#include "support/scripted_modal.h"
#include "testing/frm_test.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>

using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;

namespace {

struct Skin {
    const char* name;
    int theme; // 0: no skin, the plain look
};

struct Window {
    const char* name;
    // Opens the window in its state and tells what does not fit.
    std::function<QStringList()> misfits;
};

QStringList misfitsOf(QWidget* window);

template <class T> QWidget* shown() {
    T& w = pentarix::form<T>();
    w.show();
    return &w;
}

// The main window with one of its panels shown by its own buttons.
QWidget* mainWindow(const std::function<void(pentarix::Frm1&)>& show) {
    pentarix::Frm1& w = pentarix::form<pentarix::Frm1>();
    w.show();
    show(w);
    return &w;
}

// The test window as the main window hands it over for the examinee 101.
pentarix::FrmTest& testWindow() {
    pentarix::FrmTest& w = pentarix::form<pentarix::FrmTest>();
    const QString filter = pentarix::codeFilter(QStringLiteral("101"));
    w.Adodc2->Filter(filter);
    w.Adodc3->Filter(filter);
    w.show();
    return w;
}

QWidget* aboutStill() {
    pentarix::About& w = pentarix::form<pentarix::About>();
    for (QTimer* t : {w.Timer1, w.Timer2, w.Timer3, w.Timer10})
        t->stop();
    w.show();
    return &w;
}

const Skin kSkins[] = {{"plain", 0},        {"skin1_chizh", 1},      {"skin2_green", 2},
                       {"skin3_galaxy", 3}, {"skin4_temp", 4},       {"skin5_b_studio", 5},
                       {"skin6_mac", 6},    {"skin7_o_universe", 7}, {"skin8_metallic", 8},
                       {"skin9_paper", 9},  {"skin10_winaqua", 10},  {"skin11_office2007", 11}};

// What does not fit in a window once it is open.
std::function<QStringList()> opened(std::function<QWidget*()> open) {
    return [open] { return misfitsOf(open()); };
}

// What does not fit in a real box of the program over the main window: left
// to right as the second copy's warning, right to left as the others.
std::function<QStringList()> box(const QString& text, const QString& title, int style) {
    return [=] {
        pentarix::Frm1& owner = pentarix::form<pentarix::Frm1>();
        owner.show();
        QStringList misfits;
        pentarix::test::WhenBoxShown answer(&owner, [&](QMessageBox* shown) {
            misfits = misfitsOf(shown);
            shown->buttons().constFirst()->click();
        });
        pentarix::platform::QtModalHost().messageBox(&owner, text, title, style);
        return misfits;
    };
}

const Window kWindows[] = {
    {"Frm1_registration", opened([] { return mainWindow([](pentarix::Frm1& w) { w.Command1->click(); }); })},
    {"Frm1_themes", opened([] {
         return mainWindow([](pentarix::Frm1& w) {
             w.Command9->click();
             w.Command68->click();
         });
     })},
    {"Frm1_settings", opened([] { return mainWindow([](pentarix::Frm1& w) { w.Command9->click(); }); })},
    {"Frm1_clinic", opened([] {
         return mainWindow([](pentarix::Frm1& w) {
             w.Command9->click();
             w.Command67->click();
         });
     })},
    {"FrmCode", opened(shown<pentarix::FrmCode>)},
    {"FrmkLID", opened(shown<pentarix::FrmkLID>)},
    {"FrmTest_start", opened([] { return static_cast<QWidget*>(&testWindow()); })},
    {"FrmTest_item", opened([] {
         pentarix::FrmTest& w = testWindow();
         w.Command1->click();
         w.CmdNext->click();
         return static_cast<QWidget*>(&w);
     })},
    // The count of answered items at its widest.
    {"FrmTest_item_all_answered", opened([] {
         pentarix::FrmTest& w = testWindow();
         for (int item = 1; item <= 50; ++item) w.Adodc2->setField(QString::number(item), QStringLiteral("3"));
         w.Adodc2->Save();
         w.Command1->click();
         return static_cast<QWidget*>(&w);
     })},
    {"Frmbackup", opened(shown<pentarix::Frmbackup>)},
    {"exitpro", opened([] {
         pentarix::showExitDialog(5000, 1500);
         return static_cast<QWidget*>(&pentarix::form<pentarix::exitpro>());
     })},
    {"Frmskin", opened(shown<pentarix::Frmskin>)},
    {"About", opened(aboutStill)},
    {"FrmQ", opened(shown<pentarix::FrmQ>)},
    {"Frmravansanji", opened(shown<pentarix::Frmravansanji>)},
    {"Box_left_to_right",
     box(pentarix::frm1_texts::kAlreadyRunning, pentarix::frm1_texts::kAlreadyRunningTitle,
         pentarix::platform::style::kIconInformation)},
    {"Box_right_to_left",
     box(QStringLiteral("آیا می‌خواهید آزمودنی را حذف کنید؟"),
         QStringLiteral("پيام"),
         pentarix::platform::style::kYesNo | pentarix::platform::style::kIconQuestion |
             pentarix::platform::style::kRightToLeftReading)},
};

// --- Where a control draws its text, and whether it fits.

QString describe(const QWidget* w, const QString& text, const QString& problem) {
    return QStringLiteral("%1 \u00AB%2\u00BB: %3").arg(w->objectName(), text, problem);
}

// The ink of one line drawn in an area with an alignment, as styles draw
// item texts: the line's logical box is aligned, the glyphs sit on its
// baseline.
QRect inkOf(const QFontMetrics& fm, const QString& line, const QRect& area, Qt::Alignment alignment,
            Qt::LayoutDirection direction) {
    const QRect box =
        QStyle::alignedRect(direction, alignment, QSize(fm.horizontalAdvance(line), fm.height()), area);
    return fm.tightBoundingRect(line).translated(box.left(), box.top() + fm.ascent());
}

// One line of text in its contents rectangle: wide enough for its advance,
// tall enough for its glyphs where they are drawn.
void checkLine(QStringList& misfits, const QWidget* w, const QString& text, const QRect& area,
               Qt::Alignment alignment, bool measureWidth = true) {
    const QString line = text.trimmed();
    if (line.isEmpty()) return;
    const QFontMetrics fm(w->font());
    const int advance = fm.horizontalAdvance(line);
    if (measureWidth && advance > area.width()) {
        misfits << describe(w, line, QStringLiteral("%1 px wide in %2 px").arg(advance).arg(area.width()));
    }
    const QRect ink = inkOf(fm, line, area, alignment, w->layoutDirection());
    if (ink.top() < area.top() || ink.bottom() > area.bottom()) {
        misfits << describe(w, line,
                            QStringLiteral("glyphs from y %1 to %2 outside %3..%4")
                                .arg(ink.top())
                                .arg(ink.bottom())
                                .arg(area.top())
                                .arg(area.bottom()));
    }
}

void checkLabel(QStringList& misfits, const QLabel* l) {
    if (l->text().trimmed().isEmpty() || !l->pixmap().isNull()) return;
    const int m = l->margin();
    const QRect area = l->contentsRect().adjusted(m, m, -m, -m);
    const bool rich = l->textFormat() == Qt::RichText ||
                      (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
    if (l->wordWrap() || rich) {
        // A wrapped text needs its height at the label's width; lines it
        // breaks itself must not break again.
        const int needed = l->heightForWidth(l->width());
        if (needed > l->height()) {
            misfits << describe(l, l->text().left(40),
                                QStringLiteral("needs %1 px of height, has %2").arg(needed).arg(l->height()));
        }
        return;
    }
    const QStringList lines = l->text().split(QLatin1Char('\n'));
    if (lines.size() == 1) {
        checkLine(misfits, l, lines.first(), area, l->alignment());
        return;
    }
    const QFontMetrics fm(l->font());
    for (const QString& line : lines) {
        if (fm.horizontalAdvance(line.trimmed()) > area.width()) {
            misfits << describe(l, line, QStringLiteral("wider than %1 px").arg(area.width()));
        }
    }
    if (fm.lineSpacing() * lines.size() > area.height() + fm.leading()) {
        misfits << describe(
            l, l->text(), QStringLiteral("%1 lines higher than %2 px").arg(lines.size()).arg(area.height()));
    }
}

// The box's text area as the box paints it: the style's contents, the text
// margins, and the box's own two pixels on either side.
void checkLineEdit(QStringList& misfits, const QLineEdit* e) {
    QStyleOptionFrame option;
    option.initFrom(e);
    option.rect = e->rect();
    option.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (e->isReadOnly()) option.state |= QStyle::State_ReadOnly;
    QRect area = e->style()->subElementRect(QStyle::SE_LineEditContents, &option, e);
    area = area.marginsRemoved(e->textMargins()).adjusted(2, 0, -2, 0);
    // An empty box is measured for height with a sample of the tallest and
    // deepest Persian letters, as the operator will type them.
    const bool empty = e->text().trimmed().isEmpty();
    checkLine(misfits, e, empty ? QStringLiteral("گچ ۱۴۰۵") : e->text(), area,
              Qt::AlignHCenter | Qt::AlignVCenter, !empty);
}

void checkButton(QStringList& misfits, const QAbstractButton* b) {
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    Qt::Alignment alignment = Qt::AlignCenter;
    if (qobject_cast<const QRadioButton*>(b)) {
        contents = QStyle::SE_RadioButtonContents;
        alignment = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (qobject_cast<const QCheckBox*>(b)) {
        contents = QStyle::SE_CheckBoxContents;
        alignment = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (auto* push = qobject_cast<const QPushButton*>(b)) {
        if (push->isFlat()) option.features |= QStyleOptionButton::Flat;
        if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    }
    QRect area = b->style()->subElementRect(contents, &option, b);
    // An icon stands beside the caption, with a few pixels between them.
    if (!b->icon().isNull() && contents == QStyle::SE_PushButtonContents) {
        area.setLeft(area.left() + b->iconSize().width() + 4);
    }
    QString text = b->text();
    text.remove(QLatin1Char('&'));
    checkLine(misfits, b, text, area, alignment);
}

// Every item of a list must fit its field, not only the one picked now.
void checkComboBox(QStringList& misfits, const QComboBox* c) {
    if (c->isEditable()) return; // its line edit is checked as a box
    QStyleOptionComboBox option;
    option.initFrom(c);
    option.editable = false;
    option.frame = c->hasFrame();
    option.subControls = QStyle::SC_All;
    option.currentText = c->currentText();
    const QRect field = c->style()
                            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c)
                            .adjusted(1, 0, -1, 0);
    for (int i = 0; i < c->count(); ++i) {
        checkLine(misfits, c, c->itemText(i), field, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

// The title fits its place and stands wholly above the frame's line.
void checkGroupBox(QStringList& misfits, const QGroupBox* g) {
    if (g->title().trimmed().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(g);
    option.text = g->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = g->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (g->isFlat()) option.features |= QStyleOptionFrame::Flat;
    const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
    const QRect frame = g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, g);
    checkLine(misfits, g, g->title(), label.intersected(g->rect()), Qt::AlignCenter);
    const QFontMetrics fm(g->font());
    // A skin draws the frame's line at the top of the frame's rectangle; the
    // plain look (Fusion) draws it below the title's line of text and three
    // pixels more.
    const int line =
        g->style()->name() == QLatin1String("fusion")
            ? std::max(g->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight), fm.height()) + 3
            : frame.top();
    const QRect ink = inkOf(fm, g->title().trimmed(), label, Qt::AlignCenter, g->layoutDirection());
    if (ink.bottom() >= line) {
        misfits << describe(
            g, g->title(),
            QStringLiteral("glyphs reach y %1, the frame's line is at y %2").arg(ink.bottom()).arg(line));
    }
}

// The about window's credits move: the ticker's letters fly in and scroll
// past, and the four credit captions slide up through the window.
bool movesByDesign(const QWidget* window, const QWidget* control) {
    static const QStringList moving = {QStringLiteral("Text1"), QStringLiteral("Label1"),
                                       QStringLiteral("Label2"), QStringLiteral("Label3"),
                                       QStringLiteral("Label4")};
    return window->objectName() == QLatin1String("About") && moving.contains(control->objectName());
}

QStringList misfitsOf(QWidget* window) {
    QApplication::processEvents();
    QStringList misfits;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->width() <= 0) continue;
        if (movesByDesign(window, w)) continue;
        if (auto* l = qobject_cast<QLabel*>(w))
            checkLabel(misfits, l);
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            checkLineEdit(misfits, e);
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            checkButton(misfits, b);
        else if (auto* c = qobject_cast<QComboBox*>(w))
            checkComboBox(misfits, c);
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            checkGroupBox(misfits, g);
    }
    return misfits;
}

class TextFits : public ::testing::TestWithParam<std::tuple<Skin, Window>> {
protected:
    ~TextFits() override { pentarix::FormSlotBase::discardAll(); }
    AppFolder folder;
    ScriptedModal modal;
};

// A clinic name a little longer than the delivered one, as operators type
// them.
TEST_P(TextFits, EveryVisibleTextFitsItsControl) {
    const auto& [skin, window] = GetParam();
    folder.addExaminee(QStringLiteral("101"));
    folder.exec(QStringLiteral("UPDATE Theme SET TH = %1, Name = '%2'")
                    .arg(skin.theme)
                    .arg(QStringLiteral("مرکز مشاوره و خدمات روان‌شناختی و روان‌درمانی "
                                        "آرامش")));
    const QStringList misfits = window.misfits();
    EXPECT_TRUE(misfits.isEmpty()) << skin.name << " " << window.name << ":\n"
                                   << misfits.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Look, TextFits,
                         ::testing::Combine(::testing::ValuesIn(kSkins), ::testing::ValuesIn(kWindows)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

} // namespace

#include "data/value_text.h"
#include "platform/skin_engine.h"
#include "platform/twips.h"
#include "shell/frm1.h"
#include "support/app_folder.h"
#include "support/scripted_modal.h"
#include "support/typing.h"
#include "testing/frm_test.h"
#include "testing/frm_test_texts.h"
#include "testing/item_key.h"
#include "testing/option_keys.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QGroupBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <ostream>
#include <set>

using pentarix::FrmTest;
using pentarix::ItemKey;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;
namespace texts = pentarix::frm_test_texts;
using Kind = ScriptedModal::Call::Kind;

namespace {

// The key as the questionnaire's manual gives it, written out independently
// of the program's own table.
const std::set<int> kReversedItems = {2,  4,  6,  8,  10, 12, 14, 16, 18, 20, 22, 24,
                                      26, 28, 30, 32, 34, 36, 38, 39, 44, 46, 49};

QString keyed(int item, int option) {
    return QString::number(kReversedItems.count(item) ? 6 - option : option);
}

const QString kCode = QStringLiteral("101");

class TestWindow : public ::testing::Test {
protected:
    TestWindow() { folder.addExaminee(kCode); }
    ~TestWindow() override { pentarix::FormSlotBase::discardAll(); }

    // What the main window does before it shows the window, without the
    // modal loop, so that a test can drive the window directly.
    FrmTest& open(const QString& code = kCode) {
        FrmTest& w = pentarix::form<FrmTest>();
        w.Adodc2->Refresh();
        w.Adodc3->Refresh();
        const QString filter = pentarix::codeFilter(code);
        w.Adodc2->Filter(filter);
        w.Adodc3->Filter(filter);
        w.show();
        return w;
    }
    FrmTest& start(const QString& code = kCode) {
        FrmTest& w = open(code);
        w.Command1->click();
        modal.clear();
        return w;
    }

    // The 50 item fields of the examinee's stored answer row.
    QStringList stored(const QString& code = kCode) const {
        QStringList values;
        for (int item = 1; item <= 50; ++item) {
            values << folder.scalar(QStringLiteral("SELECT \"%1\" FROM Answer WHERE Code='%2'").arg(item).arg(code));
        }
        return values;
    }
    QString itemText(int item) const {
        return folder.scalar(QStringLiteral("SELECT QU FROM QU WHERE ID=%1").arg(item));
    }
    // 1 .. 5 for the selected option, 0 for none.
    static int selected(const FrmTest& w) {
        for (int k = 0; k < 5; ++k) {
            if (w.options()[static_cast<std::size_t>(k)]->isChecked()) return k + 1;
        }
        return 0;
    }
    static void expectItemShown(FrmTest& w, int item) {
        EXPECT_EQ(w.Frame2->title(), QString::number(item));
        EXPECT_EQ(w.Adodc6->Fields(QStringLiteral("ID")), QString::number(item));
        EXPECT_EQ(w.SkinLbl5->text(), w.Lbl1->text());
    }

    AppFolder folder;
    ScriptedModal modal;
};

// --- The key itself.

TEST(ItemKeyTable, DirectionsAreTheManualsLists) {
    std::set<int> forward(ItemKey::forwardItems().begin(), ItemKey::forwardItems().end());
    std::set<int> reversed(ItemKey::reversedItems().begin(), ItemKey::reversedItems().end());
    EXPECT_EQ(reversed, kReversedItems);
    for (int item = 1; item <= 50; ++item) {
        EXPECT_NE(forward.count(item), reversed.count(item)) << "item " << item << " in exactly one list";
        EXPECT_EQ(ItemKey::isReversed(item), kReversedItems.count(item) == 1) << "item " << item;
    }
}

TEST(ItemKeyTable, OptionsAndValuesMapBothWays) {
    using D = ItemKey::Direction;
    const struct {
        int option;
        int forward;
        int reversed;
    } table[] = {{1, 1, 5}, {2, 2, 4}, {3, 3, 3}, {4, 4, 2}, {5, 5, 1}};
    for (const auto& row : table) {
        EXPECT_EQ(ItemKey::valueOf(row.option, D::Forward), row.forward);
        EXPECT_EQ(ItemKey::valueOf(row.option, D::Reversed), row.reversed);
        EXPECT_EQ(ItemKey::optionOf(row.forward, D::Forward), row.option);
        EXPECT_EQ(ItemKey::optionOf(row.reversed, D::Reversed), row.option);
    }
    for (double value : {0.0, 6.0, 2.5, -1.0}) {
        EXPECT_FALSE(ItemKey::optionOf(value, D::Forward).has_value()) << value;
        EXPECT_FALSE(ItemKey::optionOf(value, D::Reversed).has_value()) << value;
    }
}

TEST(ItemKeyTable, OnlyWholeNumbersOneToFiftyNameAnItem) {
    for (double n : {1.0, 2.0, 49.0, 50.0}) EXPECT_TRUE(ItemKey::isItem(n)) << n;
    for (double n : {0.0, -1.0, 51.0, 2.5, 0.5}) EXPECT_FALSE(ItemKey::isItem(n)) << n;
}

// --- The window's look.

TEST_F(TestWindow, ControlsStandAtTheirPositionsWithTheirTexts) {
    FrmTest& w = open();
    EXPECT_EQ(w.windowTitle(), texts::kCaption);
    EXPECT_EQ(w.size(), QSize(681, 585));
    EXPECT_EQ(w.pos(), QPoint(156, 51));
    const struct {
        QWidget* control;
        QRect twips;
    } places[] = {
        {w.SkinLabel3, {1200, 400, 7635, 1515}}, {w.SkinLabel4, {600, 1500, 9075, 4095}},
        {w.SkinLabel6, {600, 5340, 9075, 1335}}, {w.Frame1, {360, 480, 9495, 2115}},
        {w.SkinLbl5, {8640, 3300, 375, 615}},    {w.Text6, {9120, 3420, 615, 495}},
        {w.Frame2, {3960, 4560, 2595, 2955}},    {w.CmdBack, {2100, 5700, 1455, 975}},
        {w.CmdNext, {6960, 5700, 1455, 975}},    {w.Command1, {5040, 7980, 975, 555}},
        {w.Command5, {5040, 7980, 1575, 555}},   {w.Command2, {3840, 7980, 975, 555}},
        {w.Text1, {8040, 180, 675, 435}},        {w.Text3, {5880, 180, 1515, 435}},
        {w.Text4, {3000, 180, 1635, 435}},       {w.Text10, {1680, 180, 675, 435}},
        {w.Text5, {180, 180, 675, 435}},         {w.Text11, {7200, 900, 975, 435}},
        {w.Text7, {4260, 840, 1455, 435}},       {w.Text8, {2220, 840, 1455, 435}},
        {w.Text9, {120, 840, 1455, 435}},
    };
    for (const auto& [control, t] : places) {
        const QRect px(pentarix::twips::rect(t.x(), t.y(), t.width(), t.height()));
        EXPECT_EQ(control->geometry(), px) << control->objectName().toStdString();
    }
    for (int k = 0; k < 5; ++k) {
        QRadioButton* option = w.options()[static_cast<std::size_t>(k)];
        EXPECT_EQ(option->parentWidget(), w.Frame2);
        EXPECT_EQ(option->geometry(), pentarix::twips::rect(120, 240 + 540 * k, 2355, 435));
        EXPECT_EQ(option->objectName(), QStringLiteral("Option%1").arg(k + 1));
    }
    EXPECT_EQ(w.Option1->text(), texts::kOption1Caption);
    EXPECT_TRUE(w.Option1->text().endsWith(QStringLiteral("       ")));
    EXPECT_EQ(w.Option3->text(), texts::kOption3Caption);
    EXPECT_EQ(w.Option5->text(), texts::kOption5Caption);
    EXPECT_EQ(w.Command1->text(), texts::kCommand1Caption);
    EXPECT_EQ(w.Command5->text(), texts::kCommand5Caption);
    EXPECT_EQ(w.Command2->text(), texts::kCommand2Caption);
    EXPECT_EQ(w.CmdBack->text(), texts::kCmdBackCaption);
    EXPECT_EQ(w.CmdNext->text(), texts::kCmdNextCaption);
    EXPECT_TRUE(w.CmdNext->isDefault());
    EXPECT_TRUE(w.SkinLabel4->text().contains(texts::kInstructions)) << "blanks and letters as they stand";
    EXPECT_EQ(w.SkinLabel6->text(), texts::kLegend);
    EXPECT_TRUE(w.SkinLabel3->text().endsWith(texts::kTitleSecondLine));
    EXPECT_EQ(w.SkinLbl->text(), texts::kSkinLblCaption);
    EXPECT_EQ(w.SkinLabel2[6]->text(), texts::kSkinLabel2Caption6);
    EXPECT_EQ(w.SkinLbl5->font().family(), QStringLiteral("FreeFarsi"));
    EXPECT_DOUBLE_EQ(w.SkinLbl5->font().pointSizeF(), 15.75);
    EXPECT_DOUBLE_EQ(w.SkinLabel3->font().pointSizeF(), 26.25);
    EXPECT_DOUBLE_EQ(w.SkinLabel4->font().pointSizeF(), 14.25);
    EXPECT_DOUBLE_EQ(w.Text6->font().pointSizeF(), 15.75);
    EXPECT_DOUBLE_EQ(w.CmdNext->font().pointSizeF(), 14.25);
    EXPECT_EQ(w.Command2->font().family(), QStringLiteral("Nazli"));
    EXPECT_TRUE(w.Command2->font().bold());
    EXPECT_TRUE(w.Text1->isReadOnly());
    EXPECT_EQ(w.Text5->maxLength(), 3);
    EXPECT_TRUE(w.Skin1->hasSkin()) << "the delivered theme is applied";
}

TEST_F(TestWindow, FirstStartScreenThenTheItemScreen) {
    FrmTest& w = open();
    for (QWidget* shown : {static_cast<QWidget*>(w.SkinLabel3), static_cast<QWidget*>(w.SkinLabel4),
                           static_cast<QWidget*>(w.SkinLabel6), static_cast<QWidget*>(w.Command1),
                           static_cast<QWidget*>(w.Command2)}) {
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    }
    for (QWidget* hidden : {static_cast<QWidget*>(w.Frame1), static_cast<QWidget*>(w.Frame2),
                            static_cast<QWidget*>(w.Text6), static_cast<QWidget*>(w.Command5),
                            static_cast<QWidget*>(w.CmdBack), static_cast<QWidget*>(w.CmdNext),
                            static_cast<QWidget*>(w.Text12), static_cast<QWidget*>(w.Text2)}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    EXPECT_EQ(w.Text6->text(), QStringLiteral("1"));

    w.Command1->click();
    for (QWidget* shown : {static_cast<QWidget*>(w.Frame1), static_cast<QWidget*>(w.Frame2),
                           static_cast<QWidget*>(w.Text6), static_cast<QWidget*>(w.SkinLbl5),
                           static_cast<QWidget*>(w.CmdBack), static_cast<QWidget*>(w.CmdNext),
                           static_cast<QWidget*>(w.Command5), static_cast<QWidget*>(w.Command2)}) {
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    }
    for (QWidget* hidden : {static_cast<QWidget*>(w.SkinLabel3), static_cast<QWidget*>(w.SkinLabel4),
                            static_cast<QWidget*>(w.SkinLabel6), static_cast<QWidget*>(w.Command1)}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    // "شروع" shows item 1 although the box already held "1".
    EXPECT_EQ(w.Text6->text(), QStringLiteral("1"));
    expectItemShown(w, 1);
    EXPECT_EQ(w.SkinLbl5->text(), itemText(1));
    EXPECT_EQ(w.SkinLbl5->geometry(), pentarix::twips::rect(480, 3360, 8535, 1455));
    EXPECT_EQ(w.Text1->text(), kCode);
    EXPECT_EQ(w.Text3->text(), QStringLiteral("علی"));
    EXPECT_EQ(w.Text14->text(), kCode);
    EXPECT_EQ(w.focusWidget(), w.Text1);
    EXPECT_TRUE(modal.calls.empty());
}

// --- Keying through the window.

struct ChoiceCase {
    int item;
    int option;
    const char* stored;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) {
    *os << "item " << c.item << ", Option" << c.option << " -> " << c.stored;
}

class Choice : public TestWindow, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(Choice, StoresTheKeyedValueOfTheOption) {
    const ChoiceCase c = GetParam();
    FrmTest& w = start();
    w.Text6->setText(QString::number(c.item));
    w.options()[static_cast<std::size_t>(c.option - 1)]->click();
    EXPECT_EQ(w.Text12->text(), QLatin1String(c.stored));
    EXPECT_TRUE(stored()[c.item - 1].isEmpty()) << "a choice is pending until the next save";
    w.CmdNext->click();
    EXPECT_EQ(stored()[c.item - 1], QLatin1String(c.stored));
}

INSTANTIATE_TEST_SUITE_P(Directions, Choice,
                         ::testing::Values(ChoiceCase{2, 1, "5"}, ChoiceCase{1, 1, "1"}, ChoiceCase{39, 4, "2"},
                                           ChoiceCase{40, 4, "4"}, ChoiceCase{1, 3, "3"}, ChoiceCase{2, 3, "3"},
                                           ChoiceCase{49, 5, "1"}, ChoiceCase{50, 5, "5"},
                                           ChoiceCase{44, 2, "4"}, ChoiceCase{43, 2, "2"}),
                         [](const auto& info) {
                             return "item" + std::to_string(info.param.item) + "_option" +
                                    std::to_string(info.param.option);
                         });

TEST_F(TestWindow, AWholeSheetThroughTheWindowStoresEveryKeyedValue) {
    FrmTest& w = start();
    QStringList expected;
    for (int item = 1; item <= 50; ++item) {
        const int option = (item * 7) % 5 + 1; // every option on items of both directions
        expected << keyed(item, option);
        EXPECT_EQ(w.Text6->text(), QString::number(item));
        w.options()[static_cast<std::size_t>(option - 1)]->click();
        w.CmdNext->click();
    }
    EXPECT_EQ(stored(), expected);
    EXPECT_EQ(modal.messages(), QStringList{texts::kAfterLast});
    EXPECT_EQ(w.Text6->text(), QStringLiteral("50"));
}

TEST_F(TestWindow, StoredValuesComeBackAsTheirOptionsOnEveryItem) {
    // Two sheets, so that every item comes back from a value other than the
    // middle one, which reads alike in both directions.
    for (int shift : {0, 2}) {
        SCOPED_TRACE(shift);
        QString sets;
        std::vector<int> expected;
        for (int item = 1; item <= 50; ++item) {
            const int value = (item + shift) % 5 + 1;
            sets += QStringLiteral("%1\"%2\"='%3'").arg(sets.isEmpty() ? QString() : QStringLiteral(",")).arg(item).arg(value);
            expected.push_back(kReversedItems.count(item) ? 6 - value : value);
        }
        folder.exec(QStringLiteral("UPDATE Answer SET %1 WHERE Code='%2'").arg(sets, kCode));
        const QStringList before = stored();

        FrmTest& w = start();
        for (int item = 1; item <= 50; ++item) {
            EXPECT_EQ(selected(w), expected[static_cast<std::size_t>(item - 1)]) << "item " << item;
            // Selecting from the routine writes back the value just read: nothing changes.
            EXPECT_FALSE(w.Adodc2->hasPendingChange()) << "item " << item;
            w.CmdNext->click();
        }
        w.Command5->click();
        EXPECT_EQ(stored(), before);
    }
}

TEST_F(TestWindow, AnUnansweredItemShowsNoOptionInEitherDirection) {
    folder.exec(QStringLiteral("UPDATE Answer SET \"1\"='5', \"2\"='5', \"5\"='2' WHERE Code='101'"));
    FrmTest& w = start();
    EXPECT_EQ(selected(w), 5);   // item 1, forward
    w.CmdNext->click();
    EXPECT_EQ(selected(w), 1);   // item 2, reversed
    w.CmdNext->click();
    EXPECT_EQ(selected(w), 0);   // item 3 (forward) unanswered after item 2
    w.Text6->setText(QStringLiteral("5"));
    EXPECT_EQ(selected(w), 2);
    w.Text6->setText(QStringLiteral("4"));
    EXPECT_EQ(selected(w), 0);   // item 4 (reversed) unanswered after item 5
    EXPECT_TRUE(w.Text12->text().isEmpty());
}

TEST_F(TestWindow, AStoredValueTheTestNeverWritesShowsNoOption) {
    folder.exec(QStringLiteral("UPDATE Answer SET \"1\"='4', \"2\"='7' WHERE Code='101'"));
    FrmTest& w = start();
    EXPECT_EQ(selected(w), 4);
    w.CmdNext->click();
    EXPECT_EQ(selected(w), 0);
    EXPECT_EQ(stored()[1], QStringLiteral("7")) << "only a choice replaces it";
}

// --- Answering by keyboard.

QString answeredCount(int answered) { return texts::kAnsweredCount.arg(answered).arg(50); }

// A key as the keyboard sends it: its key code, modifiers and typed text,
// pressed and released where the focus is.
void press(QWidget* focus, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    ASSERT_NE(focus, nullptr);
    QTest::sendKeyEvent(QTest::Click, focus, static_cast<Qt::Key>(key), text, modifiers);
}

TEST(OptionKeys, TheDigitsOneToFiveOfEveryScriptChooseTheirOption) {
    const struct {
        int key;
        const char16_t* text;
        int option;
    } table[] = {
        {Qt::Key_1, u"1", 1},           {Qt::Key_5, u"5", 5},          {Qt::Key_unknown, u"\u06F1", 1},
        {Qt::Key_3, u"\u06F3", 3},      {0x06F5, u"\u06F5", 5},       {Qt::Key_unknown, u"\u0661", 1},
        {Qt::Key_unknown, u"\u0665", 5}, {Qt::Key_2, u"", 2},           {Qt::Key_0, u"0", 0},
        {Qt::Key_6, u"6", 0},           {Qt::Key_6, u"\u06F6", 0},     {Qt::Key_unknown, u"\u06F0", 0},
        {Qt::Key_unknown, u"\u0666", 0}, {Qt::Key_3, u"#", 0},          {Qt::Key_A, u"a", 0},
        {Qt::Key_unknown, u"\u0628", 0}, {Qt::Key_3, u"33", 0},         {Qt::Key_6, u"", 0},
        {Qt::Key_Return, u"\r", 0},     {Qt::Key_F3, u"", 0},
    };
    for (const auto& row : table) {
        const QString text = QString::fromUtf16(row.text);
        EXPECT_EQ(pentarix::optionOfKey(row.key, text), row.option) << "key " << row.key << " text " << text.toStdString();
    }
}

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char16_t* text;
    int option; // 0: the key chooses nothing
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class KeyAnswer : public TestWindow, public ::testing::WithParamInterface<KeyCase> {};

// Item 2 is reversed, so the stored value is the key's, not the option's
// number; item 4, reversed too, is answered by a click for comparison.
TEST_P(KeyAnswer, ChoosesTheOptionAsAClickDoes) {
    const KeyCase c = GetParam();
    FrmTest& w = start();
    w.CmdNext->click();
    EXPECT_EQ(w.LblAnswered->text(), answeredCount(0));

    press(w.focusWidget(), c.key, c.modifiers, QString::fromUtf16(c.text));
    EXPECT_EQ(selected(w), c.option);
    EXPECT_EQ(w.Text6->text(), QStringLiteral("2")) << "a key never moves to another item";
    EXPECT_EQ(w.LblAnswered->text(), answeredCount(c.option ? 1 : 0));
    EXPECT_TRUE(modal.calls.empty()) << "no beep, no message";

    press(w.focusWidget(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")); // Enter: next
    EXPECT_EQ(w.Text6->text(), QStringLiteral("3"));
    EXPECT_EQ(stored()[1], c.option ? keyed(2, c.option) : QString());
    if (c.option == 0) return;

    w.Text6->setText(QStringLiteral("4"));
    QTest::mouseClick(w.options()[static_cast<std::size_t>(c.option - 1)], Qt::LeftButton);
    w.CmdNext->click();
    EXPECT_EQ(stored()[1], stored()[3]) << "the key stores what a click stores";
    EXPECT_EQ(w.LblAnswered->text(), answeredCount(2));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyAnswer,
    ::testing::Values(KeyCase{"latin_top_row", Qt::Key_1, Qt::NoModifier, u"1", 1},
                      KeyCase{"keypad", Qt::Key_5, Qt::KeypadModifier, u"5", 5},
                      KeyCase{"persian_digits", Qt::Key_unknown, Qt::NoModifier, u"\u06F2", 2},
                      KeyCase{"persian_digit_with_its_key_code", 0x06F4, Qt::NoModifier, u"\u06F4", 4},
                      KeyCase{"persian_digit_on_the_digit_key", Qt::Key_3, Qt::NoModifier, u"\u06F3", 3},
                      KeyCase{"persian_keypad", Qt::Key_1, Qt::KeypadModifier, u"\u06F1", 1},
                      KeyCase{"arabic_indic_digits", Qt::Key_unknown, Qt::NoModifier, u"\u0665", 5},
                      KeyCase{"key_6_does_nothing", Qt::Key_6, Qt::NoModifier, u"6", 0},
                      KeyCase{"key_0_does_nothing", Qt::Key_0, Qt::KeypadModifier, u"0", 0},
                      KeyCase{"letter_does_nothing", Qt::Key_A, Qt::NoModifier, u"a", 0},
                      KeyCase{"ctrl_digit_does_nothing", Qt::Key_3, Qt::ControlModifier, u"3", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TestWindow, KeysAnswerFromTheOptionsAndButtonsToo) {
    FrmTest& w = start();
    w.Option1->setFocus();
    press(w.focusWidget(), Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
    EXPECT_EQ(selected(w), 4);
    w.CmdBack->setFocus();
    press(w.focusWidget(), Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
    EXPECT_EQ(selected(w), 2);
    EXPECT_EQ(w.Text12->text(), QStringLiteral("2"));
}

TEST_F(TestWindow, DigitsTypedIntoABoxStayWithTheBox) {
    FrmTest& w = start();
    w.Text6->setFocus();
    w.Text6->selectAll();
    press(w.Text6, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
    EXPECT_EQ(w.Text6->text(), QStringLiteral("3"));
    expectItemShown(w, 3);
    press(w.Text6, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u06F2"));
    EXPECT_EQ(w.Text6->text(), QStringLiteral("3"));
    EXPECT_EQ(modal.count(Kind::Beep), 1) << "the item number box refuses a Persian digit as before";
    EXPECT_EQ(modal.messages(), QStringList{texts::kDigitsOnly});

    w.Text3->setFocus();
    w.Text3->end(false);
    press(w.Text3, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
    EXPECT_EQ(w.Text3->text(), QStringLiteral("علی2"));
    EXPECT_EQ(selected(w), 0);
    EXPECT_TRUE(w.Text12->text().isEmpty());
    EXPECT_FALSE(w.Adodc2->hasPendingChange());
    EXPECT_EQ(w.LblAnswered->text(), answeredCount(0));
}

TEST_F(TestWindow, KeysChooseNothingOnTheStartScreen) {
    FrmTest& w = open();
    w.Command1->setFocus();
    press(w.Command1, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    EXPECT_EQ(selected(w), 0);
    EXPECT_TRUE(w.Text12->text().isEmpty());
    EXPECT_FALSE(w.Adodc2->hasPendingChange());
}

// --- The count of answered items.

TEST_F(TestWindow, TheAnsweredCountFollowsTheSheetOnScreen) {
    folder.exec(QStringLiteral("UPDATE Answer SET \"1\"='5', \"2\"='5', \"30\"='2' WHERE Code='101'"));
    FrmTest& w = open();
    EXPECT_TRUE(w.LblAnswered->isHidden()) << "item screen only";
    w.Command1->click();
    EXPECT_FALSE(w.LblAnswered->isHidden());
    EXPECT_EQ(w.LblAnswered->text(), answeredCount(3)) << "the sheet as it was left";
    w.Option2->click(); // item 1 answered again
    EXPECT_EQ(w.LblAnswered->text(), answeredCount(3));
    w.CmdNext->click();
    w.CmdNext->click();
    w.Option3->click(); // item 3
    EXPECT_EQ(w.LblAnswered->text(), answeredCount(4)) << "the choice counts before it is saved";
    w.CmdBack->click();
    w.CmdBack->click();
    EXPECT_EQ(w.LblAnswered->text(), answeredCount(4));
    w.Text6->setText(QStringLiteral("51")); // past the last item: saved, item 50
    w.Option1->click();
    EXPECT_EQ(w.LblAnswered->text(), answeredCount(5));
}

// Our own label keeps to free space: it covers no control of either screen.
TEST_F(TestWindow, TheAnsweredCountCoversNothing) {
    FrmTest& w = open();
    const QRect counter = w.LblAnswered->geometry();
    for (bool itemScreen : {false, true}) {
        if (itemScreen) w.Command1->click();
        for (QWidget* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control == w.LblAnswered || !control->isVisibleTo(&w)) continue;
            EXPECT_FALSE(control->geometry().intersects(counter)) << control->objectName().toStdString();
        }
    }
    EXPECT_TRUE(QRect(QPoint(0, 0), w.size()).contains(counter));
}

// --- Navigation and the item step.

TEST_F(TestWindow, BackOnTheFirstItemRestsAndAnotherBackStartsAgain) {
    FrmTest& w = start();
    w.Option2->click();
    w.CmdBack->click();
    EXPECT_EQ(stored()[0], QStringLiteral("2")) << "back saves first";
    EXPECT_EQ(w.Text6->text(), QStringLiteral("0"));
    expectItemShown(w, 1); // the screen keeps the last item
    EXPECT_EQ(w.Text12->text(), QStringLiteral("2"));

    w.Option5->click(); // at the rest value a click records nothing
    EXPECT_EQ(w.Text12->text(), QStringLiteral("2"));
    EXPECT_FALSE(w.Adodc2->hasPendingChange());

    w.CmdBack->click();
    EXPECT_EQ(modal.messages(), QStringList{texts::kBeforeFirst});
    EXPECT_EQ(w.Text6->text(), QStringLiteral("1"));
    expectItemShown(w, 1);
    EXPECT_EQ(selected(w), 2);
    EXPECT_EQ(stored()[0], QStringLiteral("2"));

    w.CmdBack->click();
    modal.clear();
    w.CmdNext->click(); // from the rest value to item 1
    EXPECT_EQ(w.Text6->text(), QStringLiteral("1"));
    expectItemShown(w, 1);
    EXPECT_TRUE(modal.calls.empty());
}

TEST_F(TestWindow, NextOnTheLastItemSavesSaysTheEndAndStays) {
    FrmTest& w = start();
    w.Text6->setText(QStringLiteral("50"));
    w.Option4->click();
    w.CmdNext->click();
    EXPECT_EQ(stored()[49], QStringLiteral("4"));
    EXPECT_EQ(modal.messages(), QStringList{texts::kAfterLast});
    EXPECT_EQ(modal.calls.front().owner, &w);
    EXPECT_EQ(w.Text6->text(), QStringLiteral("50"));
    expectItemShown(w, 50);
    EXPECT_EQ(selected(w), 4);
}

TEST_F(TestWindow, TypingSevenThenZeroShowsSevenThenSavesAndEndsOnFifty) {
    FrmTest& w = start();
    w.Text6->setFocus();
    w.Text6->selectAll();
    pentarix::test::typeText(w.Text6, QStringLiteral("7"));
    EXPECT_EQ(w.Text6->text(), QStringLiteral("7"));
    expectItemShown(w, 7);
    w.Option1->click();
    EXPECT_TRUE(stored()[6].isEmpty()) << "typing takes no save";

    pentarix::test::typeText(w.Text6, QStringLiteral("0"));
    EXPECT_EQ(stored()[6], QStringLiteral("1")) << "above 50 the answer view is saved";
    EXPECT_EQ(modal.messages(), QStringList{texts::kAfterLast});
    EXPECT_EQ(w.Text6->text(), QStringLiteral("50"));
    expectItemShown(w, 50);
}

struct BoxCase {
    const char* name;
    const char* text;   // written into the item number box while item 3 is shown
    int shown;          // the item on screen afterwards
    const char* box;    // the box's text afterwards
    const char* message; // the message shown, if any
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ItemBox : public TestWindow, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(ItemBox, ShowsTheItemTheTextNames) {
    const BoxCase c = GetParam();
    FrmTest& w = start();
    w.Text6->setText(QStringLiteral("3"));
    w.Option3->click();
    modal.clear();

    w.Text6->setText(QString::fromUtf8(c.text));
    EXPECT_EQ(w.Text6->text(), QString::fromUtf8(c.box));
    expectItemShown(w, c.shown);
    EXPECT_EQ(w.SkinLbl5->text(), itemText(c.shown));
    const QStringList messages = *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{};
    EXPECT_EQ(modal.messages(), messages);
    // Only the step above 50 saves; the choice on item 3 is otherwise still pending.
    EXPECT_EQ(stored()[2], QString::fromUtf8(c.shown == 50 && *c.message ? "3" : ""));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ItemBox,
    ::testing::Values(BoxCase{"plain_number", "7", 7, "7", ""}, BoxCase{"leading_zero", "05", 5, "05", ""},
                      BoxCase{"empty", "", 1, "1", ""}, BoxCase{"letters", "abc", 1, "1", ""},
                      BoxCase{"fraction", "7.5", 1, "1", ""}, BoxCase{"zero", "0", 3, "0", ""},
                      BoxCase{"last_item", "50", 50, "50", ""}, BoxCase{"negative", "-3", 1, "1", "شروع"},
                      BoxCase{"one_past_the_last", "51", 50, "50", "پايان"},
                      BoxCase{"far_past_the_last", "70", 50, "50", "پايان"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TestWindow, LeadingZerosNameTheItemsField) {
    FrmTest& w = start();
    w.Text6->setText(QStringLiteral("05"));
    w.Option1->click();
    EXPECT_EQ(w.Text12->text(), QStringLiteral("1"));
    w.CmdNext->click();
    EXPECT_EQ(stored()[4], QStringLiteral("1"));
    EXPECT_EQ(w.Text6->text(), QStringLiteral("6"));
}

TEST_F(TestWindow, EnterPressesNext) {
    FrmTest& w = open();
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_EQ(w.Text6->text(), QStringLiteral("1")) << "no default button on the start screen";
    EXPECT_TRUE(w.Command1->isVisible());

    w.Command1->click();
    w.Option2->click();
    QTest::keyClick(w.Text6, Qt::Key_Return);
    EXPECT_EQ(w.Text6->text(), QStringLiteral("2"));
    EXPECT_EQ(stored()[0], QStringLiteral("2"));
    QTest::keyClick(w.Option3, Qt::Key_Enter);
    EXPECT_EQ(w.Text6->text(), QStringLiteral("3"));
    QTest::keyClick(w.Text1, Qt::Key_Return);
    EXPECT_EQ(w.Text6->text(), QStringLiteral("4"));
    // A button that has the focus takes Enter itself, as on every window.
    QTest::keyClick(w.CmdBack, Qt::Key_Return);
    EXPECT_EQ(w.Text6->text(), QStringLiteral("3"));
    EXPECT_TRUE(modal.messages().isEmpty());
}

TEST_F(TestWindow, TheNumberBoxesTakeDigitsBackspaceAndEnterOnly) {
    FrmTest& w = start();
    for (QLineEdit* box : {w.Text6, w.Text5}) {
        SCOPED_TRACE(box->objectName().toStdString());
        modal.clear();
        box->setFocus();
        box->selectAll();
        pentarix::test::typeText(box, QStringLiteral("1"));
        pentarix::test::typeText(box, QStringLiteral("a"));
        pentarix::test::typeText(box, QStringLiteral("ب"));
        pentarix::test::typeText(box, QStringLiteral("-"));
        EXPECT_EQ(box->text(), QStringLiteral("1"));
        EXPECT_EQ(modal.count(Kind::Beep), 3);
        EXPECT_EQ(modal.messages(),
                  (QStringList{texts::kDigitsOnly, texts::kDigitsOnly, texts::kDigitsOnly}));
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), box == w.Text6 ? QStringLiteral("1") : QString()) << "an empty item box reads 1";
    }
    modal.clear();
    pentarix::test::typeText(w.Text5, QStringLiteral("12345"));
    EXPECT_EQ(w.Text5->text(), QStringLiteral("123"));
    EXPECT_EQ(modal.count(Kind::Beep), 0);
}

// --- Leaving.

TEST_F(TestWindow, LeaveDropsWhatWasNotSavedAndTheNextTestShowsWhatWas) {
    FrmTest& w = start();
    QStringList expected;
    for (int item = 1; item <= 10; ++item) {
        w.Option4->click();
        w.CmdNext->click();
        expected << keyed(item, 4);
    }
    w.Option1->click(); // item 11, never saved
    w.Text3->setText(QStringLiteral("مریم"));
    w.Command2->click();
    EXPECT_FALSE(pentarix::isLoaded<FrmTest>());
    for (int item = 11; item <= 50; ++item) expected << QString();
    EXPECT_EQ(stored(), expected);
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT FName FROM IDE WHERE Code='101'")), QStringLiteral("علی"));

    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FrmTest& again = start();
    for (int item = 1; item <= 10; ++item) {
        EXPECT_EQ(selected(again), 4) << "item " << item;
        again.CmdNext->click();
    }
    EXPECT_EQ(selected(again), 0) << "item 11";
}

TEST_F(TestWindow, SaveAndLeaveStoresTheChoiceShownAndTheIdentification) {
    FrmTest& w = start();
    w.Text6->setText(QStringLiteral("2"));
    w.Option1->click();
    w.Text3->setText(QStringLiteral("مریم"));
    w.Text5->setText(QStringLiteral("41"));
    w.Command5->click();
    EXPECT_FALSE(pentarix::isLoaded<FrmTest>());
    EXPECT_EQ(stored()[1], QStringLiteral("5"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT FName || '/' || Sen FROM IDE WHERE Code='101'")),
              QStringLiteral("مریم/41"));
}

TEST_F(TestWindow, TheCloseBoxSavesNothing) {
    FrmTest& w = start();
    w.Option1->click();
    w.Text3->setText(QStringLiteral("مریم"));
    modal.clear();
    w.close();
    EXPECT_FALSE(pentarix::isLoaded<FrmTest>());
    EXPECT_TRUE(stored()[0].isEmpty());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT FName FROM IDE WHERE Code='101'")), QStringLiteral("علی"));
    EXPECT_TRUE(modal.calls.empty());
}

// --- A store that refuses to write.

class RefusingStore : public TestWindow {
protected:
    void refuse() const {
        folder.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON Answer "
                                   "BEGIN SELECT RAISE(ABORT, 'disk refused'); END"));
    }
    void accept() const { folder.exec(QStringLiteral("DROP TRIGGER refuse")); }
    QStringList errors() const {
        QStringList shown;
        for (const auto& call : modal.calls) {
            if (call.kind == Kind::Message && call.title == texts::kErrorTitle) shown << call.text;
        }
        return shown;
    }
};

TEST_F(RefusingStore, NextKeepsTheItemAndTheStoredAnswersAndSaysWhy) {
    FrmTest& w = start();
    w.Option2->click();
    w.CmdNext->click();
    w.Option3->click();
    refuse();
    w.CmdNext->click();
    ASSERT_EQ(errors().size(), 1);
    EXPECT_TRUE(errors().front().startsWith(texts::kSaveFailed));
    EXPECT_TRUE(errors().front().contains(QStringLiteral("disk refused")));
    EXPECT_EQ(w.Text6->text(), QStringLiteral("2")) << "the item stays for another try";
    EXPECT_EQ(stored()[0], QStringLiteral("2"));
    EXPECT_TRUE(w.Adodc2->hasPendingChange());

    accept();
    w.CmdNext->click();
    EXPECT_EQ(stored()[1], QStringLiteral("3"));
    EXPECT_EQ(w.Text6->text(), QStringLiteral("3"));
}

TEST_F(RefusingStore, SaveAndLeaveStaysOpenSoNothingIsDropped) {
    FrmTest& w = start();
    w.Option5->click();
    refuse();
    w.Command5->click();
    EXPECT_EQ(errors().size(), 1);
    ASSERT_TRUE(pentarix::isLoaded<FrmTest>());
    accept();
    w.Command5->click();
    EXPECT_FALSE(pentarix::isLoaded<FrmTest>());
    EXPECT_EQ(stored()[0], QStringLiteral("5"));
}

TEST_F(RefusingStore, AboveFiftyTheRefusedSaveIsReportedAndTheChoiceStaysPending) {
    FrmTest& w = start();
    w.Text6->setText(QStringLiteral("50"));
    w.Option2->click();
    refuse();
    w.Text6->setText(QStringLiteral("51"));
    EXPECT_EQ(errors().size(), 1);
    EXPECT_EQ(modal.messages().last(), texts::kAfterLast);
    EXPECT_EQ(w.Text6->text(), QStringLiteral("50"));
    EXPECT_EQ(w.Text12->text(), QStringLiteral("2"));
    accept();
    w.Command5->click();
    EXPECT_EQ(stored()[49], QStringLiteral("2"));
}

// --- The road from the main window.

class OpeningRoad : public TestWindow {
protected:
    pentarix::Frm1& mainWindow() {
        pentarix::Frm1& window = pentarix::form<pentarix::Frm1>();
        window.show();
        return window;
    }
    // Runs the action on the test window once it is shown modally; the action
    // must close it.
    void whenTestShown(std::function<void(FrmTest&)> action) {
        auto* poll = new QTimer(qApp);
        poll->setInterval(5);
        QObject::connect(poll, &QTimer::timeout, qApp, [poll, action] {
            auto* w = qobject_cast<FrmTest*>(QApplication::activeModalWidget());
            if (!w || !w->isVisible()) return;
            poll->stop();
            poll->deleteLater();
            action(*w);
        });
        poll->start();
    }
};

TEST_F(OpeningRoad, AsksForTheCodeAndRefusesWhatItCannotFind) {
    pentarix::Frm1& m = mainWindow();
    const struct {
        QString typed;
        QString message;
    } cases[] = {
        {QString(), texts::kCodeMissing},             // empty or cancelled
        {QStringLiteral("999"), texts::kCodeNotFound},
        {QStringLiteral(" 101"), texts::kCodeNotFound}, // the code is used as typed
    };
    for (const auto& c : cases) {
        modal.clear();
        modal.inputAnswers = {c.typed};
        m.Command2_Click();
        ASSERT_EQ(modal.calls.size(), 2u) << c.typed.toStdString();
        EXPECT_EQ(modal.calls[0].kind, Kind::Input);
        EXPECT_EQ(modal.calls[0].text, texts::kCodeBoxPrompt);
        EXPECT_EQ(modal.calls[0].title, texts::kCodeBoxTitle);
        EXPECT_EQ(modal.calls[0].owner, &m);
        EXPECT_EQ(modal.calls[1].text, c.message);
        EXPECT_EQ(modal.calls[1].owner, &m);
        ASSERT_TRUE(pentarix::isLoaded<FrmTest>()) << "loaded before the code is asked";
        EXPECT_FALSE(pentarix::form<FrmTest>().isVisible());
    }
}

TEST_F(OpeningRoad, WithoutAnyAnswerSheetNothingHappens) {
    folder.exec(QStringLiteral("DELETE FROM Answer"));
    pentarix::Frm1& m = mainWindow();
    m.Adodc3->Refresh();
    m.Command2_Click();
    EXPECT_TRUE(modal.calls.empty());
    EXPECT_FALSE(pentarix::isLoaded<FrmTest>());
}

// The start screen every later examinee meets, hidden until the window opens:
// the instructions and the identification panel, no title, no item.
void expectNextExamineesStartScreen(const FrmTest& next) {
    EXPECT_FALSE(next.isVisible());
    EXPECT_FALSE(next.SkinLabel4->isHidden());
    EXPECT_FALSE(next.SkinLabel6->isHidden());
    EXPECT_TRUE(next.SkinLabel3->isHidden());
    EXPECT_FALSE(next.Frame1->isHidden());
    EXPECT_FALSE(next.SkinLbl5->isHidden());
    EXPECT_EQ(next.SkinLbl5->geometry(), pentarix::twips::rect(8640, 3300, 375, 615));
    EXPECT_EQ(next.SkinLbl5->text(), QStringLiteral(" "));
    EXPECT_FALSE(next.Command1->isHidden());
    EXPECT_FALSE(next.Command2->isHidden());
    EXPECT_TRUE(next.CmdBack->isHidden());
    EXPECT_TRUE(next.CmdNext->isHidden());
    EXPECT_EQ(next.Text6->text(), QStringLiteral("0"));
}

TEST_F(OpeningRoad, ARunThroughTheModalWindowThenTheNextExamineesStartScreen) {
    folder.addExaminee(QStringLiteral("O'Neil"), QStringLiteral("B"), QStringLiteral("سارا"));
    pentarix::Frm1& m = mainWindow();
    m.Adodc3->Refresh();

    modal.inputAnswers = {kCode};
    bool ran = false;
    whenTestShown([&](FrmTest& w) {
        ran = true;
        EXPECT_TRUE(w.SkinLabel3->isVisible()) << "the first run shows the title";
        EXPECT_FALSE(w.Frame1->isVisible());
        EXPECT_EQ(w.windowModality(), Qt::ApplicationModal);
        w.Command1->click();
        w.Option1->click();
        w.CmdNext->click();
        w.Option1->click();
        w.Command5->click();
    });
    m.Command2_Click();
    ASSERT_TRUE(ran);
    EXPECT_EQ(stored().mid(0, 3), (QStringList{QStringLiteral("1"), QStringLiteral("5"), QString()}));

    // The window was reloaded, hidden, and prepared for the next examinee.
    ASSERT_TRUE(pentarix::isLoaded<FrmTest>());
    FrmTest& next = pentarix::form<FrmTest>();
    expectNextExamineesStartScreen(next);

    // The second examinee meets that start screen, with an apostrophe in the code.
    modal.inputAnswers = {QStringLiteral("O'Neil")};
    ran = false;
    whenTestShown([&](FrmTest& w) {
        ran = true;
        EXPECT_EQ(&w, &next) << "opening again does not reload the window";
        EXPECT_FALSE(w.SkinLabel3->isVisible());
        EXPECT_TRUE(w.SkinLabel4->isVisible());
        EXPECT_TRUE(w.Frame1->isVisible());
        EXPECT_EQ(w.Text1->text(), QStringLiteral("O'Neil"));
        EXPECT_EQ(w.Text3->text(), QStringLiteral("سارا"));
        w.Command1->click();
        expectItemShown(w, 1);
        w.Option2->click();
        w.CmdNext->click();
        w.Command2->click();
    });
    m.Command2_Click();
    ASSERT_TRUE(ran);
    EXPECT_EQ(stored(QStringLiteral("O''Neil"))[0], QStringLiteral("2"));
    EXPECT_EQ(stored()[0], QStringLiteral("1"));
}

TEST_F(OpeningRoad, TheRealCodeBoxOpensTheWindowAndItsCloseBoxSavesNothing) {
    pentarix::Frm1& m = mainWindow();
    m.Adodc3->Refresh();
    pentarix::platform::setModalHost(nullptr); // the real dialogs for this run

    // Answer the real input box, then close the test window by its close box.
    bool asked = false, closed = false;
    auto* poll = new QTimer(&m);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, &m, [&] {
        QWidget* active = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QInputDialog*>(active); box && box->isVisible() && !asked) {
            asked = true;
            EXPECT_EQ(box->windowTitle(), texts::kCodeBoxTitle);
            EXPECT_EQ(box->labelText(), texts::kCodeBoxPrompt);
            box->setTextValue(kCode);
            box->accept();
        } else if (auto* w = qobject_cast<FrmTest*>(active); w && w->isVisible() && !closed) {
            closed = true;
            w->Command1->click();
            w->Option3->click();
            w->close();
        }
    });
    poll->start();
    m.Command2_Click();
    poll->stop();
    pentarix::platform::setModalHost(&modal);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(stored()[0].isEmpty()) << "the close box saves nothing";
}

} // namespace

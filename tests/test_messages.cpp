#include "common/messages.h"
#include "platform/fonts.h"
#include "platform/modal.h"
#include "platform/skin_engine.h"
#include "support/manual_clock.h"
#include "support/real_box.h"
#include "support/scripted_modal.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

using pentarix::ShowTimedMessage;
using pentarix::test::activeBox;
using pentarix::test::ManualDismissalClock;
using pentarix::test::WhenBoxShown;
using pentarix::test::WhenDialogShown;
namespace style = pentarix::platform::style;
namespace answer = pentarix::platform::answer;

namespace {

class TimedMessage : public ::testing::Test {
protected:
    void SetUp() override { owner.show(); }
    QWidget owner;
};

TEST_F(TimedMessage, LeftAloneClosesAfterAboutOneSecondAndTheHandlerGoesOn) {
    QElapsedTimer clock;
    QString title;
    WhenBoxShown read(&owner, [&](QMessageBox* box) { title = box->windowTitle(); });
    clock.start();
    ShowTimedMessage(&owner, QStringLiteral("سلام"));
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(title, pentarix::kTimedMessageTitle);
    EXPECT_GE(elapsed, 950);
    EXPECT_LT(elapsed, 1800);
    EXPECT_EQ(activeBox(), nullptr);
}

// On a clock the test moves: the box is answered before its moment.
TEST_F(TimedMessage, ClosedEarlyTheLateTimerChangesNothing) {
    ManualDismissalClock clock;
    WhenBoxShown press(&owner, [&clock](QMessageBox* box) {
        clock.advance(300);
        box->button(QMessageBox::Ok)->click();
    });
    ShowTimedMessage(&owner, QStringLiteral("اول"));
    auto* timer = owner.findChild<QTimer*>(QStringLiteral("AutoDismissTimer20480"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(clock.pending(timer));

    // A box of another title stays open past the late timer.
    QMessageBox other(QMessageBox::NoIcon, QStringLiteral("Other"), QStringLiteral("x"), QMessageBox::Ok, &owner);
    other.show();
    clock.advance(700);
    EXPECT_FALSE(clock.pending(timer));
    EXPECT_TRUE(other.isVisible());
}

TEST_F(TimedMessage, StaysOpenUntilItsDelayAndClosesAtIt) {
    ManualDismissalClock clock;
    bool openJustBefore = false;
    WhenBoxShown watch(&owner, [&](QMessageBox* box) {
        clock.advance(pentarix::kTimedMessageDelay - 1);
        openJustBefore = box->isVisible() && activeBox() == box;
        clock.advance(1);
    });
    ShowTimedMessage(&owner, QStringLiteral("سلام"));
    EXPECT_TRUE(openJustBefore);
    EXPECT_EQ(activeBox(), nullptr);
}

TEST_F(TimedMessage, ShowingAgainCountsTheDelayFromTheNewBox) {
    ManualDismissalClock clock;
    {
        WhenBoxShown press(&owner, [&clock](QMessageBox* box) {
            clock.advance(600);
            box->button(QMessageBox::Ok)->click();
        });
        ShowTimedMessage(&owner, QStringLiteral("اول"));
    }
    bool openPastTheFirstMoment = false;
    WhenBoxShown watch(&owner, [&](QMessageBox* box) {
        clock.advance(600);
        openPastTheFirstMoment = box->isVisible();
        clock.advance(400);
    });
    ShowTimedMessage(&owner, QStringLiteral("دوم"), 1000);
    EXPECT_TRUE(openPastTheFirstMoment);
    EXPECT_EQ(activeBox(), nullptr);
}

// On Qt's own timers.
TEST_F(TimedMessage, SecondBoxRightAfterTheFirstGetsItsFullDelay) {
    WhenBoxShown press(&owner, [](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); }, 400);
    ShowTimedMessage(&owner, QStringLiteral("اول"));
    QElapsedTimer clock;
    clock.start();
    ShowTimedMessage(&owner, QStringLiteral("دوم"));
    EXPECT_GE(clock.elapsed(), 950);
}

TEST_F(TimedMessage, TwoSecondDelayIsHonoured) {
    QString title;
    WhenBoxShown read(&owner, [&](QMessageBox* box) { title = box->windowTitle(); });
    QElapsedTimer clock;
    clock.start();
    ShowTimedMessage(&owner, QStringLiteral("پرينت"), 2000);
    EXPECT_GE(clock.elapsed(), 1950);
    EXPECT_LT(clock.elapsed(), 2900);
    EXPECT_EQ(title, pentarix::kTimedMessageTitle);
}

TEST_F(TimedMessage, ScriptedHostRecordsTheBoxAndReturnsAtOnce) {
    pentarix::test::ScriptedModal modal;
    ShowTimedMessage(&owner, QStringLiteral("متن"));
    ASSERT_EQ(modal.calls.size(), 1u);
    EXPECT_EQ(modal.calls[0].title, pentarix::kTimedMessageTitle);
    EXPECT_EQ(modal.calls[0].style, 0);
    EXPECT_EQ(modal.calls[0].owner, &owner);
}

struct StyleCase {
    const char* name;
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    Qt::LayoutDirection direction;
    QMessageBox::StandardButton press;
    int expected;
};

class MessageStyle : public ::testing::TestWithParam<StyleCase> {};

TEST_P(MessageStyle, RealBoxShowsTheStylesButtonsIconAndReading) {
    const StyleCase& c = GetParam();
    QWidget owner;
    owner.show();
    QMessageBox::Icon icon{};
    QMessageBox::StandardButtons buttons{};
    Qt::LayoutDirection direction{};
    QString title;
    WhenBoxShown answer(&owner, [&](QMessageBox* box) {
        icon = box->icon();
        buttons = box->standardButtons();
        direction = box->layoutDirection();
        title = box->windowTitle();
        box->button(c.press)->click();
    });
    const int result = pentarix::platform::QtModalHost().messageBox(&owner, QStringLiteral("متن"), QString(), c.style);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
    EXPECT_EQ(direction, c.direction);
    EXPECT_EQ(title, pentarix::platform::applicationTitle());
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MessageStyle,
    ::testing::Values(
        StyleCase{"ok", 0, QMessageBox::NoIcon, QMessageBox::Ok, Qt::LeftToRight, QMessageBox::Ok, answer::kOk},
        StyleCase{"yes", 4, QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No, Qt::LeftToRight,
                  QMessageBox::Yes, answer::kYes},
        StyleCase{"no", 4, QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No, Qt::LeftToRight,
                  QMessageBox::No, answer::kNo},
        StyleCase{"exclamation", 48, QMessageBox::Warning, QMessageBox::Ok, Qt::LeftToRight, QMessageBox::Ok,
                  answer::kOk},
        StyleCase{"information", 64, QMessageBox::Information, QMessageBox::Ok, Qt::LeftToRight,
                  QMessageBox::Ok, answer::kOk},
        StyleCase{"critical_rtl", 1048592, QMessageBox::Critical, QMessageBox::Ok, Qt::RightToLeft,
                  QMessageBox::Ok, answer::kOk},
        StyleCase{"exclamation_rtl", 1048624, QMessageBox::Warning, QMessageBox::Ok, Qt::RightToLeft,
                  QMessageBox::Ok, answer::kOk},
        StyleCase{"information_rtl", 1048640, QMessageBox::Information, QMessageBox::Ok, Qt::RightToLeft,
                  QMessageBox::Ok, answer::kOk},
        StyleCase{"service_notification", 2097152, QMessageBox::NoIcon, QMessageBox::Ok, Qt::LeftToRight,
                  QMessageBox::Ok, answer::kOk}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageBoxButtons, ReadInPersian) {
    QWidget owner;
    owner.show();
    QString yes;
    WhenBoxShown answer(&owner, [&](QMessageBox* box) {
        yes = box->button(QMessageBox::Yes)->text();
        box->button(QMessageBox::No)->click();
    });
    pentarix::platform::QtModalHost().messageBox(&owner, QStringLiteral("؟"), QString(), style::kYesNo);
    EXPECT_EQ(yes.remove(QLatin1Char('&')), QStringLiteral("بله"));
}

} // namespace

// Every box reads in the windows' own face at their size: its text, its
// buttons and, in an input box, the typed text. Each text also fits its control.
struct BoxFontCase {
    const char* name;
    std::function<void(QWidget*)> open;
};

class BoxFont : public ::testing::TestWithParam<BoxFontCase> {};

TEST_P(BoxFont, TextAndButtonsUseThePersianFaceAtTheWindowsSize) {
    // Boxes belong to windows drawn in a skin, whose style sheet reaches them.
    QFile skin(QStringLiteral(PENTARIX_SKINS_DIR "/office2007.skn"));
    ASSERT_TRUE(skin.open(QIODevice::ReadOnly));
    const auto sheet = pentarix::SkinFile::parse(skin.readAll());
    ASSERT_TRUE(sheet.has_value());
    QWidget owner;
    owner.setStyleSheet(sheet->styleSheet);
    owner.show();
    const QFontInfo expected(pentarix::fonts::boxes());
    ASSERT_EQ(expected.family(), QStringLiteral("Nazli")) << "the interface face is installed";
    std::vector<QWidget*> checked;
    WhenDialogShown read(&owner, [&](QDialog* dialog) {
        for (QWidget* shown : dialog->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(shown);
            const auto* button = qobject_cast<QAbstractButton*>(shown);
            const auto* edit = qobject_cast<QLineEdit*>(shown);
            const QString text = label ? label->text() : button ? button->text().remove(QLatin1Char('&')) : QString();
            if (!shown->isVisible() || (!edit && text.isEmpty())) continue;
            checked.push_back(shown);
            const QFontInfo used(shown->font());
            EXPECT_EQ(used.family(), expected.family()) << text.toStdString();
            EXPECT_EQ(used.pointSizeF(), expected.pointSizeF()) << shown->metaObject()->className() << " " << text.toStdString();
            EXPECT_EQ(used.bold(), expected.bold()) << text.toStdString();
            if (!text.isEmpty() && !text.contains(QLatin1Char('\n'))) {
                EXPECT_LE(shown->fontMetrics().horizontalAdvance(text), shown->contentsRect().width())
                    << text.toStdString();
            }
        }
        dialog->reject();
    });
    GetParam().open(&owner);
    EXPECT_GE(checked.size(), 2u) << "a text and a button";
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, BoxFont,
    ::testing::Values(
        BoxFontCase{"question",
                    [](QWidget* owner) {
                        pentarix::platform::QtModalHost().messageBox(
                            owner, QStringLiteral("آیا مطمئن هستید؟"), QString(),
                            style::kYesNo | style::kIconQuestion | style::kRightToLeftReading);
                    }},
        BoxFontCase{"left_to_right_warning",
                    [](QWidget* owner) {
                        pentarix::platform::QtModalHost().messageBox(owner, QStringLiteral("متن"),
                                                                     QStringLiteral("Warnnig"),
                                                                     style::kIconExclamation);
                    }},
        BoxFontCase{"timed", [](QWidget* owner) { ShowTimedMessage(owner, QStringLiteral("ثبت شد"), 60000); }},
        BoxFontCase{"input",
                    [](QWidget* owner) {
                        pentarix::platform::QtModalHost().inputBox(owner, QStringLiteral("کد آزمودنی"), QString(),
                                                                   QStringLiteral("۱۲"));
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

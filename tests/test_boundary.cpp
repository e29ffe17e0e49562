// The boundary every handler runs inside: a failure that a handler did not
// deal with itself becomes a Persian box, and the program goes on.
#include "data/data_error.h"
#include "platform/form.h"
#include "platform/handlers.h"
#include "platform/handlers_texts.h"
#include "platform/key_press.h"
#include "shell/frm1.h"
#include "support/app_folder.h"
#include "support/foreign_lock.h"
#include "support/scripted_modal.h"
#include "support/typing.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <functional>
#include <stdexcept>

using pentarix::DataError;
using pentarix::Frm1;
using pentarix::test::AppFolder;
using pentarix::test::ForeignLock;
using pentarix::test::ScriptedModal;
using pentarix::test::typeText;
namespace style = pentarix::platform::style;
namespace texts = pentarix::handlers_texts;

namespace {

constexpr int kFailureStyle = style::kIconCritical | style::kRightToLeftReading;

// Latin text may reach the operator only inside a left-to-right isolate,
// after the Persian.
bool latinOnlyInsideIsolates(const QString& text) {
    QString outside = text;
    outside.remove(QRegularExpression(QStringLiteral("\u2066[^\u2069]*\u2069")));
    return !outside.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

bool isPersian(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("[\u0600-\u06FF]")));
}

// A window with one button and one text box whose handlers fail as told.
class Probe final : public pentarix::Form {
public:
    Probe() {
        button = new QPushButton(this);
        box = new QLineEdit(this);
        pentarix::connectHandler(button, &QPushButton::clicked, this, &Probe::Button_Click);
        pentarix::onKeyPress(box, this, &Probe::Box_KeyPress);
    }
    void Button_Click() {
        ++runs;
        fail();
    }
    void Box_KeyPress(int&) {
        ++runs;
        fail();
    }
    void Form_Unload() override {
        ++runs;
        fail();
    }

    QPushButton* button;
    QLineEdit* box;
    std::function<void()> fail;
    int runs = 0;
};

class HandlerBoundary : public ::testing::Test {
protected:
    ~HandlerBoundary() override { pentarix::FormSlotBase::discardAll(); }
    AppFolder folder;
    ScriptedModal modal;
};

TEST_F(HandlerBoundary, EveryKindOfFailureBecomesAPersianBoxAndTheHandlerRunsAgain) {
    const QString described = QStringLiteral("فایل بانک اطلاعاتی در دست برنامه دیگری است.");
    const struct {
        const char* name;
        std::function<void()> fail;
        QString shown; // the whole text, or empty when only the rules below hold
    } cases[] = {
        {"data failure shows its own description",
         [&] { throw DataError(DataError::Kind::Storage, described); }, described},
        {"library failure shows the sentence and its text isolated",
         [] { throw std::out_of_range("vector::_M_range_check"); }, QString()},
        {"foreign throw shows the sentence alone", [] { throw 42; }, texts::kUnexpected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        modal.clear();
        Probe window;
        window.fail = c.fail;
        window.button->click();
        window.button->click();
        EXPECT_EQ(window.runs, 2) << "the handler no longer runs after a failure";
        ASSERT_EQ(modal.messages().size(), 2);
        for (const auto& call : modal.calls) {
            EXPECT_EQ(call.owner, &window);
            EXPECT_EQ(call.style, kFailureStyle);
            EXPECT_TRUE(isPersian(call.text));
            EXPECT_TRUE(latinOnlyInsideIsolates(call.text)) << call.text.toStdString();
            if (!c.shown.isEmpty()) {
                EXPECT_EQ(call.text, c.shown);
            }
        }
    }
}

TEST_F(HandlerBoundary, LibraryTextFollowsTheSentenceLeftToRight) {
    Probe window;
    window.fail = [] { throw std::runtime_error("disk quota exceeded"); };
    window.button->click();
    ASSERT_EQ(modal.messages().size(), 1);
    EXPECT_EQ(modal.messages()[0], texts::kUnexpected + QStringLiteral("\n\u2066disk quota exceeded\u2069"));
}

// A key handler and the unload that a close runs are handlers too: Qt calls
// them from its event loop.
TEST_F(HandlerBoundary, KeyPressAndCloseFailuresAreToldAndTheWindowStillCloses) {
    Probe& window = pentarix::form<Probe>();
    window.fail = [] { throw DataError(DataError::Kind::Storage, QStringLiteral("خطا در بانک اطلاعاتی.")); };
    window.show();
    typeText(window.box, QStringLiteral("۱"));
    EXPECT_EQ(window.runs, 1);
    EXPECT_EQ(modal.messages(), QStringList{QStringLiteral("خطا در بانک اطلاعاتی.")});

    window.close();
    EXPECT_EQ(window.runs, 2);
    EXPECT_EQ(modal.messages().size(), 2);
    EXPECT_TRUE(window.isUnloaded());
    EXPECT_FALSE(pentarix::isLoaded<Probe>()) << "a failed unload left the window loaded";
}

// A window whose load fails is not left half loaded for the next access.
class LoadsOnSecondTry final : public pentarix::Form {
public:
    static inline int loads = 0;
    void Form_Load() override {
        if (++loads == 1) throw DataError(DataError::Kind::Storage, QStringLiteral("فایل آسیب دیده است."));
    }
};

TEST_F(HandlerBoundary, WindowWhoseLoadFailedLoadsAfreshNextTime) {
    LoadsOnSecondTry::loads = 0;
    EXPECT_THROW(pentarix::form<LoadsOnSecondTry>(), DataError);
    EXPECT_FALSE(pentarix::isLoaded<LoadsOnSecondTry>());
    pentarix::form<LoadsOnSecondTry>();
    EXPECT_EQ(LoadsOnSecondTry::loads, 2);
    EXPECT_TRUE(pentarix::isLoaded<LoadsOnSecondTry>());
}

class LockedDuringHandlers : public HandlerBoundary {
protected:
    Frm1& load() {
        Frm1& window = pentarix::form<Frm1>();
        window.show();
        return window;
    }
    static void pick(QComboBox* list) {
        list->setCurrentIndex(0);
        Q_EMIT list->activated(0);
    }
    void registerExaminee(Frm1& w, const QString& code) {
        w.Command1->click();
        typeText(w.Text11, code);
        typeText(w.Text6, QStringLiteral("مریم"));
        typeText(w.Text4, QStringLiteral("کریمی"));
        pick(w.Combo2);
        typeText(w.Text5, QStringLiteral("27"));
        pick(w.Combo1);
        pick(w.Combo3);
        typeText(w.Text7, QStringLiteral("کارشناسی"));
        w.Command8->click();
    }
};

// Another program holds the file past the busy wait. Cancelling the
// registration rereads the examinees (the other program's write made every
// copy stale) and saving the clinic's name certainly writes: every failure
// reaches the operator as a Persian box, and once the other program lets go
// the same window goes on working.
TEST_F(LockedDuringHandlers, FailuresAreToldInPersianAndTheWindowWorksOnceTheFileIsFree) {
    folder.addExaminee(QStringLiteral("1"));
    Frm1& w = load();
    w.Command1->click();
    ASSERT_TRUE(w.Frame10->isVisible());
    {
        ForeignLock lock(folder.databasePath(), QStringLiteral("INSERT INTO Answer (Code) VALUES ('99');"));
        w.Command10->click();
        w.Command9->click();
        w.Command67->click();
        typeText(w.Text2, QStringLiteral("ب"));
        w.Command64->click();
        ASSERT_TRUE(ForeignLock::refuses(folder.databasePath())) << "the lock ended before the handlers ran";
    }
    ASSERT_GE(modal.messages().size(), 1);
    for (const auto& call : modal.calls) {
        ASSERT_EQ(call.kind, ScriptedModal::Call::Kind::Message);
        EXPECT_TRUE(call.style & (style::kIconCritical | style::kIconExclamation));
        EXPECT_TRUE(call.style & style::kRightToLeftReading);
        EXPECT_TRUE(isPersian(call.text));
        EXPECT_TRUE(latinOnlyInsideIsolates(call.text)) << call.text.toStdString();
    }
    EXPECT_FALSE(modal.ended());
    ASSERT_TRUE(pentarix::isLoaded<Frm1>());

    modal.clear();
    const QString name = folder.scalar(QStringLiteral("SELECT Name FROM Theme"));
    w.Command67->click();
    w.Text2->setText(name + QStringLiteral("ب"));
    w.Command64->click();
    EXPECT_FALSE(w.Frame9->isVisible());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT Name FROM Theme")), name + QStringLiteral("ب"));
    registerExaminee(w, QStringLiteral("2"));
    EXPECT_FALSE(w.Frame10->isVisible());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE WHERE Code = '2'")),
              QStringLiteral("1"));
    EXPECT_TRUE(modal.calls.empty()) << modal.messages().join(QLatin1Char('|')).toStdString();
}

} // namespace

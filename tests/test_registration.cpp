#include "examinees/registration_texts.h"
#include "platform/clock.h"
#include "shell/frm1.h"
#include "support/app_folder.h"
#include "support/foreign_lock.h"
#include "support/scripted_modal.h"
#include "support/shots.h"
#include "support/typing.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

using pentarix::Frm1;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;
using pentarix::test::typeText;
namespace texts = pentarix::registration_texts;

namespace {

struct Particulars {
    QString code = QStringLiteral("101");
    QString firstName = QStringLiteral("مریم");
    QString lastName = QStringLiteral("کریمی");
    int gender = 1;  // index in the list; -1 for none
    QString age = QStringLiteral("27");
    int marital = 0;
    int group = 1;
    QString education = QStringLiteral("کارشناسی");
};

class Registration : public ::testing::Test {
protected:
    Registration() {
        pentarix::platform::setClock([this] { return moment; });
        window = &pentarix::form<Frm1>();
        window->show();
    }
    ~Registration() override {
        pentarix::FormSlotBase::discardAll();
        pentarix::platform::setClock({});
    }

    static void pick(QComboBox* list, int index) {
        if (index < 0) return;
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    void fill(const Particulars& p) {
        Frm1& w = *window;
        typeText(w.Text11, p.code);
        typeText(w.Text6, p.firstName);
        typeText(w.Text4, p.lastName);
        pick(w.Combo2, p.gender);
        typeText(w.Text5, p.age);
        pick(w.Combo1, p.marital);
        pick(w.Combo3, p.group);
        typeText(w.Text7, p.education);
    }

    void registerExaminee(const Particulars& p) {
        window->Command1->click();
        fill(p);
        window->Command8->click();
    }

    QString count(const char* table) const {
        return folder.scalar(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table));
    }

    AppFolder folder;
    ScriptedModal modal;
    QDateTime moment{QDate(2014, 11, 2), QTime(9, 5, 7)};
    Frm1* window = nullptr;
};

TEST_F(Registration, OpeningThePanelStampsTheMomentAndFocusesTheCode) {
    Frm1& w = *window;
    w.Command1->click();
    EXPECT_TRUE(w.Frame10->isVisible());
    EXPECT_EQ(w.Frame10->geometry(), QRect(100, 52, 445, 193));
    EXPECT_EQ(w.Text8->text(), QStringLiteral("1393/08/11"));
    EXPECT_EQ(w.Text9->text(), QStringLiteral("09:05:07"));
    EXPECT_TRUE(w.Text9->isReadOnly());
    EXPECT_EQ(w.focusWidget(), w.Text11);
    EXPECT_TRUE(w.Text11->text().isEmpty());
    EXPECT_EQ(w.Combo1->currentIndex(), -1);
    pentarix::test::saveShot(&w, QStringLiteral("registration-empty"));
}

TEST_F(Registration, SavedExamineeIsStoredInBothTablesAndEnablesTheMenu) {
    Particulars p;
    p.code = QStringLiteral(" A-7 ");
    window->Command1->click();
    fill(p);
    pentarix::test::saveShot(window, QStringLiteral("registration-filled"));
    // The date and time are those of the panel's opening, not of the save.
    moment = QDateTime(QDate(2015, 1, 1), QTime(12, 0, 0));
    window->Command8->click();

    EXPECT_TRUE(modal.calls.empty()) << modal.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(window->Frame10->isVisible());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT Code || '|' || FName || '|' || LName || '|' || Jens || '|' || Sen "
                                           "|| '|' || Taahol || '|' || \"Group\" || '|' || Tahsil || '|' || "
                                           "\"Date\" || '|' || \"Time\" FROM IDE")),
              QStringLiteral(" A-7 |مریم|کریمی|زن|27|مجرد|B|کارشناسی|1393/08/11|09:05:07"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT typeof(E) || typeof(O) FROM IDE")), QStringLiteral("nullnull"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT '[' || Code || ']' FROM Answer")), QStringLiteral("[A-7]"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT typeof(\"1\") FROM Answer")), QStringLiteral("null"));
    EXPECT_EQ(window->Adodc3->RecordCount(), 1);
    EXPECT_FALSE(window->Adodc2->hasPendingChange());
}

struct MissingCase {
    const char* name;
    Particulars particulars;
    QString message;
    const char* focus;
};

Particulars without(std::function<void(Particulars&)> change) {
    Particulars p;
    change(p);
    return p;
}

class RegistrationValidation : public Registration, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(RegistrationValidation, FirstEmptyEntryStopsTheSave) {
    window->Command1->click();
    fill(GetParam().particulars);
    window->Command8->click();
    ASSERT_EQ(modal.messages(), QStringList{GetParam().message});
    EXPECT_EQ(modal.calls[0].title, QStringLiteral("پيام"));
    EXPECT_EQ(window->focusWidget()->objectName(), QLatin1String(GetParam().focus));
    EXPECT_TRUE(window->Frame10->isVisible());
    EXPECT_EQ(count("IDE"), QStringLiteral("0"));
    EXPECT_EQ(count("Answer"), QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(
    Order, RegistrationValidation,
    ::testing::Values(
        MissingCase{"everything", without([](Particulars& p) { p = Particulars{QString(), QString(), QString(), -1, QString(), -1, -1, QString()}; }),
                    texts::kMissingText11, "Text11"},
        MissingCase{"first_name", without([](Particulars& p) { p.firstName.clear(); }), texts::kMissingText6, "Text6"},
        MissingCase{"last_name", without([](Particulars& p) { p.lastName.clear(); }), texts::kMissingText4, "Text4"},
        MissingCase{"gender_before_marital_and_group", without([](Particulars& p) { p.gender = p.marital = p.group = -1; }),
                    texts::kMissingText16, "Combo2"},
        MissingCase{"age", without([](Particulars& p) { p.age.clear(); }), texts::kMissingText5, "Text5"},
        MissingCase{"marital", without([](Particulars& p) { p.marital = -1; }), texts::kMissingText15, "Combo1"},
        MissingCase{"group", without([](Particulars& p) { p.group = -1; }), texts::kMissingText17, "Combo3"},
        MissingCase{"education", without([](Particulars& p) { p.education.clear(); }), texts::kMissingText7, "Text7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Registration, BlanksCountAsContent) {
    Particulars p;
    p.code = QStringLiteral("   ");
    p.education = QStringLiteral(" ");
    registerExaminee(p);
    EXPECT_TRUE(modal.calls.empty());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT '[' || Code || ']' FROM IDE")), QStringLiteral("[   ]"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT '[' || Code || ']' FROM Answer")), QStringLiteral("[]"));
}

TEST_F(Registration, TakenCodeIsRefusedAndTheTypedEntriesStay) {
    registerExaminee(Particulars{});
    Particulars second;
    second.firstName = QStringLiteral("سارا");
    registerExaminee(second);
    EXPECT_EQ(modal.messages(), QStringList{texts::kCodeTaken});
    EXPECT_TRUE(window->Frame10->isVisible());
    EXPECT_EQ(window->Text6->text(), QStringLiteral("سارا"));
    EXPECT_TRUE(window->Adodc2->hasPendingChange());
    EXPECT_EQ(count("IDE"), QStringLiteral("1"));
    EXPECT_EQ(count("Answer"), QStringLiteral("1"));

    // Correcting the code stores both rows of the same entry.
    window->Text11->setText(QStringLiteral("102"));
    window->Command8->click();
    EXPECT_FALSE(window->Frame10->isVisible());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT FName FROM IDE WHERE Code = '102'")), QStringLiteral("سارا"));
    EXPECT_EQ(count("Answer"), QStringLiteral("2"));
}

TEST_F(Registration, CodesCompareWithoutLatinLetterCaseAndSurroundingBlanksOfTheSheet) {
    Particulars first;
    first.code = QStringLiteral("ab");
    registerExaminee(first);
    for (const QString& taken : {QStringLiteral("AB"), QStringLiteral(" ab")}) {
        modal.clear();
        window->Command10->click();
        Particulars again;
        again.code = taken;
        registerExaminee(again);
        EXPECT_EQ(modal.messages(), QStringList{texts::kCodeTaken}) << taken.toStdString();
    }
    EXPECT_EQ(count("IDE"), QStringLiteral("1"));
    EXPECT_EQ(count("Answer"), QStringLiteral("1"));
}

TEST_F(Registration, NeitherRowIsStoredWhenTheOtherTableHoldsTheCode) {
    // An examinee row without its answer sheet, and a sheet without its examinee.
    folder.exec(QStringLiteral("INSERT INTO IDE (Code) VALUES ('only-ide')"));
    folder.exec(QStringLiteral("INSERT INTO Answer (Code) VALUES ('only-answer')"));
    window->Adodc2->Refresh();
    for (const QString& code : {QStringLiteral("only-ide"), QStringLiteral("only-answer")}) {
        modal.clear();
        Particulars p;
        p.code = code;
        registerExaminee(p);
        EXPECT_EQ(modal.messages(), QStringList{texts::kCodeTaken}) << code.toStdString();
        window->Command10->click();
    }
    EXPECT_EQ(count("IDE"), QStringLiteral("1"));
    EXPECT_EQ(count("Answer"), QStringLiteral("1"));
}

TEST_F(Registration, ListsKeepTheirPicksForTheNextExaminee) {
    registerExaminee(Particulars{});
    window->Command1->click();
    typeText(window->Text11, QStringLiteral("202"));
    typeText(window->Text6, QStringLiteral("رضا"));
    typeText(window->Text4, QStringLiteral("موسوی"));
    typeText(window->Text5, QStringLiteral("40"));
    typeText(window->Text7, QStringLiteral("دیپلم"));
    window->Command8->click();
    EXPECT_TRUE(modal.calls.empty());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT Jens || Taahol || \"Group\" FROM IDE WHERE Code = '202'")),
              QStringLiteral("زنمجردB"));
}

TEST_F(Registration, CancelAndOtherPanelsDiscardTheTypedExaminee) {
    window->Command1->click();
    fill(Particulars{});
    window->Command10->click();
    EXPECT_FALSE(window->Frame10->isVisible());
    window->Command1->click();
    fill(Particulars{});
    window->Command9->click();
    EXPECT_TRUE(window->Frame8->isVisible());
    EXPECT_FALSE(window->Adodc2->hasPendingChange());
    EXPECT_EQ(count("IDE"), QStringLiteral("0"));
    // Reopening starts from empty boxes.
    window->Command1->click();
    EXPECT_TRUE(window->Text6->text().isEmpty());
}

TEST_F(Registration, AgeTakesAtMostTwoDigits) {
    window->Command1->click();
    typeText(window->Text5, QStringLiteral("12a3"));
    EXPECT_EQ(window->Text5->text(), QStringLiteral("12"));
    EXPECT_EQ(modal.count(ScriptedModal::Call::Kind::Beep), 1);
    EXPECT_EQ(modal.messages(), QStringList{texts::kDigitsOnly});
}

} // namespace

namespace {

// The second of a registration's two writes refused by the file, after the
// first was taken, as a full disk or a damaged page would refuse it.
TEST_F(Registration, ASecondWriteRefusedStoresNeitherRowSaysWhatFailedAndKeepsTheEntries) {
    folder.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON IDE BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"));
    Particulars p;
    p.code = QStringLiteral("k7");
    registerExaminee(p);

    EXPECT_EQ(count("IDE"), QStringLiteral("0"));
    EXPECT_EQ(count("Answer"), QStringLiteral("0"));
    ASSERT_EQ(modal.calls.size(), 1u);
    EXPECT_TRUE(modal.calls[0].text.startsWith(texts::kNotRegistered)) << modal.calls[0].text.toStdString();
    EXPECT_TRUE(window->Frame10->isVisible());
    EXPECT_EQ(window->Text11->text(), QStringLiteral("k7"));
    EXPECT_TRUE(window->Adodc2->hasPendingChange());

    // Once the file takes rows again, the same entries are stored, both rows.
    folder.exec(QStringLiteral("DROP TRIGGER refuse"));
    modal.clear();
    window->Command8->click();
    EXPECT_TRUE(modal.calls.empty());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT FName FROM IDE WHERE Code = 'k7'")), p.firstName);
    EXPECT_EQ(count("Answer"), QStringLiteral("1"));
}

TEST_F(Registration, AFileHeldByAnotherProgramIsNamedAndNothingIsStored) {
    window->Command1->click();
    fill(Particulars{});
    {
        pentarix::test::ForeignLock lock(folder.databasePath());
        window->Command8->click();
    }
    EXPECT_EQ(count("IDE"), QStringLiteral("0"));
    EXPECT_EQ(count("Answer"), QStringLiteral("0"));
    ASSERT_EQ(modal.calls.size(), 1u);
    EXPECT_TRUE(modal.calls[0].text.contains(QStringLiteral("برنامه دیگری"))) << modal.calls[0].text.toStdString();
    EXPECT_TRUE(window->Frame10->isVisible());

    modal.clear();
    window->Command8->click();
    EXPECT_TRUE(modal.calls.empty());
    EXPECT_EQ(count("IDE"), QStringLiteral("1"));
    EXPECT_EQ(count("Answer"), QStringLiteral("1"));
}

} // namespace

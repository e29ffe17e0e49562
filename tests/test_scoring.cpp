#include "common/messages.h"
#include "platform/skin_engine.h"
#include "scoring/frmk_lid.h"
#include "scoring/frmk_lid_texts.h"
#include "shell/frm1.h"
#include "support/app_folder.h"
#include "support/scripted_modal.h"
#include "support/shots.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <set>

using pentarix::FrmkLID;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;
namespace texts = pentarix::frmk_lid_texts;
namespace style = pentarix::platform::style;

namespace {

using Sheet = std::array<QString, 51>; // element i: the stored answer of item i; 0 unused

Sheet allAnswers(const QString& value) {
    Sheet sheet;
    for (int i = 1; i <= 50; ++i) sheet[static_cast<std::size_t>(i)] = value;
    return sheet;
}

// The items whose answers are stored reversed.
const std::set<int> kReversed = {2,  4,  6,  8,  10, 12, 14, 16, 18, 20, 22, 24, 26, 28,
                                 30, 32, 34, 36, 38, 39, 44, 46, 49};

class Scoring : public ::testing::Test {
protected:
    ~Scoring() override { pentarix::FormSlotBase::discardAll(); }

    FrmkLID& load() {
        FrmkLID& w = pentarix::form<FrmkLID>();
        w.show();
        return w;
    }
    // Stores an answer sheet; empty answers stay NULL, as unanswered items are.
    void storeSheet(const QString& code, const Sheet& sheet) {
        QString sets;
        for (int i = 1; i <= 50; ++i) {
            const QString& v = sheet[static_cast<std::size_t>(i)];
            sets += QStringLiteral("%1\"%2\" = %3").arg(i == 1 ? QString() : QStringLiteral(", ")).arg(i).arg(
                v.isEmpty() ? QStringLiteral("NULL") : QLatin1Char('\'') + v + QLatin1Char('\''));
        }
        folder.exec(QStringLiteral("UPDATE Answer SET %1 WHERE Code = '%2'").arg(sets, code));
    }
    void score(FrmkLID& w, const QString& code) {
        modal.inputAnswers.push_back(code);
        w.Command1->click();
    }
    QStringList storedScores(const QString& code) {
        QStringList scores;
        for (const char* f : {"E", "A", "C", "ES", "O"}) {
            scores << folder.scalar(QStringLiteral("SELECT %1 FROM IDE WHERE Code = '%2'").arg(QLatin1String(f), code));
        }
        return scores;
    }
    static QStringList shownScores(const FrmkLID& w) {
        return {w.Text2->text(), w.Text4->text(), w.Text14->text(), w.Text17->text(), w.Text18->text()};
    }
    static QString gridText(const FrmkLID& w) {
        QString all;
        for (int i = 1; i <= 50; ++i) all += w.Txt3[static_cast<std::size_t>(i)]->text();
        return all;
    }

    AppFolder folder;
    ScriptedModal modal;
};

TEST_F(Scoring, ControlsStandAtTheirPositions) {
    FrmkLID& w = load();
    EXPECT_EQ(w.windowTitle(), texts::kCaption);
    EXPECT_EQ(w.size(), QSize(678, 416));
    EXPECT_EQ(w.pos(), QPoint(156, 51));
    // The score boxes, right to left E, A, C, ES, O, each under its caption.
    const std::vector<std::tuple<QLineEdit*, QLabel*, QString>> factors = {
        {w.Text2, w.Label10, texts::kCaptionE},
        {w.Text4, w.Label11, texts::kCaptionA},
        {w.Text14, w.Label12, texts::kCaptionC},
        {w.Text17, w.Label13, texts::kCaptionES},
        {w.Text18, w.Label14, texts::kCaptionO}};
    int previousLeft = w.width();
    for (const auto& [box, label, text] : factors) {
        EXPECT_EQ(box->size(), QSize(61, 50));
        EXPECT_LT(box->x(), previousLeft);
        previousLeft = box->x();
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(label->geometry().center().x(), box->geometry().center().x());
        EXPECT_LT(label->geometry().bottom(), box->y());
        EXPECT_TRUE(box->isReadOnly());
    }
    // The grid: item 10k + 1 at the left end of row k, on a 600-twip pitch.
    for (int item = 1; item <= 50; ++item) {
        QLineEdit* box = w.Txt3[static_cast<std::size_t>(item)];
        const int row = (item - 1) / 10;
        const int column = (item - 1) % 10;
        EXPECT_EQ(box->geometry(), QRect(24 + 40 * column, 180 + 40 * row, 37, 37)) << item;
        EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        EXPECT_TRUE(box->isReadOnly());
    }
    // Each identity box has its caption at its right.
    const std::vector<std::tuple<QLabel*, QLineEdit*, QString>> identity = {
        {w.Label1, w.Text15, texts::kLabelCode},   {w.Label2, w.Text3[3], texts::kLabelFName},
        {w.Label3, w.Text12, texts::kLabelLName},  {w.Label4, w.Text10, texts::kLabelJens},
        {w.Label5, w.Text6, texts::kLabelSen},     {w.Label6, w.Text11, texts::kLabelTaahol},
        {w.Label7, w.Text7, texts::kLabelTahsil},  {w.Label8, w.Text8, texts::kLabelDate},
        {w.Label9, w.Text9, texts::kLabelTime}};
    for (const auto& [label, box, text] : identity) {
        EXPECT_EQ(label->text(), text);
        EXPECT_GE(label->x(), box->geometry().right());
        EXPECT_LT(std::abs(label->geometry().center().y() - box->geometry().center().y()), 3);
    }
    EXPECT_EQ(w.Text5->text(), QString());
    for (QWidget* hidden : {static_cast<QWidget*>(w.Text1), static_cast<QWidget*>(w.Text5),
                            static_cast<QWidget*>(w.Text13), static_cast<QWidget*>(w.Text16),
                            static_cast<QWidget*>(w.Text19), static_cast<QWidget*>(w.Text20),
                            static_cast<QWidget*>(w.Frame2)}) {
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    }
    EXPECT_EQ(w.Command1->text(), texts::kCommand1Caption);
    EXPECT_EQ(w.Command6->text(), texts::kCommand6Caption);
    EXPECT_EQ(w.Command3->text(), texts::kCommand3Caption);
    EXPECT_EQ(w.Command2->text(), texts::kCommand2Caption);
    EXPECT_EQ(w.Command4->text(), texts::kCommand4Caption);
    EXPECT_EQ(w.Skin1->loadedFileName(), QStringLiteral("office2007.skn"));
    EXPECT_EQ(w.Text13->text(), folder.scalar(QStringLiteral("SELECT Name FROM Theme")));
    EXPECT_EQ(w.Text16->text(), folder.scalar(QStringLiteral("SELECT Adress FROM Theme")));
    pentarix::test::saveShot(&w, QStringLiteral("frmklid_empty"));
}

TEST_F(Scoring, HelpPanelOpensAndClosesWithItsSevenLines) {
    FrmkLID& w = load();
    w.Command2->click();
    EXPECT_TRUE(w.Frame2->isVisible());
    EXPECT_EQ(w.Frame2->geometry(), QRect(92, 72, 509, 329));
    EXPECT_TRUE(w.Text21->isReadOnly());
    const QStringList lines = {texts::kHelpLine1, texts::kHelpLine2, texts::kHelpLine3, texts::kHelpLine4,
                               texts::kHelpLine5, texts::kHelpLine6, texts::kHelpLine7, QString()};
    EXPECT_EQ(w.Text21->toPlainText(), lines.join(QLatin1Char('\n')));
    EXPECT_EQ(w.Command7->text(), texts::kCommand7Caption);
    pentarix::test::saveShot(&w, QStringLiteral("frmklid_help"));
    w.Command7->click();
    EXPECT_FALSE(w.Frame2->isVisible());
}

TEST_F(Scoring, MainWindowHidesWhileTheScoringWindowIsOpen) {
    pentarix::Frm1& main = pentarix::form<pentarix::Frm1>();
    main.show();
    main.Command3->click(); // nobody registered: nothing happens
    EXPECT_FALSE(pentarix::isLoaded<FrmkLID>());
    EXPECT_TRUE(main.isVisible());

    folder.addExaminee(QStringLiteral("K1"));
    main.Adodc3->Refresh();
    main.Frame10->show();
    main.Command3->click();
    ASSERT_TRUE(pentarix::isLoaded<FrmkLID>());
    EXPECT_TRUE(pentarix::form<FrmkLID>().isVisible());
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(main.Frame10->isVisible());
    pentarix::form<FrmkLID>().Command4->click();
    EXPECT_FALSE(pentarix::isLoaded<FrmkLID>());
    EXPECT_TRUE(pentarix::form<pentarix::Frm1>().isVisible());
    EXPECT_TRUE(modal.calls.empty());
}

TEST_F(Scoring, StoreThatCannotBeReadKeepsTheMainWindow) {
    folder.addExaminee(QStringLiteral("K1"));
    pentarix::Frm1& main = pentarix::form<pentarix::Frm1>();
    main.show();
    folder.exec(QStringLiteral("ALTER TABLE Answer RENAME TO Sheets"));
    main.Command3->click();
    EXPECT_FALSE(pentarix::isLoaded<FrmkLID>());
    EXPECT_TRUE(main.isVisible());
    ASSERT_EQ(modal.messages().size(), 1);
    EXPECT_TRUE(modal.messages().front().startsWith(texts::kOpenFailed));
}

// The five sums of a table of answer sheets: each factor adds its ten items,
// items 1, 6, 11 ... to E, 2, 7, 12 ... to A and so on.
struct SumCase {
    std::string name;
    Sheet sheet;
    QStringList sums; // E, A, C, ES, O
};

QStringList scores(const char* fiveScores) { return QString::fromLatin1(fiveScores).split(QLatin1Char(' ')); }

std::vector<SumCase> sumCases() {
    std::vector<SumCase> cases = {{"all_5", allAnswers(QStringLiteral("5")), scores("50 50 50 50 50")},
                                  {"all_1", allAnswers(QStringLiteral("1")), scores("10 10 10 10 10")}};
    // All "mostly true": forward items store 5, reversed ones 1.
    Sheet keyed;
    for (int i = 1; i <= 50; ++i) keyed[static_cast<std::size_t>(i)] = QLatin1String(kReversed.count(i) ? "1" : "5");
    cases.push_back({"all_mostly_true", keyed, scores("30 34 34 22 38")});
    // One item apart from the rest, for every item: only its factor moves.
    for (int item = 1; item <= 50; ++item) {
        Sheet sheet = allAnswers(QStringLiteral("2"));
        sheet[static_cast<std::size_t>(item)] = QStringLiteral("5");
        QStringList sums = scores("20 20 20 20 20");
        sums[(item - 1) % 5] = QStringLiteral("23");
        cases.push_back({"item_" + std::to_string(item) + "_apart", sheet, sums});
    }
    return cases;
}

class FactorSums : public Scoring, public ::testing::WithParamInterface<SumCase> {};

TEST_P(FactorSums, AreShownAndStored) {
    const SumCase& c = GetParam();
    folder.addExaminee(QStringLiteral("S1"));
    storeSheet(QStringLiteral("S1"), c.sheet);
    FrmkLID& w = load();
    score(w, QStringLiteral("S1"));
    ASSERT_EQ(modal.messages(), QStringList{texts::kScored});
    EXPECT_EQ(modal.calls.back().title, pentarix::kTimedMessageTitle);
    EXPECT_EQ(shownScores(w), c.sums);
    EXPECT_EQ(storedScores(QStringLiteral("S1")), c.sums);
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT typeof(E) FROM IDE WHERE Code = 'S1'")), QStringLiteral("integer"));
    EXPECT_EQ(w.Text5->text(), QStringLiteral("S1"));
}

INSTANTIATE_TEST_SUITE_P(Sheets, FactorSums, ::testing::ValuesIn(sumCases()),
                         [](const auto& info) { return info.param.name; });

TEST_F(Scoring, AskForTheCodeAndRefuseAnEmptyOne) {
    folder.addExaminee(QStringLiteral("S1"));
    FrmkLID& w = load();
    w.Command1->click(); // cancelled
    ASSERT_EQ(modal.count(ScriptedModal::Call::Kind::Input), 1);
    EXPECT_EQ(modal.calls[0].text, texts::kInputPrompt);
    EXPECT_EQ(modal.calls[0].title, texts::kInputTitle);
    EXPECT_EQ(modal.messages(), QStringList{texts::kNoCode});
    EXPECT_EQ(w.Text5->text(), QString());
}

// An incomplete sheet is refused with the unanswered item numbers, each as a
// blank, the number and two blanks; nothing is written.
struct IncompleteCase {
    const char* name;
    std::vector<int> unanswered;
    QString list;
};

class Incomplete : public Scoring, public ::testing::WithParamInterface<IncompleteCase> {};

TEST_P(Incomplete, ListsTheUnansweredItems) {
    const IncompleteCase& c = GetParam();
    folder.addExaminee(QStringLiteral("S1"));
    Sheet sheet = allAnswers(QStringLiteral("3"));
    for (int item : c.unanswered) sheet[static_cast<std::size_t>(item)].clear();
    storeSheet(QStringLiteral("S1"), sheet);
    FrmkLID& w = load();
    score(w, QStringLiteral("S1"));
    ASSERT_EQ(modal.messages().size(), 1);
    const ScriptedModal::Call& box = modal.calls.back();
    EXPECT_EQ(box.text, texts::kIncomplete + QStringLiteral("\r\n\r\n") + c.list);
    EXPECT_EQ(box.title, texts::kIncompleteTitle);
    EXPECT_EQ(box.style, style::kIconExclamation);
    EXPECT_EQ(storedScores(QStringLiteral("S1")), QStringList(5, QString()));
    EXPECT_EQ(shownScores(w), QStringList(5, QString()));
    EXPECT_EQ(w.Text5->text(), QString());
    // The identity and the sheet are those of the code asked for.
    EXPECT_EQ(w.Text15->text(), QStringLiteral("S1"));
    EXPECT_EQ(w.Txt3[1]->text(), sheet[1]);
}

QString allFifty() {
    QString list;
    for (int i = 1; i <= 50; ++i) list += QStringLiteral(" %1  ").arg(i);
    return list;
}

INSTANTIATE_TEST_SUITE_P(Sheets, Incomplete,
                         ::testing::Values(IncompleteCase{"only_50", {50}, QStringLiteral(" 50  ")},
                                           IncompleteCase{"three", {42, 3, 17}, QStringLiteral(" 3   17   42  ")},
                                           IncompleteCase{"first", {1}, QStringLiteral(" 1  ")},
                                           IncompleteCase{"none_answered",
                                                          [] {
                                                              std::vector<int> all;
                                                              for (int i = 1; i <= 50; ++i) all.push_back(i);
                                                              return all;
                                                          }(),
                                                          allFifty()}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Scoring, CodeNeverRegisteredShowsNothingAndWritesNothing) {
    folder.addExaminee(QStringLiteral("S1"));
    storeSheet(QStringLiteral("S1"), allAnswers(QStringLiteral("4")));
    FrmkLID& w = load();
    EXPECT_EQ(w.Text15->text(), QStringLiteral("S1")); // the window opens on the first row
    score(w, QStringLiteral("S2"));
    EXPECT_EQ(modal.messages(), QStringList{texts::kNotFound});
    EXPECT_EQ(modal.calls.back().title, pentarix::kTimedMessageTitle);
    EXPECT_EQ(w.Text15->text(), QString());
    EXPECT_EQ(w.Text3[3]->text(), QString());
    EXPECT_EQ(gridText(w), QString());
    EXPECT_EQ(w.Text5->text(), QString());
    EXPECT_EQ(storedScores(QStringLiteral("S1")), QStringList(5, QString()));
    // A blank around a code is not taken off: the sheet is stored without it.
    modal.clear();
    score(w, QStringLiteral(" S1"));
    EXPECT_EQ(modal.messages(), QStringList{texts::kNotFound});
}

TEST_F(Scoring, ScoringTwiceStoresTheSameScoresAgain) {
    folder.addExaminee(QStringLiteral("S1"));
    storeSheet(QStringLiteral("S1"), allAnswers(QStringLiteral("4")));
    FrmkLID& w = load();
    score(w, QStringLiteral("S1"));
    const QStringList first = storedScores(QStringLiteral("S1"));
    EXPECT_EQ(first, QStringList(5, QStringLiteral("40")));
    score(w, QStringLiteral("S1"));
    EXPECT_EQ(modal.messages(), (QStringList{texts::kScored, texts::kScored}));
    EXPECT_EQ(storedScores(QStringLiteral("S1")), first);
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE")), QStringLiteral("1"));
}

TEST_F(Scoring, AnswersRecordedAfterTheWindowOpenedAreSeen) {
    folder.addExaminee(QStringLiteral("S1"));
    FrmkLID& w = load();
    storeSheet(QStringLiteral("S1"), allAnswers(QStringLiteral("2")));
    score(w, QStringLiteral("s1")); // Latin letter case does not matter
    EXPECT_EQ(modal.messages(), QStringList{texts::kScored});
    EXPECT_EQ(storedScores(QStringLiteral("S1")), QStringList(5, QStringLiteral("20")));
    EXPECT_EQ(w.Text5->text(), QStringLiteral("s1"));
}

TEST_F(Scoring, FailedLookupAfterAScoringKeepsThatScoring) {
    folder.addExaminee(QStringLiteral("S1"));
    folder.addExaminee(QStringLiteral("S2"));
    storeSheet(QStringLiteral("S1"), allAnswers(QStringLiteral("5")));
    Sheet incomplete = allAnswers(QStringLiteral("1"));
    incomplete[7].clear();
    storeSheet(QStringLiteral("S2"), incomplete);
    FrmkLID& w = load();
    score(w, QStringLiteral("S1"));
    score(w, QStringLiteral("S2")); // incomplete
    score(w, QStringLiteral("S9")); // not there
    EXPECT_EQ(w.Text5->text(), QStringLiteral("S1"));
    EXPECT_EQ(shownScores(w), QStringList(5, QStringLiteral("50")));
    EXPECT_EQ(w.Text20->text(), QStringLiteral("S1"));
    EXPECT_EQ(storedScores(QStringLiteral("S2")), QStringList(5, QString()));
}

TEST_F(Scoring, CodeWithAnApostropheIsScored) {
    folder.addExaminee(QStringLiteral("O'N"));
    storeSheet(QStringLiteral("O''N"), allAnswers(QStringLiteral("3")));
    FrmkLID& w = load();
    score(w, QStringLiteral("O'N"));
    EXPECT_EQ(modal.messages(), QStringList{texts::kScored});
    EXPECT_EQ(storedScores(QStringLiteral("O''N")), QStringList(5, QStringLiteral("30")));
}

// Registered with blanks around the code, the examinee's row keeps them while
// the answer sheet does not: the sheet is found but its row is not.
TEST_F(Scoring, SheetWithoutItsExamineeRowIsNotScoredIntoNothing) {
    folder.addExaminee(QStringLiteral("S1"));
    storeSheet(QStringLiteral("S1"), allAnswers(QStringLiteral("5")));
    folder.addExaminee(QStringLiteral(" B7 "));
    storeSheet(QStringLiteral("B7"), allAnswers(QStringLiteral("4")));
    FrmkLID& w = load();
    score(w, QStringLiteral("S1"));
    modal.clear();
    score(w, QStringLiteral("B7"));
    ASSERT_EQ(modal.messages(), QStringList{texts::kNoExamineeRow});
    EXPECT_EQ(modal.calls.back().title, texts::kIncompleteTitle);
    EXPECT_EQ(modal.calls.back().style, style::kIconExclamation | style::kRightToLeftReading);
    EXPECT_EQ(storedScores(QStringLiteral(" B7 ")), QStringList(5, QString()));
    EXPECT_EQ(storedScores(QStringLiteral("S1")), QStringList(5, QStringLiteral("50")));
    EXPECT_EQ(w.Text5->text(), QStringLiteral("S1"));
    EXPECT_EQ(shownScores(w), QStringList(5, QStringLiteral("50")));
}

TEST_F(Scoring, StoreRefusingTheScoresIsReportedNotAnnouncedAsDone) {
    folder.addExaminee(QStringLiteral("S1"));
    folder.addExaminee(QStringLiteral("S2"));
    storeSheet(QStringLiteral("S1"), allAnswers(QStringLiteral("5")));
    storeSheet(QStringLiteral("S2"), allAnswers(QStringLiteral("4")));
    FrmkLID& w = load();
    score(w, QStringLiteral("S1"));
    folder.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON IDE WHEN NEW.Code = 'S2' "
                               "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    modal.clear();
    score(w, QStringLiteral("S2"));
    ASSERT_EQ(modal.messages().size(), 1);
    EXPECT_NE(modal.messages().front(), texts::kScored);
    EXPECT_EQ(modal.calls.back().title, texts::kIncompleteTitle);
    EXPECT_EQ(storedScores(QStringLiteral("S2")), QStringList(5, QString()));
    EXPECT_EQ(w.Text5->text(), QStringLiteral("S1"));
    EXPECT_EQ(shownScores(w), QStringList(5, QStringLiteral("50")));
}

} // namespace

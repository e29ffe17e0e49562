#include "examinees/frm_code.h"
#include "examinees/frm_code_texts.h"
#include "platform/view_models.h"
#include "shell/frm1.h"
#include "support/app_folder.h"
#include "support/scripted_modal.h"
#include "support/shots.h"
#include "support/typing.h"

using pentarix::test::typeText;

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using pentarix::FrmCode;
using pentarix::test::AppFolder;
using pentarix::test::ScriptedModal;
namespace strings = pentarix::frm_code_texts;
namespace answer = pentarix::platform::answer;

namespace {

// Tests write their expected texts as UTF-8 literals.
template <class... T>
QStringList texts(const T&... items) {
    return QStringList{QString::fromUtf8(items)...};
}

class Lookup : public ::testing::Test {
protected:
    Lookup() {
        folder.addExaminee(QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("علی"), QStringLiteral("احمدی"));
        folder.addExaminee(QStringLiteral("2"), QStringLiteral("B"), QStringLiteral("مریم"), QStringLiteral("رضایی"));
        folder.addExaminee(QStringLiteral("3"), QStringLiteral("B"), QStringLiteral("علی"), QStringLiteral("کریمی"));
        folder.addExaminee(QStringLiteral("4"), QStringLiteral("C"), QStringLiteral("سارا"), QStringLiteral("احمدی"));
        folder.addExaminee(QStringLiteral("o'k"), QStringLiteral("D"), QStringLiteral("Jo"), QStringLiteral("O'Neil"));
    }
    ~Lookup() override { pentarix::FormSlotBase::discardAll(); }

    FrmCode& open() {
        FrmCode& w = pentarix::form<FrmCode>();
        w.show();
        return w;
    }
    static QStringList gridCodes(FrmCode& w) {
        QStringList codes;
        auto* model = w.DataGrid1->model();
        for (int row = 0; row < model->rowCount(); ++row) codes << model->index(row, 0).data().toString();
        return codes;
    }
    static QStringList listEntries(pentarix::DataCombo* combo) {
        combo->syncList();
        QStringList entries;
        for (int row = 0; row < combo->count(); ++row) entries << combo->itemText(row);
        return entries;
    }
    static void choose(QComboBox* combo, const QString& text) {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
    QString count(const char* table) const {
        return folder.scalar(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table));
    }

    AppFolder folder;
    ScriptedModal modal;
};

TEST_F(Lookup, OpensWithEveryExamineeAndEveryNameDuplicatesIncluded) {
    FrmCode& w = open();
    EXPECT_EQ(w.windowTitle(), strings::kCaption);
    EXPECT_EQ(w.size(), QSize(682, 537));
    EXPECT_EQ(gridCodes(w), texts("1", "2", "3", "4", "o'k"));
    EXPECT_EQ(listEntries(w.DataCombo6), texts("علی", "مریم", "علی", "سارا", "Jo"));
    EXPECT_EQ(listEntries(w.DataCombo1), texts("احمدی", "رضایی", "کریمی", "احمدی", "O'Neil"));
    EXPECT_EQ(w.DataGrid1->model()->headerData(2, Qt::Horizontal).toString(), strings::kColumnLName);
    EXPECT_EQ(w.DataGrid1->columnWidth(0), 61);
    EXPECT_TRUE(w.Combo3->currentText().isEmpty());
    EXPECT_FALSE(w.DataGrid1->model()->flags(w.DataGrid1->model()->index(0, 0)) & Qt::ItemIsEditable);
    pentarix::test::saveShot(&w, QStringLiteral("lookup-all"));
}

TEST_F(Lookup, SelectorsReplaceOneAnother) {
    FrmCode& w = open();
    typeText(w.DataCombo6, QStringLiteral("علی"));
    EXPECT_EQ(gridCodes(w), texts("1", "3"));

    choose(w.Combo3, QStringLiteral("B"));
    EXPECT_EQ(gridCodes(w), texts("2", "3"));
    EXPECT_TRUE(w.DataCombo6->currentText().isEmpty());
    EXPECT_TRUE(w.DataCombo1->currentText().isEmpty());
    EXPECT_EQ(listEntries(w.DataCombo1), texts("رضایی", "کریمی"));
    pentarix::test::saveShot(&w, QStringLiteral("lookup-group"));

    // A last name after a group lists everyone of that name, whatever the group.
    w.Combo3->setCurrentIndex(-1);
    choose(w.Combo3, QStringLiteral("A"));
    w.DataCombo1->syncList();
    choose(w.DataCombo1, QStringLiteral("احمدی"));
    EXPECT_EQ(gridCodes(w), texts("1", "4"));
    EXPECT_TRUE(w.Combo3->currentText().isEmpty());
    EXPECT_EQ(w.DataCombo1->currentText(), QStringLiteral("احمدی"));
}

TEST_F(Lookup, TypedTextThatMatchesNothingEmptiesTheGridAndStays) {
    FrmCode& w = open();
    typeText(w.DataCombo1, QStringLiteral("ناشناس"));
    EXPECT_TRUE(gridCodes(w).isEmpty());
    EXPECT_EQ(w.DataCombo1->currentText(), QStringLiteral("ناشناس"));
    w.DataCombo1->syncList();
    EXPECT_EQ(w.DataCombo1->currentText(), QStringLiteral("ناشناس"));
    typeText(w.Combo3, QStringLiteral("d"));
    EXPECT_EQ(gridCodes(w), texts("o'k"));
    EXPECT_TRUE(w.DataCombo1->currentText().isEmpty());
}

TEST_F(Lookup, NamesWithApostrophesAreFound) {
    FrmCode& w = open();
    typeText(w.DataCombo1, QStringLiteral("O'Neil"));
    EXPECT_EQ(gridCodes(w), texts("o'k"));
}

TEST_F(Lookup, DeletingRemovesBothRowsAndListsTheRest) {
    FrmCode& w = open();
    choose(w.Combo3, QStringLiteral("B"));
    typeText(w.Text5, QStringLiteral("2"));
    modal.messageAnswers = {answer::kYes};
    w.Command2->click();
    ASSERT_EQ(modal.messages(), (QStringList{strings::kQuestion, strings::kDeleted}));
    EXPECT_EQ(modal.calls[0].style, 4);
    EXPECT_TRUE(modal.calls[0].title.isEmpty()) << "the application's title";
    EXPECT_TRUE(w.Text5->text().isEmpty());
    EXPECT_EQ(w.focusWidget(), w.Text5);
    EXPECT_EQ(gridCodes(w), texts("1", "3", "4", "o'k"));
    EXPECT_EQ(w.Combo3->currentText(), QStringLiteral("B"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE WHERE Code = '2'")), QStringLiteral("0"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM Answer WHERE Code = '2'")), QStringLiteral("0"));
    EXPECT_EQ(count("IDE"), QStringLiteral("4"));
}

struct RefusedDeletion {
    const char* name;
    QString code;
    int answerToQuestion;
    QStringList messages;
};

class LookupRefusal : public Lookup, public ::testing::WithParamInterface<RefusedDeletion> {};

TEST_P(LookupRefusal, DeletesNothing) {
    FrmCode& w = open();
    typeText(w.Combo3, QStringLiteral("B"));
    w.Text5->setText(GetParam().code);
    modal.messageAnswers = {GetParam().answerToQuestion};
    w.Command2->click();
    EXPECT_EQ(modal.messages(), GetParam().messages);
    EXPECT_EQ(w.Text5->text(), GetParam().code);
    EXPECT_EQ(count("IDE"), QStringLiteral("5"));
    EXPECT_EQ(count("Answer"), QStringLiteral("5"));
    if (GetParam().answerToQuestion == answer::kNo) {
        EXPECT_EQ(gridCodes(w).size(), 5);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupRefusal,
    ::testing::Values(RefusedDeletion{"empty_code", QString(), answer::kYes, {strings::kNoCode}},
                      RefusedDeletion{"unknown_code", QStringLiteral("99"), answer::kYes, {strings::kNotFound}},
                      RefusedDeletion{"code_with_blank", QStringLiteral("2 "), answer::kYes, {strings::kNotFound}},
                      RefusedDeletion{"answered_no", QStringLiteral("3"), answer::kNo, {strings::kQuestion}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Lookup, CodesWithApostrophesOrSurroundingBlanksLoseBothRows) {
    folder.addExaminee(QStringLiteral(" 77 "));
    FrmCode& w = open();
    for (const QString& code : {QStringLiteral("o'k"), QStringLiteral(" 77 ")}) {
        modal.clear();
        w.Text5->setText(code);
        modal.messageAnswers = {answer::kYes};
        w.Command2->click();
        EXPECT_EQ(modal.messages(), (QStringList{strings::kQuestion, strings::kDeleted})) << code.toStdString();
    }
    EXPECT_EQ(count("IDE"), QStringLiteral("4"));
    EXPECT_EQ(count("Answer"), QStringLiteral("4"));
}

TEST_F(Lookup, ExamineeWithoutAnswerSheetIsDeletedAndTheFailureShown) {
    folder.exec(QStringLiteral("DELETE FROM Answer WHERE Code = '4'"));
    FrmCode& w = open();
    w.Text5->setText(QStringLiteral("4"));
    modal.messageAnswers = {answer::kYes};
    w.Command2->click();
    ASSERT_EQ(modal.calls.size(), 2u);
    EXPECT_EQ(modal.calls[1].title, strings::kErrorTitle);
    EXPECT_EQ(modal.calls[1].style, 1048624);
    EXPECT_FALSE(modal.calls[1].text.isEmpty());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE WHERE Code = '4'")), QStringLiteral("0"));
}

TEST_F(Lookup, PrintByGroupNeedsAGroup) {
    FrmCode& w = open();
    w.Command1->click();
    EXPECT_EQ(modal.messages(), QStringList{strings::kNoGroup});
    typeText(w.DataCombo6, QStringLiteral("علی"));
    modal.clear();
    w.Command1->click();
    EXPECT_EQ(modal.messages(), QStringList{strings::kNoGroup});
}

TEST_F(Lookup, PrintByGroupListsExactlyTheGroupAfterADeletion) {
    FrmCode& w = open();
    choose(w.Combo3, QStringLiteral("B"));
    w.Text5->setText(QStringLiteral("1"));
    modal.messageAnswers = {answer::kYes};
    w.Command2->click();
    EXPECT_EQ(gridCodes(w).size(), 4);
    w.Command1->click();
    EXPECT_EQ(gridCodes(w), texts("2", "3"));
}

TEST_F(Lookup, MainWindowHidesWhileTheLookupIsOpen) {
    pentarix::Frm1& main = pentarix::form<pentarix::Frm1>();
    main.show();
    main.Command4->click();
    ASSERT_TRUE(pentarix::isLoaded<FrmCode>());
    FrmCode& w = pentarix::form<FrmCode>();
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(main.isVisible());
    w.Command6->click();
    EXPECT_FALSE(pentarix::isLoaded<FrmCode>());
    EXPECT_TRUE(pentarix::form<pentarix::Frm1>().isVisible());
}

TEST_F(Lookup, RowsStoredElsewhereAppearOnlyAfterARefresh) {
    FrmCode& w = open();
    folder.addExaminee(QStringLiteral("new"));
    EXPECT_EQ(gridCodes(w).size(), 5);
    w.Adodc2->Refresh();
    EXPECT_EQ(gridCodes(w).size(), 6);
}

// The file refuses the answer sheet's removal after the examinee's row went.
TEST_F(Lookup, ASecondRemovalRefusedKeepsBothRows) {
    folder.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON Answer BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END"));
    FrmCode& w = open();
    w.Text5->setText(QStringLiteral("2"));
    modal.messageAnswers = {answer::kYes};
    w.Command2->click();
    ASSERT_EQ(modal.calls.size(), 2u);
    EXPECT_EQ(modal.calls[1].title, strings::kErrorTitle);
    EXPECT_EQ(count("IDE"), QStringLiteral("5"));
    EXPECT_EQ(count("Answer"), QStringLiteral("5"));
    EXPECT_EQ(gridCodes(w).size(), 5);

    folder.exec(QStringLiteral("DROP TRIGGER refuse"));
    modal.clear();
    modal.messageAnswers = {answer::kYes};
    w.Command2->click();
    EXPECT_EQ(modal.messages(), (QStringList{strings::kQuestion, strings::kDeleted}));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE WHERE Code = '2'")), QStringLiteral("0"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM Answer WHERE Code = '2'")), QStringLiteral("0"));
}

} // namespace

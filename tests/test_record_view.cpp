#include "data/data_error.h"
#include "data/data_store.h"
#include "data/record_view.h"
#include "support/app_folder.h"

#include <gtest/gtest.h>

#include <memory>

using pentarix::DataError;
using pentarix::DataStore;
using pentarix::RecordView;
using pentarix::test::AppFolder;

namespace {

class RecordViewTest : public ::testing::Test {
protected:
    std::unique_ptr<RecordView> view(const QString& table) {
        return std::make_unique<RecordView>(DataStore::defaultPath(), table);
    }
    AppFolder folder;
};

struct Recorder : pentarix::ViewListener {
    int moved = 0;
    int fields = 0;
    void viewMoved(RecordView&) override { ++moved; }
    void fieldChanged(RecordView&, int) override { ++fields; }
};

TEST_F(RecordViewTest, EmptyTableOpensWithoutCurrentRowAndAddNewCountsThePendingRow) {
    auto ide = view(QStringLiteral("IDE"));
    EXPECT_EQ(ide->RecordCount(), 0);
    EXPECT_TRUE(ide->BOF());
    EXPECT_EQ(ide->currentText(ide->columnIndex(QStringLiteral("Code"))), QString());

    ide->AddNew();
    EXPECT_EQ(ide->RecordCount(), 1);
    EXPECT_FALSE(ide->BOF());
    EXPECT_TRUE(ide->hasPendingChange());
    EXPECT_EQ(ide->Fields(QStringLiteral("Code")), QString());

    ide->Refresh();
    EXPECT_EQ(ide->RecordCount(), 0);
    EXPECT_FALSE(ide->hasPendingChange());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE")), QStringLiteral("0"));
}

TEST_F(RecordViewTest, DeliveredTablesHoldTheSettingsRowAndFiftyItems) {
    auto theme = view(QStringLiteral("Theme"));
    auto qu = view(QStringLiteral("QU"));
    EXPECT_EQ(theme->RecordCount(), 1);
    EXPECT_FALSE(theme->Fields(QStringLiteral("Name")).isEmpty());
    EXPECT_FALSE(theme->Fields(QStringLiteral("Adress")).isEmpty());
    const int th = theme->Fields(QStringLiteral("TH")).toInt();
    EXPECT_GE(th, 1);
    EXPECT_LE(th, 11);
    ASSERT_EQ(qu->RecordCount(), 50);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(qu->text(i, qu->columnIndex(QStringLiteral("ID"))), QString::number(i + 1));
        EXPECT_FALSE(qu->text(i, qu->columnIndex(QStringLiteral("QU"))).trimmed().isEmpty());
    }
    EXPECT_EQ(folder.scalar(QStringLiteral("PRAGMA journal_mode")), QStringLiteral("delete"));
}

TEST_F(RecordViewTest, SavedRowStaysInvisibleToAnotherViewUntilItRefreshes) {
    auto writer = view(QStringLiteral("IDE"));
    auto reader = view(QStringLiteral("IDE"));
    writer->AddNew();
    writer->setField(QStringLiteral("Code"), QStringLiteral("k1"));
    writer->setField(QStringLiteral("Group"), QStringLiteral("B"));
    writer->Save();
    EXPECT_FALSE(writer->hasPendingChange());

    EXPECT_EQ(reader->RecordCount(), 0);
    reader->Refresh();
    ASSERT_EQ(reader->RecordCount(), 1);
    EXPECT_EQ(reader->Fields(QStringLiteral("code")), QStringLiteral("k1"));
    EXPECT_EQ(reader->Fields(QStringLiteral("Group")), QStringLiteral("B"));
}

TEST_F(RecordViewTest, DuplicateCodeIsRefusedAndTheChangeStaysPending) {
    folder.addExaminee(QStringLiteral("A7"));
    auto ide = view(QStringLiteral("IDE"));
    ide->AddNew();
    ide->setField(QStringLiteral("Code"), QStringLiteral("a7")); // letter case does not make a new code
    ide->setField(QStringLiteral("FName"), QStringLiteral("دوم"));
    try {
        ide->Update();
        FAIL() << "duplicate stored";
    } catch (const DataError& e) {
        EXPECT_EQ(e.kind(), DataError::Kind::DuplicateCode);
    }
    EXPECT_TRUE(ide->hasPendingChange());
    EXPECT_EQ(ide->Fields(QStringLiteral("FName")), QStringLiteral("دوم"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE")), QStringLiteral("1"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT FName FROM IDE")), QStringLiteral("علی"));

    // Correcting the code stores the same pending row.
    ide->setField(QStringLiteral("Code"), QStringLiteral("A8"));
    ide->Save();
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE")), QStringLiteral("2"));
}

TEST_F(RecordViewTest, CodesDifferingOnlyInSurroundingBlanksAreDistinct) {
    auto ide = view(QStringLiteral("IDE"));
    for (const QString& code : {QStringLiteral("5"), QStringLiteral(" 5"), QStringLiteral("5 "), QStringLiteral("  ")}) {
        ide->AddNew();
        ide->setField(QStringLiteral("Code"), code);
        EXPECT_NO_THROW(ide->Save()) << code.toStdString();
    }
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE")), QStringLiteral("4"));
    ide->Filter(QStringLiteral("code=' 5'"));
    ASSERT_EQ(ide->RecordCount(), 1);
    EXPECT_EQ(ide->Fields(QStringLiteral("Code")), QStringLiteral(" 5"));
}

struct FilterCase {
    const char* name;
    QString filter;
    int expected;
};

class RecordViewFilterTest : public RecordViewTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(RecordViewFilterTest, MatchesRowsOfItsOwnCopy) {
    folder.addExaminee(QStringLiteral("a1"), QStringLiteral("A"), QStringLiteral("مریم"), QStringLiteral("احمدی"));
    folder.addExaminee(QStringLiteral("a2"), QStringLiteral("B"), QStringLiteral("مریم"), QStringLiteral("O'Neil"));
    folder.addExaminee(QStringLiteral("x'1"), QStringLiteral("B"), QStringLiteral("سارا"), QStringLiteral("احمدی"));
    auto ide = view(QStringLiteral("IDE"));
    auto qu = view(QStringLiteral("QU"));
    RecordView& target = QString(GetParam().filter).startsWith(QLatin1String("ID=")) ? *qu : *ide;
    target.Filter(GetParam().filter);
    EXPECT_EQ(target.RecordCount(), GetParam().expected);
    EXPECT_EQ(target.BOF(), GetParam().expected == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, RecordViewFilterTest,
    ::testing::Values(FilterCase{"code_any_case", QStringLiteral("CODE='a1'"), 1},
                      FilterCase{"value_ignores_latin_case", QStringLiteral("code='A2'"), 1},
                      FilterCase{"group", QStringLiteral("Group='B'"), 2},
                      FilterCase{"persian_name", QStringLiteral("FName='مریم'"), 2},
                      FilterCase{"same_last_name", QStringLiteral("LName='احمدی'"), 2},
                      FilterCase{"apostrophe_in_value", QStringLiteral("LName='O'Neil'"), 1},
                      FilterCase{"apostrophe_in_code", QStringLiteral("Code='x'1'"), 1},
                      FilterCase{"no_match", QStringLiteral("Code='zz'"), 0},
                      FilterCase{"blank_is_content", QStringLiteral("Code='a1 '"), 0},
                      FilterCase{"item_number", QStringLiteral("ID='7'"), 1},
                      FilterCase{"item_number_leading_zero", QStringLiteral("ID='07'"), 1},
                      FilterCase{"item_beyond_range", QStringLiteral("ID='51'"), 0},
                      FilterCase{"item_not_a_number", QStringLiteral("ID='x'"), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecordViewTest, FilterMovesToFirstMatchAndRefreshShowsAllAgain) {
    folder.addExaminee(QStringLiteral("1"), QStringLiteral("A"));
    folder.addExaminee(QStringLiteral("2"), QStringLiteral("C"));
    folder.addExaminee(QStringLiteral("3"), QStringLiteral("C"));
    auto ide = view(QStringLiteral("IDE"));
    Recorder recorder;
    ide->addListener(&recorder);

    ide->Filter(QStringLiteral("Group='C'"));
    EXPECT_EQ(ide->Fields(QStringLiteral("Code")), QStringLiteral("2"));
    ide->Filter(QStringLiteral("Group='Z'"));
    EXPECT_TRUE(ide->BOF());
    EXPECT_EQ(ide->RecordCount(), 0);
    EXPECT_THROW(ide->Fields(QStringLiteral("Code")), DataError);
    ide->Refresh();
    EXPECT_EQ(ide->RecordCount(), 3);
    EXPECT_TRUE(ide->filter().isEmpty());
    EXPECT_EQ(ide->Fields(QStringLiteral("Code")), QStringLiteral("1"));
    EXPECT_EQ(recorder.moved, 3);
    ide->removeListener(&recorder);
}

TEST_F(RecordViewTest, MalformedFiltersAndUnknownFieldsFail) {
    auto ide = view(QStringLiteral("IDE"));
    for (const QString& bad : {QStringLiteral("Code=1"), QStringLiteral("Code='1"), QStringLiteral("='1'"),
                               QStringLiteral("Nope='1'")}) {
        EXPECT_THROW(ide->Filter(bad), DataError) << bad.toStdString();
    }
    EXPECT_THROW(ide->setField(QStringLiteral("Nope"), QString()), DataError);
}

TEST_F(RecordViewTest, NumericFieldsStoreNumbersAndRefuseOtherText) {
    folder.addExaminee(QStringLiteral("s1"));
    auto ide = view(QStringLiteral("IDE"));
    ide->setField(QStringLiteral("E"), QStringLiteral("30"));
    ide->setField(QStringLiteral("A"), QStringLiteral(" 34 "));
    ide->setField(QStringLiteral("C"), QStringLiteral("2.5"));
    ide->setField(QStringLiteral("ES"), QString());
    ide->Save();
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT typeof(E) || ':' || E FROM IDE")), QStringLiteral("integer:30"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT typeof(A) || ':' || A FROM IDE")), QStringLiteral("integer:34"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT typeof(C) || ':' || C FROM IDE")), QStringLiteral("real:2.5"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT typeof(ES) FROM IDE")), QStringLiteral("null"));
    EXPECT_EQ(ide->Fields(QStringLiteral("A")), QStringLiteral("34"));

    ide->setField(QStringLiteral("O"), QStringLiteral("abc"));
    try {
        ide->Save();
        FAIL() << "text stored in a numeric field";
    } catch (const DataError& e) {
        EXPECT_EQ(e.kind(), DataError::Kind::NotNumber);
    }
    EXPECT_TRUE(ide->hasPendingChange());
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT typeof(O) FROM IDE")), QStringLiteral("null"));
}

TEST_F(RecordViewTest, EditsOfSeveralFieldsAccumulateUntilSaveAndRefreshDropsThem) {
    folder.addExaminee(QStringLiteral("t1"));
    auto answers = view(QStringLiteral("Answer"));
    answers->setField(QStringLiteral("1"), QStringLiteral("5"));
    answers->setField(QStringLiteral("2"), QStringLiteral("4"));
    answers->Refresh();
    EXPECT_EQ(answers->Fields(QStringLiteral("1")), QString());

    answers->setField(QStringLiteral("1"), QStringLiteral("5"));
    answers->setField(QStringLiteral("50"), QStringLiteral("1"));
    answers->Save();
    answers->Save(); // nothing pending: nothing happens
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT \"1\" || \"50\" FROM Answer")), QStringLiteral("51"));
}

TEST_F(RecordViewTest, DeleteRemovesTheCurrentRowFromViewAndFile) {
    folder.addExaminee(QStringLiteral("d1"));
    folder.addExaminee(QStringLiteral("d2"));
    auto ide = view(QStringLiteral("IDE"));
    ide->Filter(QStringLiteral("Code='d2'"));
    ide->Delete();
    EXPECT_EQ(ide->RecordCount(), 0);
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT group_concat(Code) FROM IDE")), QStringLiteral("d1"));
    EXPECT_THROW(ide->Delete(), DataError);
}

TEST_F(RecordViewTest, RowRemovedByAnotherViewCannotBeUpdated) {
    folder.addExaminee(QStringLiteral("r1"));
    auto first = view(QStringLiteral("IDE"));
    auto second = view(QStringLiteral("IDE"));
    second->Delete();
    first->setField(QStringLiteral("FName"), QStringLiteral("x"));
    try {
        first->Update();
        FAIL() << "update of a vanished row reported as done";
    } catch (const DataError& e) {
        EXPECT_EQ(e.kind(), DataError::Kind::RowMissing);
    }
}

// A refresh may keep the view's copy when only the view itself has written
// the table since it read it; the copy must then equal a fresh read.
TEST_F(RecordViewTest, RefreshAfterOwnWritesMatchesAFreshRead) {
    for (int i = 0; i < 5; ++i) folder.addExaminee(QStringLiteral("f%1").arg(i));
    auto ide = view(QStringLiteral("IDE"));
    ide->Filter(QStringLiteral("Code='f1'"));
    ide->Delete();
    ide->Filter(QStringLiteral("Code='f3'"));
    ide->setField(QStringLiteral("E"), QStringLiteral("41"));
    ide->setField(QStringLiteral("FName"), QStringLiteral("stored"));
    ide->Save();
    ide->AddNew();
    ide->setField(QStringLiteral("Code"), QStringLiteral("f9"));
    ide->Save();
    // Pending changes that the refresh must drop.
    ide->Filter(QStringLiteral("Code='f4'"));
    for (int i = 0; i < 3000; ++i) ide->setField(QStringLiteral("LName"), QString::number(i).repeated(30));
    ide->AddNew();
    ide->setField(QStringLiteral("Code"), QStringLiteral("never"));
    ide->Refresh();

    auto fresh = view(QStringLiteral("IDE"));
    ASSERT_EQ(ide->RecordCount(), fresh->RecordCount());
    for (int row = 0; row < fresh->RecordCount(); ++row) {
        for (int column = 0; column < fresh->columnCount(); ++column) {
            EXPECT_EQ(ide->text(row, column), fresh->text(row, column)) << row << "," << column;
        }
    }
    EXPECT_FALSE(ide->hasPendingChange());

    // A write by another view of the process is read on the next refresh.
    fresh->setField(QStringLiteral("Sen"), QStringLiteral("77"));
    fresh->Save();
    ide->Refresh();
    EXPECT_EQ(ide->Fields(QStringLiteral("Sen")), QStringLiteral("77"));
}

// A view may take its first copy from another open view of the table whose
// copy is known to equal the file; what it shows must be what the file holds.
TEST_F(RecordViewTest, ViewOpenedBesideAnotherShowsWhatTheFileHolds) {
    for (int i = 0; i < 4; ++i) folder.addExaminee(QStringLiteral("s%1").arg(i));
    auto first = view(QStringLiteral("IDE"));
    first->Filter(QStringLiteral("Code='s2'"));
    first->Delete();
    first->Filter(QStringLiteral("Code='s0'"));
    first->setField(QStringLiteral("FName"), QStringLiteral("saved"));
    first->Save();
    first->AddNew();
    first->setField(QStringLiteral("Code"), QStringLiteral("s9"));
    first->Save();

    const auto listing = [](RecordView& v) {
        QStringList rows;
        v.Refresh();
        for (int r = 0; r < v.RecordCount(); ++r) {
            rows << v.text(r, v.columnIndex(QStringLiteral("Code"))) + QLatin1Char('/') +
                        v.text(r, v.columnIndex(QStringLiteral("FName")));
        }
        return rows.join(QLatin1Char(' '));
    };
    const QString file = folder.scalar(QStringLiteral("SELECT group_concat(Code || '/' || ifnull(FName, ''), ' ') "
                                                      "FROM (SELECT Code, FName FROM IDE ORDER BY rowid)"));
    auto second = view(QStringLiteral("IDE"));
    EXPECT_EQ(listing(*second), file);

    // A view with a pending edit is no source for another.
    first->Refresh();
    first->setField(QStringLiteral("FName"), QStringLiteral("pending"));
    second.reset();
    auto third = view(QStringLiteral("IDE"));
    EXPECT_EQ(third->Fields(QStringLiteral("FName")), QStringLiteral("saved"));

    // Nor is one written behind its back by another program.
    first->Refresh();
    folder.exec(QStringLiteral("UPDATE IDE SET FName = 'outside' WHERE Code = 's0'"));
    auto fourth = view(QStringLiteral("IDE"));
    EXPECT_EQ(fourth->Fields(QStringLiteral("FName")), QStringLiteral("outside"));
}

TEST_F(RecordViewTest, ManyEditsKeepTheViewsCopyConsistent) {
    folder.addExaminee(QStringLiteral("m1"));
    auto answers = view(QStringLiteral("Answer"));
    for (int round = 0; round < 2000; ++round) {
        answers->setField(QString::number(round % 50 + 1), QString::number(round % 5 + 1).repeated(40));
    }
    answers->Save();
    answers->Refresh();
    for (int item = 1; item <= 50; ++item) {
        const int lastRound = 1950 + item - 1;
        EXPECT_EQ(answers->Fields(QString::number(item)), QString::number(lastRound % 5 + 1).repeated(40));
    }
}

} // namespace

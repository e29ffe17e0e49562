// The store behind the views: one connection and one copy of a table's rows
// per version of the file, shared; transactions over several views.
#include "data/data_error.h"
#include "data/data_store.h"
#include "data/record_view.h"
#include "data/value_text.h"
#include "support/app_folder.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>
#include <random>
#include <stdexcept>

using pentarix::DataError;
using pentarix::DataStore;
using pentarix::RecordView;
using pentarix::Transaction;
using pentarix::filterText;
using pentarix::test::AppFolder;

namespace {

class Store : public ::testing::Test {
protected:
    std::unique_ptr<RecordView> view(const QString& table) {
        return std::make_unique<RecordView>(DataStore::defaultPath(), table);
    }

    // Every row of a table as the file holds it now, in the order a scan
    // returns them, through a connection of the test's own.
    QStringList fileRows(const QString& table, const QString& fields) const {
        const QString all = folder.scalar(
            QStringLiteral("SELECT group_concat(row, char(10)) FROM (SELECT %1 AS row FROM %2 ORDER BY rowid)").arg(fields, table));
        return all.isEmpty() ? QStringList() : all.split(QLatin1Char('\n'));
    }
    // The same fields of every row a view shows.
    static QStringList viewRows(const RecordView& v, const QStringList& fields) {
        QStringList rows;
        for (int r = 0; r < v.RecordCount(); ++r) {
            QStringList values;
            for (const QString& f : fields) values << v.text(r, v.columnIndex(f));
            rows << values.join(QLatin1Char('|'));
        }
        return rows;
    }
    static QString ideFields() { return QStringLiteral("Code || '|' || ifnull(FName,'') || '|' || ifnull(E,'')"); }
    static QStringList ideColumns() { return {QStringLiteral("Code"), QStringLiteral("FName"), QStringLiteral("E")}; }

    // The statements the store's connection runs, as the engine sees them.
    struct Trace {
        explicit Trace(const DataStore& store) : db(store.connection().handle()) {
            sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &Trace::record, this);
        }
        ~Trace() { sqlite3_trace_v2(db, 0, nullptr, nullptr); }
        static int record(unsigned, void* self, void* statement, void*) {
            static_cast<Trace*>(self)->statements << QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
            return 0;
        }
        // Reads of a whole table: a scan with neither a condition nor a limit.
        int wholeReads(const QString& table) const {
            int n = 0;
            for (const QString& s : statements) {
                if (s.startsWith(QLatin1String("SELECT rowid")) && s.contains(QStringLiteral("FROM \"%1\"").arg(table)) &&
                    !s.contains(QLatin1String("WHERE")) && !s.contains(QLatin1String("LIMIT")))
                    ++n;
            }
            return n;
        }
        sqlite3* db;
        QStringList statements;
    };

    void addExaminees(int count) const {
        folder.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                   "INSERT INTO IDE (Code, FName, E) SELECT 'c' || i, 'نام' || (i % 97), i % 41 + 10 FROM n")
                        .arg(count));
        folder.exec(QStringLiteral("INSERT INTO Answer (Code, \"1\", \"50\") SELECT Code, '3', '5' FROM IDE"));
    }

    AppFolder folder;
};

// Rows kept column by column in chunks, changed row by row by this process's
// own commits (never read again), stay exactly what the file holds.
TEST_F(Store, OwnCommitsMakeTheNextRowsWithoutReadingAndTheyEqualTheFile) {
    addExaminees(2600); // three chunks
    auto writer = view(QStringLiteral("IDE"));
    auto reader = view(QStringLiteral("IDE"));
    reader->readRows();
    Trace trace(reader->store());
    std::mt19937 random(7);
    for (int step = 0; step < 60; ++step) {
        writer->Refresh();
        writer->readRows();
        const int size = writer->RecordCount();
        const int pick = std::uniform_int_distribution<int>(0, size - 1)(random);
        switch (step % 3) {
        case 0:
            writer->AddNew();
            writer->setField(QStringLiteral("Code"), QStringLiteral("n%1").arg(step));
            writer->setField(QStringLiteral("E"), QString::number(step));
            writer->Save();
            break;
        case 1:
            writer->Filter(filterText(QStringLiteral("Code"), writer->text(pick, 0)));
            writer->setField(QStringLiteral("FName"), QStringLiteral("ویرایش %1").arg(step));
            writer->setField(QStringLiteral("E"), step % 2 ? QString() : QStringLiteral("12345678901"));
            writer->Update();
            break;
        default:
            // Rows at the edges of the chunks go as well as any other.
            writer->Filter(filterText(QStringLiteral("Code"), writer->text(step % 6 == 2 ? std::min(1023, size - 1) : pick, 0)));
            writer->Delete();
            break;
        }
        reader->Refresh();
        ASSERT_EQ(viewRows(*reader, ideColumns()), fileRows(QStringLiteral("IDE"), ideFields())) << "step " << step;
    }
    EXPECT_EQ(trace.wholeReads(QStringLiteral("IDE")), 0) << trace.statements.join(QLatin1Char('\n')).toStdString();
}

// A view that has not needed its rows yet still shows the table as of its
// open, however this process changed it since.
TEST_F(Store, AViewShowsTheRowsOfItsOpenWhenItFirstNeedsThem) {
    addExaminees(40);
    auto early = view(QStringLiteral("IDE"));
    EXPECT_FALSE(early->hasReadRows());
    const QStringList atOpen = fileRows(QStringLiteral("IDE"), ideFields());

    auto writer = view(QStringLiteral("IDE"));
    writer->Filter(QStringLiteral("Code='c1'"));
    writer->Delete();
    writer->Filter(QStringLiteral("Code='c7'"));
    writer->setField(QStringLiteral("FName"), QStringLiteral("دیگر"));
    writer->Update();
    writer->AddNew();
    writer->setField(QStringLiteral("Code"), QStringLiteral("new"));
    writer->Save();

    EXPECT_EQ(early->RecordCount(), 40);
    EXPECT_EQ(viewRows(*early, ideColumns()), atOpen);
    early->Filter(QStringLiteral("FName='دیگر'"));
    EXPECT_EQ(early->RecordCount(), 0);
    early->Refresh();
    EXPECT_EQ(viewRows(*early, ideColumns()), fileRows(QStringLiteral("IDE"), ideFields()));
}

// Opening views and reading their count and first row, adding a row and
// storing it never read a whole table: what the main window does at start
// and on a registration.
TEST_F(Store, CountFirstRowAndAddingReadNoWholeTable) {
    addExaminees(500);
    const auto store = DataStore::of(DataStore::defaultPath());
    Trace trace(*store);
    auto ide = view(QStringLiteral("IDE"));
    auto answer = view(QStringLiteral("Answer"));
    EXPECT_EQ(ide->RecordCount(), 500);
    EXPECT_EQ(ide->Fields(QStringLiteral("Code")), QStringLiteral("c1"));
    answer->AddNew();
    answer->setField(QStringLiteral("Code"), QStringLiteral("x"));
    answer->Save();
    answer->Refresh();
    EXPECT_EQ(answer->RecordCount(), 501);
    ide->Filter(QStringLiteral("Code='c300'"));
    EXPECT_EQ(ide->Fields(QStringLiteral("FName")), QStringLiteral("نام%1").arg(300 % 97));
    EXPECT_EQ(trace.wholeReads(QStringLiteral("IDE")) + trace.wholeReads(QStringLiteral("Answer")), 0)
        << trace.statements.join(QLatin1Char('\n')).toStdString();
}

// A rolled back transaction leaves the file and every view in it as they
// were: rows added through a view are pending again, rows removed are back.
TEST_F(Store, RollbackPutsTheFileAndEveryViewBack) {
    addExaminees(3);
    auto answer = view(QStringLiteral("Answer"));
    auto ide = view(QStringLiteral("IDE"));
    ide->Filter(QStringLiteral("Code='c2'"));
    answer->AddNew();
    answer->setField(QStringLiteral("Code"), QStringLiteral("k"));
    try {
        Transaction both(ide->store());
        answer->Save();
        ide->Delete();
        EXPECT_EQ(ide->RecordCount(), 0);
        throw std::runtime_error("stopped half-way");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM Answer")), QStringLiteral("3"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE")), QStringLiteral("3"));
    EXPECT_TRUE(answer->hasPendingChange());
    EXPECT_EQ(answer->Fields(QStringLiteral("Code")), QStringLiteral("k"));
    ASSERT_EQ(ide->RecordCount(), 1);
    EXPECT_EQ(ide->Fields(QStringLiteral("Code")), QStringLiteral("c2"));

    // The same changes, committed, are stored together.
    Transaction both(ide->store());
    answer->Save();
    ide->Delete();
    both.commit();
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM Answer")), QStringLiteral("4"));
    EXPECT_EQ(folder.scalar(QStringLiteral("SELECT count(*) FROM IDE WHERE Code = 'c2'")), QStringLiteral("0"));
}

// A filter on a view that has not read its rows asks the file for the
// matching rows alone; it finds exactly what the same filter finds among all
// the rows.
TEST_F(Store, FilterReadingTheMatchesAloneFindsWhatItFindsAmongAllRows) {
    folder.addExaminee(QStringLiteral("a1"), QStringLiteral("A"), QStringLiteral("مریم"), QStringLiteral("O'Neil"));
    folder.addExaminee(QStringLiteral("A2 "), QStringLiteral("B"), QStringLiteral("مریم"), QStringLiteral(""));
    folder.exec(QStringLiteral("INSERT INTO IDE (Code, LName) VALUES ('n', NULL)"));
    for (const QString& filter : {QStringLiteral("code='A1'"), QStringLiteral("Code='a2'"), QStringLiteral("Code='a2 '"),
                                  QStringLiteral("LName=''"), QStringLiteral("LName='o'neil'"),
                                  QStringLiteral("FName='مریم'"), QStringLiteral("Group='b'")}) {
        auto alone = view(QStringLiteral("IDE"));
        auto amongAll = view(QStringLiteral("IDE"));
        amongAll->readRows();
        alone->Filter(filter);
        amongAll->Filter(filter);
        EXPECT_FALSE(alone->hasReadRows()) << filter.toStdString();
        EXPECT_EQ(viewRows(*alone, ideColumns()), viewRows(*amongAll, ideColumns())) << filter.toStdString();
        alone->Filter(QString());
        EXPECT_EQ(alone->RecordCount(), 3);
    }
}

} // namespace

#pragma once

#include "data/sqlite.h"
#include "data/table_rows.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace pentarix {

class DataError;
class RecordView;

// The one database file of the system, "Pentarix/Pentarix.mdb" under the
// working folder. The system never creates it nor changes its tables.
//
// A process holds one DataStore per file, shared by every view of it: one
// connection, so that the rows of several views can be stored in one
// transaction, and one copy of each table's rows per version of the file,
// shared by every view at that version.
class DataStore {
public:
    static QString relativePath();
    // The file as the views open it: relative to the current working folder.
    static QString defaultPath();

    // Opens an existing file; throws DataError (Missing, Unusable) with a
    // Persian description that names the file.
    static sql::Connection connect(const QString& path);

    // Checks that the file exists, opens as a database and holds the four
    // tables with their fields. Throws DataError on any of these.
    static void verify(const QString& path);

    // The process's store of the file, opened on first use and kept while
    // any view of it is open.
    static std::shared_ptr<DataStore> of(const QString& path);

    // The engine's failure as the operator reads it: the cause in Persian.
    static DataError storageError(const sql::Error& error);

    enum class ColumnKind { Text, Numeric };
    struct Column {
        QString name;
        std::string quoted;
        ColumnKind kind;
    };
    struct Table {
        QString name;
        std::string quoted;
        std::vector<Column> columns;
        int width() const { return static_cast<int>(columns.size()); }
    };

    ~DataStore();
    DataStore(const DataStore&) = delete;
    DataStore& operator=(const DataStore&) = delete;

    const QString& path() const noexcept { return path_; }
    const sql::Connection& connection() const noexcept { return connection_; }

    // The table's fields; throws DataError when the file has no such table.
    const Table& table(const QString& name);

    // Versions of a table: every commit of this process makes the next one,
    // and so does a commit by another program (seen in the file's data
    // version), which no copy of any table survives.
    std::uint64_t version(const Table& table);
    // What a view needs to show the table at a version without reading it:
    // the number of rows and the first row.
    struct Head {
        int count = 0;
        std::optional<RowCopy> first;
    };
    Head head(const Table& table, std::uint64_t version);
    // Every row of the table at the version, read once and shared. When
    // another program has written the file since that version, the rows are
    // the file's as they are now; `version` then says which.
    std::shared_ptr<const TableRows> rows(const Table& table, std::uint64_t& version);

    // The rows of the table as it is now whose text field equals the value
    // as a filter compares it (Latin letters in any case; an empty value
    // also matches an empty field), read without reading the rest.
    std::shared_ptr<const TableRows> matching(const Table& table, int column, const QString& value);

    // Stores one row's change in the file (inside the open transaction, if
    // any). Returns the version the table has after it; `rowid` of an
    // insert is filled in.
    std::uint64_t write(const Table& table, RowChange& change, std::uint64_t mask);

    // Whether the file holds a row whose field equals the value, compared as
    // the store compares it.
    bool contains(const Table& table, int column, const QString& value);

    // A view that will be put back as it was if the open transaction is
    // rolled back; `restore` does it.
    void enlist(RecordView* view, std::function<void()> restore);
    bool inTransaction() const noexcept { return depth_ > 0; }

    void attach(RecordView* view);
    void detach(RecordView* view);

    // A view that shows the table at a version without having read its rows
    // pins that version: the store keeps what it needs to give them later.
    void pin(const Table& table, std::uint64_t version);
    void unpin(const Table& table, std::uint64_t version);

private:
    friend class Transaction;
    explicit DataStore(const QString& path);

    struct TableState {
        Table table;
        std::uint64_t version = 1;
        std::uint64_t chainStart = 1; // own changes are known from this version on
        std::shared_ptr<const TableRows> rows; // of `version`, when read
        std::optional<Head> head;              // of `version`, when known
        std::deque<std::pair<std::uint64_t, RowChange>> changes; // the change that made each version
        std::map<std::uint64_t, std::weak_ptr<const TableRows>> older;
        std::map<std::uint64_t, int> pins;
    };
    TableState& state(const Table& table);
    void noticeOthers();
    void trimChanges(TableState& state);
    std::shared_ptr<const TableRows> readRows(TableState& state);

    void begin();
    void commit();
    void rollback() noexcept;

    QString path_;
    sql::Connection connection_;
    // Asked before nearly every operation of every view: prepared once.
    std::unique_ptr<sql::Statement> dataVersionQuery_;
    std::vector<std::unique_ptr<TableState>> tables_;
    std::optional<std::int64_t> dataVersion_;
    std::vector<RecordView*> views_;

    int depth_ = 0;
    struct Saved {
        TableState* state;
        std::uint64_t version, chainStart;
        std::shared_ptr<const TableRows> rows;
        std::optional<Head> head;
        std::size_t changes;
    };
    std::vector<Saved> saved_;
    std::vector<std::pair<RecordView*, std::function<void()>>> enlisted_;
    std::uint64_t lastVersion_ = 1;
};

// Groups the commits of several views into one transaction of the file:
// both rows or neither. Without commit(), the file and every enlisted view
// go back to how they were when the transaction began.
class Transaction {
public:
    explicit Transaction(DataStore& store);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    DataStore& store_;
    bool done_ = false;
};

} // namespace pentarix

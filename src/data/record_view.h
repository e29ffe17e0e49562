#pragma once

#include "data/sqlite.h"
#include "data/table_versions.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pentarix {

class RecordView;

// Something that follows a view: bound controls, grid models.
class ViewListener {
public:
    virtual ~ViewListener() = default;
    // The current row changed, or the rows visible through the filter did.
    virtual void viewMoved(RecordView& view) = 0;
    // One field of the current row was given a new value.
    virtual void fieldChanged(RecordView& view, int column) { viewMoved(view); }
    // The view is being destroyed; drop every reference to it.
    virtual void viewClosing(RecordView& view) {}
};

// A window's view of one whole table: its own connection, its own copy of the
// rows as read at the last refresh, a filter evaluated on that copy, a current
// row and pending edits that reach the file only on Update or Save.
class RecordView {
public:
    enum class ColumnKind { Text, Numeric };

    // Opens the file (never creates it) and reads the whole table.
    RecordView(const QString& databasePath, const QString& table);
    ~RecordView();
    RecordView(const RecordView&) = delete;
    RecordView& operator=(const RecordView&) = delete;

    const QString& table() const noexcept { return table_; }
    bool isOpen() const noexcept { return connection_.isOpen(); }
    void close();

    // --- The operations the windows use.
    void Refresh();
    // "field='value'"; the field in any letter case, the value up to the final
    // apostrophe. An empty text shows every row again.
    void Filter(const QString& filterText);
    const QString& filter() const noexcept { return filter_; }
    int RecordCount() const noexcept { return static_cast<int>(visible_.size()); }
    bool BOF() const noexcept { return current_ < 0; }
    bool hasCurrentRow() const noexcept { return current_ >= 0; }
    void AddNew();
    QString Fields(const QString& field) const;
    void setField(const QString& field, const QString& value);
    void Update();
    void Save();
    void Delete();
    bool hasPendingChange() const noexcept;
    // Whether the file, as it is now, holds a row whose field equals the
    // value (compared as the store compares it); the view's copy is not read.
    bool storeContains(const QString& field, const QString& value);

    // --- Columns and rows, for bindings and grids.
    int columnCount() const noexcept { return static_cast<int>(columns_.size()); }
    // -1 when the table has no such field; names compare in any letter case.
    int columnIndex(const QString& field) const;
    const QString& columnName(int column) const { return columns_[static_cast<std::size_t>(column)].name; }
    ColumnKind columnKind(int column) const { return columns_[static_cast<std::size_t>(column)].kind; }
    // The text of a field of the n-th visible row; empty for an empty field.
    QString text(int visibleRow, int column) const;
    QString currentText(int column) const;
    int currentIndex() const noexcept { return current_; }

    void addListener(ViewListener* listener);
    void removeListener(ViewListener* listener);

private:
    struct Column {
        QString name;
        std::string quoted;
        ColumnKind kind;
    };
    // A field's value: its bytes live in the arena (eight for a number, the
    // UTF-8 text otherwise), so a row of fifty mostly empty fields stays small.
    struct Cell {
        enum Kind : std::uint32_t { Null = 0, Integer = 1, Real = 2, Text = 3 };
        std::uint32_t offset = 0;
        std::uint32_t meta = 0; // kind in the two low bits, text length above
        Kind kind() const noexcept { return static_cast<Kind>(meta & 3u); }
        std::uint32_t length() const noexcept { return meta >> 2; }
    };
    struct Row {
        std::int64_t rowid = 0;
        bool stored = true;          // false: added through the view, not in the file yet
        std::uint64_t dirty = 0;     // fields edited and not yet stored, one bit per column
    };
    struct Original {
        std::size_t cell;
        Cell value;
    };

    void readColumns();
    void readRows();
    bool copyFromCurrentSibling(const TableVersions::Stamp& stamp);
    void discardPendingChanges();
    void notifyMoved();
    void notifyField(int column);
    int requireColumn(const QString& field) const;
    Cell* rowCells(int row) { return &cells_[static_cast<std::size_t>(row) * columns_.size()]; }
    const Cell* rowCells(int row) const { return &cells_[static_cast<std::size_t>(row) * columns_.size()]; }
    std::string_view cellBytes(const Cell& cell) const;
    std::int64_t cellInteger(const Cell& cell) const;
    double cellReal(const Cell& cell) const;
    QString cellText(const Cell& cell) const;
    Cell textCell(std::string_view utf8);
    Cell integerCell(std::int64_t value);
    Cell realCell(double value);
    void commitRow(int row);
    void showAll();
    void compactArenaIfWasteful();
    bool isCurrentCopy();
    void countCommit(bool wasCurrent);

    QString table_;
    std::string quotedTable_;
    sql::Connection connection_;
    std::vector<Column> columns_;

    std::vector<Row> rows_;
    std::vector<Cell> cells_;   // rows_.size() * columns_.size(), row after row
    std::string arena_;         // the bytes of every cell
    std::size_t liveBytes_ = 0; // bytes in the arena that cells still use
    std::vector<Original> originals_; // stored values of the fields edited since the last commit
    QString databasePath_;
    TableVersions::Stamp stamp_; // how new the copy of the table is

    QString filter_;
    std::vector<int> visible_;  // indexes into rows_ of the rows the filter lets through
    int current_ = -1;          // index into visible_, -1 for none

    std::vector<ViewListener*> listeners_;
};

} // namespace pentarix

#pragma once

#include "data/data_store.h"
#include "data/table_rows.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
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
    virtual void fieldChanged(RecordView& view, int /*column*/) { viewMoved(view); }
    // The view is being destroyed; drop every reference to it.
    virtual void viewClosing(RecordView& /*view*/) {}
};

// A window's view of one whole table, through the store of its file: the
// table's rows as of the view's open or last refresh (shared with every view
// at that version, read only when the view needs more than its count and
// first row), the rows this view changed or added, a filter, a current row,
// and pending edits that reach the file only on Update or Save.
class RecordView {
public:
    using ColumnKind = DataStore::ColumnKind;

    // Opens the file's store (never creates the file) and the table.
    RecordView(const QString& databasePath, const QString& table);
    ~RecordView();
    RecordView(const RecordView&) = delete;
    RecordView& operator=(const RecordView&) = delete;

    const QString& table() const noexcept { return table_->name; }
    DataStore& store() const noexcept { return *store_; }
    bool isOpen() const noexcept { return open_; }
    void close();

    // --- The operations the windows use.
    void Refresh();
    // "field='value'"; the field in any letter case, the value up to the final
    // apostrophe. An empty text shows every row again.
    void Filter(const QString& filterText);
    const QString& filter() const noexcept { return filter_; }
    int RecordCount() const noexcept;
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
    // value (compared as the store compares it); the view's rows are not read.
    bool storeContains(const QString& field, const QString& value);

    // --- Columns and rows, for bindings and grids.
    int columnCount() const noexcept { return table_->width(); }
    // -1 when the table has no such field; names compare in any letter case.
    int columnIndex(const QString& field) const;
    const QString& columnName(int column) const { return table_->columns[static_cast<std::size_t>(column)].name; }
    ColumnKind columnKind(int column) const { return table_->columns[static_cast<std::size_t>(column)].kind; }
    // The text of a field of the n-th visible row; empty for an empty field.
    QString text(int visibleRow, int column) const;
    QString currentText(int column) const;
    int currentIndex() const noexcept { return current_; }
    // Whether the view has read its table's rows (a window's need, not the
    // open, makes it read them).
    bool hasReadRows() const noexcept { return base_ && !partial_; }
    // Reads the rows now, as of the open or last refresh: for a grid that
    // shows every row, so that what it shows is the table of that moment.
    void readRows() const { ensureRows(); }

    void addListener(ViewListener* listener);
    void removeListener(ViewListener* listener);

private:
    // A row this view changed, added or removed. Rows of the table it never
    // touched are read from the shared rows and never copied.
    struct OwnRow {
        std::int64_t rowid = 0;
        bool added = false;      // added through this view: shown after the table's rows
        bool stored = false;     // the file holds it
        bool deleted = false;    // removed from the file through this view
        std::uint64_t dirty = 0; // fields edited and not stored, one bit a column
        std::vector<OwnedCell> cells;  // as shown
        std::vector<OwnedCell> stored_; // as the file holds them
    };
    // What a transaction puts back when it is rolled back.
    struct State {
        std::uint64_t version;
        std::shared_ptr<const TableRows> base;
        bool partial;
        DataStore::Head head;
        std::vector<OwnRow> own;
        QString filter;
        std::vector<int> visible;
        int current;
    };

    void pinHead();
    void unpin() const;
    void ensureRows() const;
    void applyFilter(const QString& filterText) const;
    void rebuildVisible(const std::function<bool(const Cell&)>* match, int column) const;
    Cell cellAt(int visibleRow, int column) const;
    // The own row shown at a visible row, or -1 for a row of the table.
    int ownAt(int visibleRow) const;
    // Makes the current row one of this view's own, to be edited.
    OwnRow& ownCurrent();
    int addedCount() const;
    int requireColumn(const QString& field) const;
    void requireOpen() const;
    void commitRow(std::size_t own);
    void enlist();
    void restore(State state);
    void dropOwn(std::size_t own);
    void notifyMoved();
    void notifyField(int column);

    std::shared_ptr<DataStore> store_;
    const DataStore::Table* table_;
    bool open_ = true;

    // The table as of the open or last refresh: its version, and its rows
    // once read; until then only its count and first row.
    mutable std::uint64_t version_ = 0;
    mutable bool pinned_ = false;
    mutable std::shared_ptr<const TableRows> base_;
    // The rows read are only those that match the filter: a window that
    // narrows a fresh view to one examinee reads that examinee alone.
    mutable bool partial_ = false;
    DataStore::Head head_;

    std::vector<OwnRow> own_;
    QString filter_;
    // Once the rows are read: the visible rows, >= 0 a row of the table,
    // < 0 the own row ~n.
    mutable std::vector<int> visible_;
    int current_ = -1; // index of the visible row, -1 for none

    std::vector<ViewListener*> listeners_;
};

} // namespace pentarix

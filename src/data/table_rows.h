#pragma once

#include "data/sqlite.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pentarix {

// One field's value as the file holds it. The text of a Cell read from a
// snapshot points into that snapshot.
struct Cell {
    enum class Kind : std::uint8_t { Null, Integer, Real, Text };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view text;

    QString toString() const;
    bool operator==(const Cell& other) const;
};

// A Cell that owns its text, for the few rows a view changes or adds.
struct OwnedCell {
    Cell::Kind kind = Cell::Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string text;

    static OwnedCell of(const Cell& cell);
    static OwnedCell ofText(const QString& text);
    Cell view() const { return Cell{kind, integer, real, text}; }
};

// A whole row, owned: the rowid and every field in the table's order.
struct RowCopy {
    std::int64_t rowid = 0;
    std::vector<OwnedCell> cells;
};

// What one commit of this process did to one row of a table. The row before
// and after are both kept, so the change can be applied or taken back.
struct RowChange {
    enum class Kind : std::uint8_t { Insert, Update, Delete };
    Kind kind = Kind::Update;
    std::int64_t rowid = 0;
    std::vector<OwnedCell> before; // Update, Delete
    std::vector<OwnedCell> after;  // Insert, Update
    RowChange inverse() const;
};

// The rows of a table at one version of the file, in rowid order (the order
// a plain scan of the table returns them), never changed once built, shared
// by every view at that version. Rows sit in chunks column by column; a field
// whose values are few and short (an answer "1" .. "5", a gender, a score)
// takes one byte a row. A new version shares every chunk the change did not
// touch.
class TableRows {
public:
    // Reads every row of a statement "SELECT rowid, field, field, ...".
    static std::shared_ptr<const TableRows> read(sql::Statement& statement, int width);
    static std::shared_ptr<const TableRows> empty(int width);

    int size() const noexcept { return size_; }
    int width() const noexcept { return width_; }
    std::int64_t rowid(int row) const;
    Cell cell(int row, int column) const;
    RowCopy copy(int row) const;
    // The position of the row with this rowid, or -1.
    int find(std::int64_t rowid) const;
    // Where a row with this rowid stands or would stand.
    int lowerBound(std::int64_t rowid) const;

    // The rows after the change.
    std::shared_ptr<const TableRows> with(const RowChange& change) const;

    // Bytes held by the chunks, for the benchmarks' accounting.
    std::size_t bytes() const;

    struct Chunk;

private:
    std::shared_ptr<const TableRows> replaced(std::size_t chunk, std::shared_ptr<const Chunk> by) const;
    std::size_t chunkOf(int row) const;

    int width_ = 0;
    int size_ = 0;
    std::vector<std::shared_ptr<const Chunk>> chunks_;
    std::vector<int> starts_; // the position of each chunk's first row
};

} // namespace pentarix

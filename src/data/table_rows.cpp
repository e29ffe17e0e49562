#include "data/table_rows.h"

#include "data/value_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace pentarix {

namespace {

// Rows per chunk: a change rebuilds one chunk, a read fills them in turn.
constexpr int kChunkRows = 1024;
// A column keeps a dictionary while its values are this few and this short.
constexpr std::size_t kMaxDictionary = 255;
constexpr std::size_t kMaxDictionaryValue = 16;

// A value is kept as a tag byte and its payload; NULL is no bytes at all.
constexpr char kInteger = 'I';
constexpr char kReal = 'R';
constexpr char kText = 'T';

void encode(const Cell& cell, std::string& out) {
    out.clear();
    switch (cell.kind) {
    case Cell::Kind::Null: break;
    case Cell::Kind::Integer: {
        out.push_back(kInteger);
        // The fewest little-endian bytes that sign-extend back to the value.
        std::int64_t value = cell.integer;
        int bytes = 1;
        while (bytes < 8) {
            const std::int64_t low = static_cast<std::int64_t>(static_cast<std::uint64_t>(value) << (64 - 8 * bytes)) >>
                                     (64 - 8 * bytes);
            if (low == value) break;
            ++bytes;
        }
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xff));
        break;
    }
    case Cell::Kind::Real: {
        out.push_back(kReal);
        char bytes[sizeof(double)];
        std::memcpy(bytes, &cell.real, sizeof bytes);
        out.append(bytes, sizeof bytes);
        break;
    }
    case Cell::Kind::Text:
        out.push_back(kText);
        out.append(cell.text);
        break;
    }
}

Cell decode(std::string_view bytes) {
    Cell cell;
    if (bytes.empty()) return cell;
    const std::string_view payload = bytes.substr(1);
    switch (bytes.front()) {
    case kInteger: {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < payload.size(); ++i) {
            value |= std::uint64_t{static_cast<unsigned char>(payload[i])} << (8 * i);
        }
        const int shift = 64 - 8 * static_cast<int>(payload.size());
        cell.kind = Cell::Kind::Integer;
        cell.integer = shift > 0 ? static_cast<std::int64_t>(value << shift) >> shift : static_cast<std::int64_t>(value);
        break;
    }
    case kReal:
        cell.kind = Cell::Kind::Real;
        std::memcpy(&cell.real, payload.data(), sizeof cell.real);
        break;
    default:
        cell.kind = Cell::Kind::Text;
        cell.text = payload;
        break;
    }
    return cell;
}

// One column of one chunk: a byte a row into a small dictionary, or the
// values end to end.
struct ColumnChunk {
    bool generic = false;
    std::vector<std::uint8_t> codes;
    std::vector<std::string> dictionary;
    std::vector<std::uint32_t> ends;
    std::string bytes;

    std::string_view at(int row) const {
        if (!generic) return dictionary[codes[static_cast<std::size_t>(row)]];
        const std::uint32_t begin = row == 0 ? 0 : ends[static_cast<std::size_t>(row) - 1];
        return std::string_view(bytes).substr(begin, ends[static_cast<std::size_t>(row)] - begin);
    }
    std::size_t heapBytes() const {
        std::size_t total = codes.capacity() + ends.capacity() * sizeof(std::uint32_t) + bytes.capacity();
        for (const std::string& value : dictionary) total += sizeof value + (value.size() > 15 ? value.capacity() : 0);
        return total;
    }
};

std::uint32_t hashOf(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

class ColumnBuilder {
public:
    ColumnBuilder() { slots_.fill(-1); }

    void add(std::string_view value) {
        if (!column_.generic) {
            if (const int code = codeOf(value); code >= 0) {
                column_.codes.push_back(static_cast<std::uint8_t>(code));
                return;
            }
            becomeGeneric();
        }
        column_.bytes.append(value);
        column_.ends.push_back(static_cast<std::uint32_t>(column_.bytes.size()));
    }

    ColumnChunk finish() {
        column_.codes.shrink_to_fit();
        column_.ends.shrink_to_fit();
        column_.bytes.shrink_to_fit();
        return std::move(column_);
    }

private:
    // The value's code in the dictionary, added when there is room; -1 when
    // the value does not fit a dictionary.
    int codeOf(std::string_view value) {
        if (value.size() > kMaxDictionaryValue) return -1;
        std::size_t slot = hashOf(value) & (slots_.size() - 1);
        while (slots_[slot] >= 0) {
            if (column_.dictionary[static_cast<std::size_t>(slots_[slot])] == value) return slots_[slot];
            slot = (slot + 1) & (slots_.size() - 1);
        }
        if (column_.dictionary.size() >= kMaxDictionary) return -1;
        slots_[slot] = static_cast<std::int16_t>(column_.dictionary.size());
        column_.dictionary.emplace_back(value);
        return slots_[slot];
    }

    void becomeGeneric() {
        column_.generic = true;
        column_.ends.reserve(kChunkRows);
        for (const std::uint8_t code : column_.codes) {
            column_.bytes.append(column_.dictionary[code]);
            column_.ends.push_back(static_cast<std::uint32_t>(column_.bytes.size()));
        }
        column_.codes = {};
        column_.dictionary = {};
    }

    ColumnChunk column_;
    std::array<std::int16_t, 512> slots_;
};

} // namespace

struct TableRows::Chunk {
    std::vector<std::int64_t> rowids;
    std::vector<ColumnChunk> columns;

    int size() const { return static_cast<int>(rowids.size()); }
};

namespace {

class ChunkBuilder {
public:
    explicit ChunkBuilder(int width) : columns_(static_cast<std::size_t>(width)) {}

    int size() const { return static_cast<int>(rowids_.size()); }
    void beginRow(std::int64_t rowid) { rowids_.push_back(rowid); }
    void addEncoded(int column, std::string_view value) { columns_[static_cast<std::size_t>(column)].add(value); }
    void addRowOf(const TableRows::Chunk& chunk, int row) {
        beginRow(chunk.rowids[static_cast<std::size_t>(row)]);
        for (std::size_t c = 0; c < columns_.size(); ++c) columns_[c].add(chunk.columns[c].at(row));
    }
    void addCells(std::int64_t rowid, const std::vector<OwnedCell>& cells) {
        beginRow(rowid);
        std::string scratch;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            encode(cells[c].view(), scratch);
            columns_[c].add(scratch);
        }
    }
    std::shared_ptr<const TableRows::Chunk> finish() {
        auto chunk = std::make_shared<TableRows::Chunk>();
        rowids_.shrink_to_fit();
        chunk->rowids = std::move(rowids_);
        chunk->columns.reserve(columns_.size());
        for (ColumnBuilder& column : columns_) chunk->columns.push_back(column.finish());
        return chunk;
    }

private:
    std::vector<std::int64_t> rowids_;
    std::vector<ColumnBuilder> columns_;
};

} // namespace

QString Cell::toString() const {
    switch (kind) {
    case Kind::Null: return QString();
    case Kind::Integer: return QString::number(integer);
    case Kind::Real: return formatReal(real);
    case Kind::Text: return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    return QString();
}

bool Cell::operator==(const Cell& other) const {
    if (kind != other.kind) return false;
    switch (kind) {
    case Kind::Null: return true;
    case Kind::Integer: return integer == other.integer;
    case Kind::Real: return real == other.real;
    case Kind::Text: return text == other.text;
    }
    return false;
}

OwnedCell OwnedCell::of(const Cell& cell) { return OwnedCell{cell.kind, cell.integer, cell.real, std::string(cell.text)}; }

OwnedCell OwnedCell::ofText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return OwnedCell{Cell::Kind::Text, 0, 0, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()))};
}

RowChange RowChange::inverse() const {
    RowChange back;
    back.rowid = rowid;
    back.before = after;
    back.after = before;
    back.kind = kind == Kind::Insert ? Kind::Delete : kind == Kind::Delete ? Kind::Insert : Kind::Update;
    return back;
}

std::shared_ptr<const TableRows> TableRows::empty(int width) {
    auto rows = std::make_shared<TableRows>();
    rows->width_ = width;
    return rows;
}

std::shared_ptr<const TableRows> TableRows::read(sql::Statement& statement, int width) {
    auto rows = std::make_shared<TableRows>();
    rows->width_ = width;
    std::string scratch;
    auto builder = std::make_unique<ChunkBuilder>(width);
    auto flush = [&] {
        rows->starts_.push_back(rows->size_);
        rows->size_ += builder->size();
        rows->chunks_.push_back(builder->finish());
        builder = std::make_unique<ChunkBuilder>(width);
    };
    while (statement.step()) {
        builder->beginRow(statement.columnInt64(0));
        for (int c = 0; c < width; ++c) {
            Cell cell;
            switch (statement.columnType(c + 1)) {
            case SQLITE_NULL: break;
            case SQLITE_INTEGER: cell = Cell{Cell::Kind::Integer, statement.columnInt64(c + 1), 0, {}}; break;
            case SQLITE_FLOAT: cell = Cell{Cell::Kind::Real, 0, statement.columnDouble(c + 1), {}}; break;
            default: cell = Cell{Cell::Kind::Text, 0, 0, statement.columnText(c + 1)}; break;
            }
            encode(cell, scratch);
            builder->addEncoded(c, scratch);
        }
        if (builder->size() == kChunkRows) flush();
    }
    if (builder->size() > 0) flush();
    return rows;
}

std::size_t TableRows::chunkOf(int row) const {
    const auto it = std::upper_bound(starts_.begin(), starts_.end(), row);
    return static_cast<std::size_t>(it - starts_.begin()) - 1;
}

std::int64_t TableRows::rowid(int row) const {
    const std::size_t chunk = chunkOf(row);
    return chunks_[chunk]->rowids[static_cast<std::size_t>(row - starts_[chunk])];
}

Cell TableRows::cell(int row, int column) const {
    const std::size_t chunk = chunkOf(row);
    return decode(chunks_[chunk]->columns[static_cast<std::size_t>(column)].at(row - starts_[chunk]));
}

RowCopy TableRows::copy(int row) const {
    RowCopy copy;
    copy.rowid = rowid(row);
    copy.cells.reserve(static_cast<std::size_t>(width_));
    for (int c = 0; c < width_; ++c) copy.cells.push_back(OwnedCell::of(cell(row, c)));
    return copy;
}

int TableRows::lowerBound(std::int64_t rowid) const {
    // The first chunk whose last rowid is not below the one sought.
    const auto chunk = std::lower_bound(chunks_.begin(), chunks_.end(), rowid,
                                        [](const std::shared_ptr<const Chunk>& c, std::int64_t id) {
                                            return c->rowids.back() < id;
                                        });
    if (chunk == chunks_.end()) return size_;
    const std::size_t index = static_cast<std::size_t>(chunk - chunks_.begin());
    const auto& ids = (*chunk)->rowids;
    return starts_[index] + static_cast<int>(std::lower_bound(ids.begin(), ids.end(), rowid) - ids.begin());
}

int TableRows::find(std::int64_t rowid) const {
    const int row = lowerBound(rowid);
    return row < size_ && this->rowid(row) == rowid ? row : -1;
}

std::shared_ptr<const TableRows> TableRows::replaced(std::size_t chunk, std::shared_ptr<const Chunk> by) const {
    auto rows = std::make_shared<TableRows>(*this);
    if (chunk == rows->chunks_.size()) {
        rows->chunks_.push_back(std::move(by));
    } else if (by->rowids.empty()) {
        rows->chunks_.erase(rows->chunks_.begin() + static_cast<std::ptrdiff_t>(chunk));
    } else {
        rows->chunks_[chunk] = std::move(by);
    }
    rows->starts_.clear();
    rows->size_ = 0;
    for (const auto& c : rows->chunks_) {
        rows->starts_.push_back(rows->size_);
        rows->size_ += c->size();
    }
    return rows;
}

std::shared_ptr<const TableRows> TableRows::with(const RowChange& change) const {
    const int at = lowerBound(change.rowid);
    const bool present = at < size_ && rowid(at) == change.rowid;
    if (change.kind == RowChange::Kind::Insert) {
        if (present) return with(RowChange{RowChange::Kind::Update, change.rowid, {}, change.after});
        // A row past the end opens a new chunk once the last one is full.
        if (at == size_ && (chunks_.empty() || chunks_.back()->size() >= kChunkRows)) {
            ChunkBuilder builder(width_);
            builder.addCells(change.rowid, change.after);
            return replaced(chunks_.size(), builder.finish());
        }
    } else if (!present) {
        if (change.kind == RowChange::Kind::Delete) return std::make_shared<TableRows>(*this);
        return with(RowChange{RowChange::Kind::Insert, change.rowid, {}, change.after});
    }
    const std::size_t index = at == size_ ? chunks_.size() - 1 : chunkOf(at);
    const Chunk& chunk = *chunks_[index];
    const int local = at - starts_[index];
    ChunkBuilder builder(width_);
    for (int row = 0; row <= chunk.size(); ++row) {
        if (row == local) {
            if (change.kind != RowChange::Kind::Delete) builder.addCells(change.rowid, change.after);
            if (change.kind == RowChange::Kind::Insert && row < chunk.size()) builder.addRowOf(chunk, row);
        } else if (row < chunk.size()) {
            builder.addRowOf(chunk, row);
        }
    }
    return replaced(index, builder.finish());
}

std::size_t TableRows::bytes() const {
    std::size_t total = chunks_.capacity() * sizeof(void*) + starts_.capacity() * sizeof(int);
    for (const auto& chunk : chunks_) {
        total += sizeof(Chunk) + chunk->rowids.capacity() * sizeof(std::int64_t);
        for (const ColumnChunk& column : chunk->columns) total += sizeof column + column.heapBytes();
    }
    return total;
}

} // namespace pentarix

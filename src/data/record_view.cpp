#include "data/record_view.h"

#include "data/data_error.h"
#include "data/data_store.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <cmath>
#include <numeric>

namespace pentarix {

namespace {

QString fromUtf8(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

char foldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// Letter case of ASCII letters is ignored, exactly as the store's NOCASE
// collation on Code ignores it, so a filter finds what uniqueness forbids.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i])) return false;
    }
    return true;
}

QString formatReal(double value) {
    if (std::isfinite(value) && std::floor(value) == value && std::fabs(value) < 1e15) {
        return QString::number(static_cast<qint64>(value));
    }
    return QString::number(value, 'g', 15);
}

RecordView::ColumnKind kindOfDeclaredType(const QString& declared) {
    const QString type = declared.toUpper();
    for (const char* numeric : {"INT", "REAL", "FLOA", "DOUB", "NUM", "DEC", "BOOL"}) {
        if (type.contains(QLatin1String(numeric))) return RecordView::ColumnKind::Numeric;
    }
    return RecordView::ColumnKind::Text;
}

DataError storageError(const sql::Error& e) {
    if (e.code() == SQLITE_CONSTRAINT_UNIQUE || e.code() == SQLITE_CONSTRAINT_PRIMARYKEY) {
        return DataError(DataError::Kind::DuplicateCode,
                         QStringLiteral("رکوردی با همین کد از پیش در بانک اطلاعاتی هست."));
    }
    QString description;
    switch (e.primaryCode()) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH: description = QStringLiteral("اجازه نوشتن در فایل بانک اطلاعاتی نیست."); break;
    case SQLITE_FULL: description = QStringLiteral("دیسک پر است."); break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: description = QStringLiteral("فایل بانک اطلاعاتی در دست برنامه دیگری است."); break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: description = QStringLiteral("فایل بانک اطلاعاتی آسیب دیده است."); break;
    default: description = QStringLiteral("خطا در بانک اطلاعاتی."); break;
    }
    return DataError(DataError::Kind::Storage,
                     description + QStringLiteral("\n\u2066") + QString::fromStdString(e.what()) +
                         QStringLiteral("\u2069"));
}

// The open views of the process, so that a view can take its first copy of a
// table from another view whose copy is known to equal the file.
std::vector<RecordView*>& openViews() {
    static std::vector<RecordView*> views;
    return views;
}

struct ParsedFilter {
    QString field;
    QString value;
};

ParsedFilter parseFilter(const QString& text) {
    const qsizetype equals = text.indexOf(QStringLiteral("='"));
    if (equals <= 0 || text.size() < equals + 3 || !text.endsWith(QLatin1Char('\''))) {
        throw DataError(DataError::Kind::BadFilter,
                        QStringLiteral("شرط جستجو نادرست است: \u2068%1\u2069").arg(text));
    }
    return {text.left(equals).trimmed(), text.mid(equals + 2, text.size() - equals - 3)};
}

} // namespace

RecordView::RecordView(const QString& databasePath, const QString& table)
    : table_(table), quotedTable_(sql::quoteIdentifier(table.toStdString())),
      connection_(DataStore::connect(databasePath)), databasePath_(databasePath) {
    try {
        readColumns();
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
    if (columns_.empty()) {
        throw DataError(DataError::Kind::Unusable,
                        QStringLiteral("جدول \u2066%1\u2069 در بانک اطلاعاتی نیست.").arg(table));
    }
    readRows();
    showAll();
    openViews().push_back(this);
}

RecordView::~RecordView() {
    auto& views = openViews();
    views.erase(std::remove(views.begin(), views.end(), this), views.end());
    const auto listeners = listeners_;
    listeners_.clear();
    for (ViewListener* listener : listeners) listener->viewClosing(*this);
}

void RecordView::close() {
    auto& views = openViews();
    views.erase(std::remove(views.begin(), views.end(), this), views.end());
    connection_.close();
    rows_.clear();
    cells_.clear();
    arena_.clear();
    originals_.clear();
    liveBytes_ = 0;
    visible_.clear();
    current_ = -1;
    // The window is going away: its controls are not told.
}

void RecordView::readColumns() {
    sql::Statement info(connection_, "PRAGMA table_info(" + quotedTable_ + ")");
    while (info.step()) {
        Column column;
        column.name = fromUtf8(info.columnText(1));
        column.quoted = sql::quoteIdentifier(info.columnText(1));
        column.kind = kindOfDeclaredType(fromUtf8(info.columnText(2)));
        columns_.push_back(std::move(column));
    }
    if (columns_.size() > 64) {
        throw DataError(DataError::Kind::Unusable, QStringLiteral("جدول بیش از ۶۴ فیلد دارد."));
    }
}

int RecordView::columnIndex(const QString& field) const {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (columns_[i].name.compare(field, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    }
    return -1;
}

int RecordView::requireColumn(const QString& field) const {
    const int column = columnIndex(field);
    if (column < 0) {
        throw DataError(DataError::Kind::UnknownField,
                        QStringLiteral("فیلد \u2068%1\u2069 در جدول \u2066%2\u2069 نیست.").arg(field, table_));
    }
    return column;
}

std::string_view RecordView::cellBytes(const Cell& cell) const {
    return std::string_view(arena_).substr(cell.offset, cell.length());
}

std::int64_t RecordView::cellInteger(const Cell& cell) const {
    std::int64_t value = 0;
    std::memcpy(&value, arena_.data() + cell.offset, sizeof value);
    return value;
}

double RecordView::cellReal(const Cell& cell) const {
    double value = 0;
    std::memcpy(&value, arena_.data() + cell.offset, sizeof value);
    return value;
}

QString RecordView::cellText(const Cell& cell) const {
    switch (cell.kind()) {
    case Cell::Null: return QString();
    case Cell::Integer: return QString::number(cellInteger(cell));
    case Cell::Real: return formatReal(cellReal(cell));
    case Cell::Text: return fromUtf8(cellBytes(cell));
    }
    return QString();
}

RecordView::Cell RecordView::textCell(std::string_view utf8) {
    Cell cell;
    cell.offset = static_cast<std::uint32_t>(arena_.size());
    cell.meta = static_cast<std::uint32_t>(utf8.size() << 2) | Cell::Text;
    arena_.append(utf8);
    liveBytes_ += utf8.size();
    return cell;
}

RecordView::Cell RecordView::integerCell(std::int64_t value) {
    Cell cell;
    cell.offset = static_cast<std::uint32_t>(arena_.size());
    cell.meta = (sizeof value << 2) | Cell::Integer;
    arena_.append(reinterpret_cast<const char*>(&value), sizeof value);
    liveBytes_ += sizeof value;
    return cell;
}

RecordView::Cell RecordView::realCell(double value) {
    Cell cell;
    cell.offset = static_cast<std::uint32_t>(arena_.size());
    cell.meta = (sizeof value << 2) | Cell::Real;
    arena_.append(reinterpret_cast<const char*>(&value), sizeof value);
    liveBytes_ += sizeof value;
    return cell;
}

bool RecordView::copyFromCurrentSibling(const TableVersions::Stamp& stamp) {
    for (const RecordView* other : openViews()) {
        if (other == this || other->table_ != table_ || other->databasePath_ != databasePath_) continue;
        if (other->stamp_ != stamp || other->hasPendingChange() || other->columns_.size() != columns_.size()) continue;
        rows_ = other->rows_;
        cells_ = other->cells_;
        arena_ = other->arena_;
        liveBytes_ = other->liveBytes_;
        originals_.clear();
        stamp_ = stamp;
        return true;
    }
    return false;
}

void RecordView::readRows() {
    if (!connection_.isOpen()) throw DataError(DataError::Kind::Storage, QStringLiteral("نما بسته است."));
    // Another view of the table whose copy equals the file saves reading it.
    const TableVersions::Stamp now = TableVersions::current(databasePath_, table_);
    if (copyFromCurrentSibling(now)) return;
    std::string select = "SELECT rowid";
    for (const Column& column : columns_) select += "," + column.quoted;
    select += " FROM " + quotedTable_;

    const std::size_t width = columns_.size();
    const TableVersions::Stamp stamp = now;
    std::vector<Row> rows;
    std::vector<Cell> cells;
    std::string arena;
    // Room for the rows a window adds before its next refresh.
    rows.reserve(rows_.size() + 16);
    cells.reserve(cells_.size() + 16 * width);
    arena.reserve(liveBytes_ + 4096);
    std::swap(arena, arena_);
    liveBytes_ = 0;
    try {
        sql::Statement statement(connection_, select);
        while (statement.step()) {
            rows.push_back(Row{statement.columnInt64(0), true, 0});
            for (std::size_t c = 0; c < width; ++c) {
                const int index = static_cast<int>(c) + 1;
                switch (statement.columnType(index)) {
                case SQLITE_NULL: cells.emplace_back(); break;
                case SQLITE_INTEGER: cells.push_back(integerCell(statement.columnInt64(index))); break;
                case SQLITE_FLOAT: cells.push_back(realCell(statement.columnDouble(index))); break;
                default: cells.push_back(textCell(statement.columnText(index))); break;
                }
            }
        }
    } catch (const sql::Error& e) {
        std::swap(arena, arena_);
        throw storageError(e);
    }
    rows_ = std::move(rows);
    cells_ = std::move(cells);
    originals_.clear();
    stamp_ = stamp;
}

bool RecordView::isCurrentCopy() { return TableVersions::current(databasePath_, table_) == stamp_; }

void RecordView::countCommit(bool wasCurrent) {
    const TableVersions::Stamp stamp = TableVersions::committed(databasePath_, table_);
    if (wasCurrent) stamp_ = stamp;
}

// Puts the copy back to what the file holds, when nothing but this view has
// written the table since the copy was read: rows added and not stored go,
// edited fields get their stored values back.
void RecordView::discardPendingChanges() {
    for (auto it = originals_.rbegin(); it != originals_.rend(); ++it) {
        // The original's bytes never stopped being in use.
        liveBytes_ -= cells_[it->cell].length();
        cells_[it->cell] = it->value;
    }
    originals_.clear();
    const std::size_t width = columns_.size();
    std::size_t kept = 0;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (!rows_[r].stored) continue;
        rows_[r].dirty = 0;
        if (kept != r) {
            rows_[kept] = rows_[r];
            std::copy_n(cells_.begin() + static_cast<std::ptrdiff_t>(r * width), width,
                        cells_.begin() + static_cast<std::ptrdiff_t>(kept * width));
        }
        ++kept;
    }
    rows_.resize(kept);
    cells_.resize(kept * width);
}

void RecordView::Refresh() {
    if (!connection_.isOpen()) throw DataError(DataError::Kind::Storage, QStringLiteral("نما بسته است."));
    if (isCurrentCopy()) {
        discardPendingChanges();
    } else {
        readRows();
    }
    filter_.clear();
    showAll();
    notifyMoved();
}

void RecordView::showAll() {
    visible_.resize(rows_.size());
    std::iota(visible_.begin(), visible_.end(), 0);
    current_ = visible_.empty() ? -1 : 0;
}

void RecordView::Filter(const QString& filterText) {
    if (filterText.trimmed().isEmpty()) {
        filter_.clear();
        showAll();
        notifyMoved();
        return;
    }
    const ParsedFilter parsed = parseFilter(filterText);
    const int column = requireColumn(parsed.field);
    const std::size_t width = columns_.size();

    bool numericValue = false;
    const double number = parsed.value.trimmed().toDouble(&numericValue);
    const bool numeric = columns_[static_cast<std::size_t>(column)].kind == ColumnKind::Numeric && numericValue;
    const QByteArray wanted = parsed.value.toUtf8();
    const std::string_view wantedBytes(wanted.constData(), static_cast<std::size_t>(wanted.size()));

    std::vector<int> visible;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const Cell& cell = cells_[r * width + static_cast<std::size_t>(column)];
        bool match = false;
        if (!rows_[r].stored) {
            match = true; // a row being added stays in view until it is stored or dropped
        } else if (numeric) {
            switch (cell.kind()) {
            case Cell::Integer: match = static_cast<double>(cellInteger(cell)) == number; break;
            case Cell::Real: match = cellReal(cell) == number; break;
            case Cell::Text: {
                bool ok = false;
                const double stored = fromUtf8(cellBytes(cell)).trimmed().toDouble(&ok);
                match = ok && stored == number;
                break;
            }
            case Cell::Null: break;
            }
        } else {
            switch (cell.kind()) {
            case Cell::Text: match = equalsIgnoringAsciiCase(cellBytes(cell), wantedBytes); break;
            case Cell::Null: match = wantedBytes.empty(); break;
            default: match = cellText(cell) == parsed.value; break;
            }
        }
        if (match) visible.push_back(static_cast<int>(r));
    }
    visible_ = std::move(visible);
    filter_ = filterText;
    current_ = visible_.empty() ? -1 : 0;
    notifyMoved();
}

void RecordView::AddNew() {
    rows_.push_back(Row{0, false, 0});
    cells_.resize(cells_.size() + columns_.size());
    visible_.push_back(static_cast<int>(rows_.size()) - 1);
    current_ = static_cast<int>(visible_.size()) - 1;
    notifyMoved();
}

QString RecordView::Fields(const QString& field) const {
    const int column = requireColumn(field);
    if (current_ < 0) {
        throw DataError(DataError::Kind::NoCurrentRow, QStringLiteral("رکورد جاری وجود ندارد."));
    }
    return currentText(column);
}

QString RecordView::currentText(int column) const {
    if (current_ < 0 || column < 0 || column >= columnCount()) return QString();
    return cellText(rowCells(visible_[static_cast<std::size_t>(current_)])[column]);
}

QString RecordView::text(int visibleRow, int column) const {
    return cellText(rowCells(visible_[static_cast<std::size_t>(visibleRow)])[column]);
}

void RecordView::setField(const QString& field, const QString& value) {
    const int column = requireColumn(field);
    if (current_ < 0) {
        throw DataError(DataError::Kind::NoCurrentRow, QStringLiteral("رکورد جاری وجود ندارد."));
    }
    const int row = visible_[static_cast<std::size_t>(current_)];
    Row& state = rows_[static_cast<std::size_t>(row)];
    const std::size_t index = static_cast<std::size_t>(row) * columns_.size() + static_cast<std::size_t>(column);
    Cell& cell = cells_[index];
    const std::uint64_t bit = std::uint64_t{1} << column;
    if (state.stored && !(state.dirty & bit)) {
        // The stored value stays in the arena until the edit is stored or dropped.
        originals_.push_back({index, cell});
    } else if (cell.kind() != Cell::Null) {
        liveBytes_ -= cell.length();
    }
    const QByteArray bytes = value.toUtf8();
    cells_[index] = textCell(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    state.dirty |= bit;
    compactArenaIfWasteful();
    notifyField(column);
}

void RecordView::compactArenaIfWasteful() {
    if (arena_.size() < 2 * liveBytes_ + 65536) return;
    std::string arena;
    arena.reserve(liveBytes_ + 4096);
    auto move = [&](Cell& cell) {
        if (cell.kind() == Cell::Null) return;
        const auto offset = static_cast<std::uint32_t>(arena.size());
        arena.append(arena_, cell.offset, cell.length());
        cell.offset = offset;
    };
    for (Cell& cell : cells_) move(cell);
    for (Original& original : originals_) move(original.value);
    arena_ = std::move(arena);
}

bool RecordView::hasPendingChange() const noexcept {
    return std::any_of(rows_.begin(), rows_.end(), [](const Row& row) { return !row.stored || row.dirty; });
}

void RecordView::commitRow(int row) {
    Row& state = rows_[static_cast<std::size_t>(row)];
    const int width = columnCount();

    // Texts written into numeric fields become numbers; the store refuses
    // what does not read as one.
    struct Value {
        Cell::Kind kind = Cell::Null;
        std::int64_t integer = 0;
        double real = 0;
        std::string_view text;
    };
    std::vector<int> bound;
    std::vector<Value> values;
    for (int c = 0; c < width; ++c) {
        if (!(state.dirty >> c & 1)) continue;
        const Cell& cell = rowCells(row)[c];
        Value value;
        value.kind = cell.kind();
        if (value.kind == Cell::Integer) value.integer = cellInteger(cell);
        if (value.kind == Cell::Real) value.real = cellReal(cell);
        if (value.kind == Cell::Text) value.text = cellBytes(cell);
        if (value.kind == Cell::Text && columns_[static_cast<std::size_t>(c)].kind == ColumnKind::Numeric) {
            const QString trimmed = fromUtf8(value.text).trimmed();
            bool ok = false;
            if (trimmed.isEmpty()) {
                value.kind = Cell::Null;
            } else if (const qlonglong integer = trimmed.toLongLong(&ok); ok) {
                value.kind = Cell::Integer;
                value.integer = integer;
            } else if (const double real = trimmed.toDouble(&ok); ok) {
                value.kind = Cell::Real;
                value.real = real;
            } else {
                throw DataError(DataError::Kind::NotNumber,
                                QStringLiteral("مقدار فیلد \u2066%1\u2069 باید عدد باشد: \u2068%2\u2069")
                                    .arg(columns_[static_cast<std::size_t>(c)].name, trimmed));
            }
        }
        bound.push_back(c);
        values.push_back(value);
    }

    std::string sqlText;
    if (!state.stored) {
        if (bound.empty()) {
            sqlText = "INSERT INTO " + quotedTable_ + " DEFAULT VALUES";
        } else {
            std::string names, marks;
            for (int c : bound) {
                names += (names.empty() ? "" : ",") + columns_[static_cast<std::size_t>(c)].quoted;
                marks += marks.empty() ? "?" : ",?";
            }
            sqlText = "INSERT INTO " + quotedTable_ + " (" + names + ") VALUES (" + marks + ")";
        }
    } else {
        std::string sets;
        for (int c : bound) sets += (sets.empty() ? "" : ",") + columns_[static_cast<std::size_t>(c)].quoted + "=?";
        sqlText = "UPDATE " + quotedTable_ + " SET " + sets + " WHERE rowid=?";
    }

    const bool wasCurrent = isCurrentCopy();
    try {
        sql::Statement statement(connection_, sqlText);
        int index = 1;
        for (const Value& value : values) {
            switch (value.kind) {
            case Cell::Null: statement.bindNull(index); break;
            case Cell::Integer: statement.bindInt64(index, value.integer); break;
            case Cell::Real: statement.bindDouble(index, value.real); break;
            case Cell::Text: statement.bindText(index, value.text); break;
            }
            ++index;
        }
        if (state.stored) statement.bindInt64(index, state.rowid);
        statement.step();
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
    if (state.stored && connection_.changes() == 0) {
        throw DataError(DataError::Kind::RowMissing, QStringLiteral("این رکورد دیگر در بانک اطلاعاتی نیست."));
    }
    countCommit(wasCurrent);
    if (!state.stored) state.rowid = connection_.lastInsertRowid();
    state.stored = true;

    // The copy now holds what the file holds: numbers as numbers.
    std::vector<int> reshown;
    for (std::size_t i = 0; i < bound.size(); ++i) {
        const int c = bound[i];
        const Value& value = values[i];
        if (value.kind == Cell::Text || rowCells(row)[c].kind() == value.kind) continue;
        const QString before = cellText(rowCells(row)[c]);
        liveBytes_ -= rowCells(row)[c].length();
        Cell stored;
        if (value.kind == Cell::Integer) stored = integerCell(value.integer);
        if (value.kind == Cell::Real) stored = realCell(value.real);
        rowCells(row)[c] = stored;
        if (cellText(stored) != before) reshown.push_back(c);
    }
    state.dirty = 0;
    const std::size_t first = static_cast<std::size_t>(row) * columns_.size();
    const auto ofThisRow = [&](const Original& o) { return o.cell >= first && o.cell < first + columns_.size(); };
    for (const Original& original : originals_) {
        if (ofThisRow(original)) liveBytes_ -= original.value.length();
    }
    originals_.erase(std::remove_if(originals_.begin(), originals_.end(), ofThisRow), originals_.end());
    const bool isCurrent = current_ >= 0 && visible_[static_cast<std::size_t>(current_)] == row;
    if (isCurrent) {
        for (int c : reshown) notifyField(c);
    }
}

void RecordView::Update() {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (!rows_[row].stored || rows_[row].dirty) commitRow(static_cast<int>(row));
    }
}

void RecordView::Save() { Update(); }

bool RecordView::storeContains(const QString& field, const QString& value) {
    const int column = requireColumn(field);
    try {
        sql::Statement statement(connection_, "SELECT 1 FROM " + quotedTable_ + " WHERE " +
                                                  columns_[static_cast<std::size_t>(column)].quoted + " = ? LIMIT 1");
        const QByteArray bytes = value.toUtf8();
        statement.bindText(1, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return statement.step();
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
}

void RecordView::Delete() {
    if (current_ < 0) {
        throw DataError(DataError::Kind::NoCurrentRow, QStringLiteral("رکورد جاری وجود ندارد."));
    }
    const int row = visible_[static_cast<std::size_t>(current_)];
    if (rows_[static_cast<std::size_t>(row)].stored) {
        const bool wasCurrent = isCurrentCopy();
        try {
            sql::Statement statement(connection_, "DELETE FROM " + quotedTable_ + " WHERE rowid=?");
            statement.bindInt64(1, rows_[static_cast<std::size_t>(row)].rowid);
            statement.step();
        } catch (const sql::Error& e) {
            throw storageError(e);
        }
        countCommit(wasCurrent);
    }
    const std::size_t width = columns_.size();
    const std::size_t first = static_cast<std::size_t>(row) * width;
    for (std::size_t c = 0; c < width; ++c) liveBytes_ -= cells_[first + c].length();
    // Edits of the removed row are gone with it; later cells move up a row.
    std::vector<Original> originals;
    for (const Original& original : originals_) {
        if (original.cell < first) originals.push_back(original);
        else if (original.cell >= first + width) originals.push_back({original.cell - width, original.value});
        else liveBytes_ -= original.value.length();
    }
    originals_ = std::move(originals);
    cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(first),
                 cells_.begin() + static_cast<std::ptrdiff_t>(first + width));
    rows_.erase(rows_.begin() + row);
    visible_.erase(visible_.begin() + current_);
    for (int& index : visible_) {
        if (index > row) --index;
    }
    if (current_ >= RecordCount()) current_ = RecordCount() - 1;
    notifyMoved();
}

void RecordView::addListener(ViewListener* listener) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) {
        listeners_.push_back(listener);
    }
}

void RecordView::removeListener(ViewListener* listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

// Listeners may run window handlers that add or remove listeners; each one
// still registered when its turn comes is told.
void RecordView::notifyMoved() {
    const auto listeners = listeners_;
    for (ViewListener* listener : listeners) {
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) {
            listener->viewMoved(*this);
        }
    }
}

void RecordView::notifyField(int column) {
    const auto listeners = listeners_;
    for (ViewListener* listener : listeners) {
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) {
            listener->fieldChanged(*this, column);
        }
    }
}

} // namespace pentarix

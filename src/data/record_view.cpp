#include "data/record_view.h"

#include "data/data_error.h"
#include "data/data_store.h"

#include <QFile>

#include <algorithm>
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
      connection_(DataStore::connect(databasePath)) {
    try {
        readColumns();
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
    if (columns_.empty()) {
        throw DataError(DataError::Kind::Unusable,
                        QStringLiteral("جدول \u2066%1\u2069 در بانک اطلاعاتی نیست.").arg(table));
    }
    Refresh();
}

RecordView::~RecordView() {
    const auto listeners = listeners_;
    listeners_.clear();
    for (ViewListener* listener : listeners) listener->viewClosing(*this);
}

void RecordView::close() {
    connection_.close();
    rows_.clear();
    cells_.clear();
    arena_.clear();
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
    return std::string_view(arena_).substr(cell.offset, cell.length);
}

QString RecordView::cellText(const Cell& cell) const {
    switch (cell.kind) {
    case Cell::Kind::Null: return QString();
    case Cell::Kind::Integer: return QString::number(cell.integer);
    case Cell::Kind::Real: return formatReal(cell.real);
    case Cell::Kind::Text: return fromUtf8(cellBytes(cell));
    }
    return QString();
}

RecordView::Cell RecordView::textCell(std::string_view utf8) {
    Cell cell;
    cell.kind = Cell::Kind::Text;
    cell.offset = arena_.size();
    cell.length = static_cast<std::uint32_t>(utf8.size());
    arena_.append(utf8);
    liveBytes_ += utf8.size();
    return cell;
}

void RecordView::Refresh() {
    if (!connection_.isOpen()) throw DataError(DataError::Kind::Storage, QStringLiteral("نما بسته است."));
    std::string select = "SELECT rowid";
    for (const Column& column : columns_) select += "," + column.quoted;
    select += " FROM " + quotedTable_;

    const std::size_t width = columns_.size();
    std::vector<Row> rows;
    std::vector<Cell> cells;
    std::string arena;
    rows.reserve(rows_.size());
    cells.reserve(cells_.size());
    arena.reserve(liveBytes_);
    std::swap(arena, arena_);
    liveBytes_ = 0;
    try {
        sql::Statement statement(connection_, select);
        while (statement.step()) {
            rows.push_back(Row{statement.columnInt64(0), true, 0});
            for (std::size_t c = 0; c < width; ++c) {
                const int index = static_cast<int>(c) + 1;
                Cell cell;
                switch (statement.columnType(index)) {
                case SQLITE_INTEGER:
                    cell.kind = Cell::Kind::Integer;
                    cell.integer = statement.columnInt64(index);
                    break;
                case SQLITE_FLOAT:
                    cell.kind = Cell::Kind::Real;
                    cell.real = statement.columnDouble(index);
                    break;
                case SQLITE_NULL: break;
                default: cell = textCell(statement.columnText(index)); break;
                }
                cells.push_back(cell);
            }
        }
    } catch (const sql::Error& e) {
        std::swap(arena, arena_);
        throw storageError(e);
    }
    rows_ = std::move(rows);
    cells_ = std::move(cells);
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
            switch (cell.kind) {
            case Cell::Kind::Integer: match = static_cast<double>(cell.integer) == number; break;
            case Cell::Kind::Real: match = cell.real == number; break;
            case Cell::Kind::Text: {
                bool ok = false;
                const double stored = fromUtf8(cellBytes(cell)).trimmed().toDouble(&ok);
                match = ok && stored == number;
                break;
            }
            case Cell::Kind::Null: break;
            }
        } else {
            switch (cell.kind) {
            case Cell::Kind::Text: match = equalsIgnoringAsciiCase(cellBytes(cell), wantedBytes); break;
            case Cell::Kind::Null: match = wantedBytes.empty(); break;
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
    Cell& cell = rowCells(row)[column];
    if (cell.kind == Cell::Kind::Text) liveBytes_ -= cell.length;
    const QByteArray bytes = value.toUtf8();
    cell = textCell(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    rows_[static_cast<std::size_t>(row)].dirty |= std::uint64_t{1} << column;
    compactArenaIfWasteful();
    notifyField(column);
}

void RecordView::compactArenaIfWasteful() {
    if (arena_.size() < 2 * liveBytes_ + 65536) return;
    std::string arena;
    arena.reserve(liveBytes_);
    for (Cell& cell : cells_) {
        if (cell.kind != Cell::Kind::Text) continue;
        const std::uint64_t offset = arena.size();
        arena.append(cellBytes(cell));
        cell.offset = offset;
    }
    arena_ = std::move(arena);
}

bool RecordView::hasPendingChange() const noexcept {
    return std::any_of(rows_.begin(), rows_.end(), [](const Row& row) { return !row.stored || row.dirty; });
}

void RecordView::commitRow(int row) {
    Row& state = rows_[static_cast<std::size_t>(row)];
    Cell* cells = rowCells(row);
    const int width = columnCount();

    // Texts written into numeric fields become numbers; the store refuses
    // what does not read as one.
    std::vector<Cell> converted(cells, cells + width);
    std::vector<QString> texts(static_cast<std::size_t>(width));
    for (int c = 0; c < width; ++c) {
        if (!(state.dirty >> c & 1)) continue;
        Cell& cell = converted[static_cast<std::size_t>(c)];
        if (cell.kind != Cell::Kind::Text) continue;
        texts[static_cast<std::size_t>(c)] = fromUtf8(cellBytes(cell));
        if (columns_[static_cast<std::size_t>(c)].kind != ColumnKind::Numeric) continue;
        const QString trimmed = texts[static_cast<std::size_t>(c)].trimmed();
        bool ok = false;
        if (trimmed.isEmpty()) {
            cell = Cell{};
        } else if (const qlonglong integer = trimmed.toLongLong(&ok); ok) {
            cell = Cell{};
            cell.kind = Cell::Kind::Integer;
            cell.integer = integer;
        } else if (const double real = trimmed.toDouble(&ok); ok) {
            cell = Cell{};
            cell.kind = Cell::Kind::Real;
            cell.real = real;
        } else {
            throw DataError(DataError::Kind::NotNumber,
                            QStringLiteral("مقدار فیلد \u2066%1\u2069 باید عدد باشد: \u2068%2\u2069")
                                .arg(columns_[static_cast<std::size_t>(c)].name, trimmed));
        }
    }

    std::string sqlText;
    std::vector<int> bound;
    for (int c = 0; c < width; ++c) {
        if (state.dirty >> c & 1) bound.push_back(c);
    }
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

    try {
        sql::Statement statement(connection_, sqlText);
        int index = 1;
        for (int c : bound) {
            const Cell& cell = converted[static_cast<std::size_t>(c)];
            switch (cell.kind) {
            case Cell::Kind::Null: statement.bindNull(index); break;
            case Cell::Kind::Integer: statement.bindInt64(index, cell.integer); break;
            case Cell::Kind::Real: statement.bindDouble(index, cell.real); break;
            case Cell::Kind::Text: statement.bindText(index, cellBytes(cell)); break;
            }
            ++index;
        }
        if (state.stored) statement.bindInt64(index, state.rowid);
        statement.step();
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
    if (state.stored && connection_.changes() == 0) {
        throw DataError(DataError::Kind::RowMissing,
                        QStringLiteral("این رکورد دیگر در بانک اطلاعاتی نیست."));
    }
    if (!state.stored) state.rowid = connection_.lastInsertRowid();
    state.stored = true;

    std::vector<int> reshown;
    for (int c : bound) {
        Cell& cell = cells[c];
        const Cell& stored = converted[static_cast<std::size_t>(c)];
        if (stored.kind != Cell::Kind::Text) {
            if (cell.kind == Cell::Kind::Text) liveBytes_ -= cell.length;
            cell = stored;
            if (cellText(cell) != texts[static_cast<std::size_t>(c)]) reshown.push_back(c);
        }
    }
    state.dirty = 0;
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
        try {
            sql::Statement statement(connection_, "DELETE FROM " + quotedTable_ + " WHERE rowid=?");
            statement.bindInt64(1, rows_[static_cast<std::size_t>(row)].rowid);
            statement.step();
        } catch (const sql::Error& e) {
            throw storageError(e);
        }
    }
    const std::size_t width = columns_.size();
    for (std::size_t c = 0; c < width; ++c) {
        const Cell& cell = cells_[static_cast<std::size_t>(row) * width + c];
        if (cell.kind == Cell::Kind::Text) liveBytes_ -= cell.length;
    }
    cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * width),
                 cells_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row + 1) * width));
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

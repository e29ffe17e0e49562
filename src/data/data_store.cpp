#include "data/data_store.h"

#include "data/data_error.h"
#include "data/record_view.h"
#include "data/schema.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <set>

namespace pentarix {

namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

std::set<QString> columnsOf(const sql::Connection& connection, const QString& table) {
    sql::Statement info(connection,
                        "PRAGMA table_info(" + sql::quoteIdentifier(table.toStdString()) + ")");
    std::set<QString> columns;
    while (info.step()) {
        const auto name = info.columnText(1);
        columns.insert(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toLower());
    }
    return columns;
}

} // namespace

QString DataStore::relativePath() { return QStringLiteral("Pentarix/Pentarix.mdb"); }

QString DataStore::defaultPath() { return QDir::current().filePath(relativePath()); }

sql::Connection DataStore::connect(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists() || !file.isFile()) {
        throw DataError(DataError::Kind::Missing,
                        QStringLiteral("فایل بانک اطلاعاتی پیدا نشد:\n%1").arg(shown(path)));
    }
    try {
        return sql::Connection::open(QFile::encodeName(path).toStdString());
    } catch (const sql::Error& e) {
        throw DataError(DataError::Kind::Unusable,
                        QStringLiteral("فایل بانک اطلاعاتی باز نشد:\n%1\n%2").arg(shown(path), storageError(e).description()));
    }
}

void DataStore::verify(const QString& path) {
    const sql::Connection connection = connect(path);
    QStringList missing;
    try {
        for (const QString& table : schema::tables()) {
            const auto columns = columnsOf(connection, table);
            if (columns.empty()) {
                missing << table;
                continue;
            }
            for (const QString& field : schema::requiredFields(table)) {
                if (!columns.count(field.toLower())) missing << table + QLatin1Char('.') + field;
            }
        }
    } catch (const sql::Error& e) {
        throw DataError(DataError::Kind::Unusable, QStringLiteral("فایل بانک اطلاعاتی قابل استفاده نیست:\n%1\n%2")
                                                       .arg(shown(path), storageError(e).description()));
    }
    if (!missing.isEmpty()) {
        // Latin names inside Persian text keep their order between LRI and PDI.
        throw DataError(DataError::Kind::Unusable,
                        QStringLiteral("فایل بانک اطلاعاتی این برنامه نیست:\n%1\nجدول یا فیلد پیدا نشد: \u2066%2\u2069")
                            .arg(shown(path), missing.join(QStringLiteral(", "))));
    }
}

namespace {

QString fromUtf8(std::string_view bytes) { return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())); }

DataStore::ColumnKind kindOfDeclaredType(const QString& declared) {
    const QString type = declared.toUpper();
    for (const char* numeric : {"INT", "REAL", "FLOA", "DOUB", "NUM", "DEC", "BOOL"}) {
        if (type.contains(QLatin1String(numeric))) return DataStore::ColumnKind::Numeric;
    }
    return DataStore::ColumnKind::Text;
}

std::map<QString, std::weak_ptr<DataStore>>& stores() {
    static std::map<QString, std::weak_ptr<DataStore>> all;
    return all;
}

void bind(sql::Statement& statement, int index, const OwnedCell& cell) {
    switch (cell.kind) {
    case Cell::Kind::Null: statement.bindNull(index); break;
    case Cell::Kind::Integer: statement.bindInt64(index, cell.integer); break;
    case Cell::Kind::Real: statement.bindDouble(index, cell.real); break;
    case Cell::Kind::Text: statement.bindText(index, cell.text); break;
    }
}

// The statement that stores a change of the bound columns; empty for an
// update that binds none, which leaves the file as it is.
std::string writeStatement(const DataStore::Table& table, RowChange::Kind kind, const std::vector<int>& bound) {
    const auto quoted = [&](int c) -> const std::string& { return table.columns[static_cast<std::size_t>(c)].quoted; };
    switch (kind) {
    case RowChange::Kind::Insert: {
        if (bound.empty()) return "INSERT INTO " + table.quoted + " DEFAULT VALUES";
        std::string names, marks;
        for (int c : bound) {
            names += (names.empty() ? "" : ",") + quoted(c);
            marks += marks.empty() ? "?" : ",?";
        }
        return "INSERT INTO " + table.quoted + " (" + names + ") VALUES (" + marks + ")";
    }
    case RowChange::Kind::Update: {
        std::string sets;
        for (int c : bound) sets += (sets.empty() ? "" : ",") + quoted(c) + "=?";
        if (sets.empty()) return std::string();
        return "UPDATE " + table.quoted + " SET " + sets + " WHERE rowid=?";
    }
    case RowChange::Kind::Delete: return "DELETE FROM " + table.quoted + " WHERE rowid=?";
    }
    return std::string();
}

// The count and first row after the change, without reading the table; false
// when the first row itself went and the next one is not known.
bool headFollows(DataStore::Head& head, const RowChange& change) {
    switch (change.kind) {
    case RowChange::Kind::Insert:
        ++head.count;
        if (!head.first || change.rowid < head.first->rowid) head.first = RowCopy{change.rowid, change.after};
        return true;
    case RowChange::Kind::Update:
        if (head.first && head.first->rowid == change.rowid) head.first->cells = change.after;
        return true;
    case RowChange::Kind::Delete:
        if (head.first && head.first->rowid == change.rowid) return false;
        --head.count;
        return true;
    }
    return true;
}

} // namespace

DataError DataStore::storageError(const sql::Error& e) {
    if (e.code() == SQLITE_CONSTRAINT_UNIQUE || e.code() == SQLITE_CONSTRAINT_PRIMARYKEY) {
        return DataError(DataError::Kind::DuplicateCode, QStringLiteral("رکوردی با همین کد از پیش در بانک اطلاعاتی هست."));
    }
    QString description;
    switch (e.primaryCode()) {
    case SQLITE_READONLY: description = QStringLiteral("فایل بانک اطلاعاتی فقط‌خواندنی است و چیزی در آن نوشته نشد."); break;
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN: description = QStringLiteral("اجازه دسترسی به فایل بانک اطلاعاتی یا پوشه آن نیست."); break;
    case SQLITE_FULL: description = QStringLiteral("دیسک پر است و چیزی در بانک اطلاعاتی نوشته نشد."); break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: description = QStringLiteral("فایل بانک اطلاعاتی در دست برنامه دیگری است. کمی بعد دوباره امتحان کنید."); break;
    case SQLITE_CORRUPT: description = QStringLiteral("فایل بانک اطلاعاتی آسیب دیده است."); break;
    case SQLITE_NOTADB: description = QStringLiteral("این فایل بانک اطلاعاتی نیست."); break;
    case SQLITE_NOTFOUND: description = QStringLiteral("فایل بانک اطلاعاتی پیدا نشد."); break;
    case SQLITE_IOERR: description = QStringLiteral("خواندن یا نوشتن فایل بانک اطلاعاتی ممکن نشد."); break;
    default:
        // An unknown failure keeps the engine's words after a Persian sentence.
        return DataError(DataError::Kind::Storage, QStringLiteral("خطا در بانک اطلاعاتی.\n\u2066") +
                                                       QString::fromStdString(e.what()) + QStringLiteral("\u2069"));
    }
    return DataError(DataError::Kind::Storage, description);
}

std::shared_ptr<DataStore> DataStore::of(const QString& path) {
    const QString key = QFileInfo(path).absoluteFilePath();
    auto& all = stores();
    if (auto it = all.find(key); it != all.end()) {
        if (auto store = it->second.lock()) return store;
    }
    std::shared_ptr<DataStore> store(new DataStore(path));
    all[key] = store;
    return store;
}

DataStore::DataStore(const QString& path) : path_(path), connection_(connect(path)) {}

DataStore::~DataStore() {
    if (depth_ > 0) rollback();
    auto& all = stores();
    const auto it = all.find(QFileInfo(path_).absoluteFilePath());
    if (it != all.end() && it->second.expired()) all.erase(it);
}

const DataStore::Table& DataStore::table(const QString& name) {
    for (const auto& state : tables_) {
        if (state->table.name == name) return state->table;
    }
    auto state = std::make_unique<TableState>();
    state->table.name = name;
    state->table.quoted = sql::quoteIdentifier(name.toStdString());
    try {
        sql::Statement info(connection_, "PRAGMA table_info(" + state->table.quoted + ")");
        while (info.step()) {
            Column column;
            column.name = fromUtf8(info.columnText(1));
            column.quoted = sql::quoteIdentifier(info.columnText(1));
            column.kind = kindOfDeclaredType(fromUtf8(info.columnText(2)));
            state->table.columns.push_back(std::move(column));
        }
        noticeOthers();
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
    if (state->table.columns.empty()) {
        throw DataError(DataError::Kind::Unusable, QStringLiteral("جدول \u2066%1\u2069 در بانک اطلاعاتی نیست.").arg(name));
    }
    if (state->table.columns.size() > 64) {
        throw DataError(DataError::Kind::Unusable, QStringLiteral("جدول بیش از ۶۴ فیلد دارد."));
    }
    tables_.push_back(std::move(state));
    return tables_.back()->table;
}

DataStore::TableState& DataStore::state(const Table& table) {
    for (const auto& state : tables_) {
        if (&state->table == &table) return *state;
    }
    throw DataError(DataError::Kind::Storage, QStringLiteral("جدول از این بانک اطلاعاتی نیست."));
}

// A commit by anything but this connection moves the file's data version;
// no copy of any table is known to equal the file after it.
void DataStore::noticeOthers() {
    std::int64_t now = 0;
    try {
        if (!dataVersionQuery_) dataVersionQuery_ = std::make_unique<sql::Statement>(connection_, "PRAGMA data_version");
        if (dataVersionQuery_->step()) now = dataVersionQuery_->columnInt64(0);
        // A statement left on its row would keep the file's read lock.
        dataVersionQuery_->reset();
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
    if (dataVersion_ && *dataVersion_ == now) return;
    const bool first = !dataVersion_;
    dataVersion_ = now;
    if (first) return;
    for (auto& state : tables_) {
        state->version = ++lastVersion_;
        state->chainStart = state->version;
        state->rows.reset();
        state->head.reset();
        state->changes.clear();
    }
}

std::uint64_t DataStore::version(const Table& table) {
    noticeOthers();
    return state(table).version;
}

std::shared_ptr<const TableRows> DataStore::readRows(TableState& state) {
    std::string select = "SELECT rowid";
    for (const Column& column : state.table.columns) select += "," + column.quoted;
    select += " FROM " + state.table.quoted;
    try {
        sql::Statement statement(connection_, select);
        return TableRows::read(statement, state.table.width());
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
}

DataStore::Head DataStore::head(const Table& table, std::uint64_t version) {
    TableState& state = this->state(table);
    if (version != state.version) {
        std::uint64_t at = version;
        const auto rows = this->rows(table, at);
        return Head{rows->size(), rows->size() ? std::optional<RowCopy>(rows->copy(0)) : std::nullopt};
    }
    if (state.head) return *state.head;
    if (state.rows) {
        state.head = Head{state.rows->size(), state.rows->size() ? std::optional<RowCopy>(state.rows->copy(0)) : std::nullopt};
        return *state.head;
    }
    Head head;
    try {
        sql::Statement count(connection_, "SELECT count(*) FROM " + state.table.quoted);
        if (count.step()) head.count = static_cast<int>(count.columnInt64(0));
        if (head.count > 0) {
            std::string select = "SELECT rowid";
            for (const Column& column : state.table.columns) select += "," + column.quoted;
            select += " FROM " + state.table.quoted + " LIMIT 1";
            sql::Statement first(connection_, select);
            const auto rows = TableRows::read(first, state.table.width());
            if (rows->size() > 0) head.first = rows->copy(0);
        }
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
    state.head = head;
    return head;
}

std::shared_ptr<const TableRows> DataStore::rows(const Table& table, std::uint64_t& version) {
    noticeOthers();
    TableState& state = this->state(table);
    for (auto it = state.older.begin(); it != state.older.end();) {
        it = it->second.expired() ? state.older.erase(it) : std::next(it);
    }
    if (version != state.version) {
        if (const auto it = state.older.find(version); it != state.older.end()) {
            if (auto rows = it->second.lock()) return rows;
        }
    }
    if (!state.rows) state.rows = readRows(state);
    if (version == state.version) return state.rows;
    if (version < state.chainStart || version > state.version) {
        // Another program wrote the file since: its rows as they are now.
        version = state.version;
        return state.rows;
    }
    // Take this process's later changes back from the present rows.
    auto rows = state.rows;
    for (auto it = state.changes.rbegin(); it != state.changes.rend() && it->first > version; ++it) {
        rows = rows->with(it->second.inverse());
    }
    state.older[version] = rows;
    return rows;
}

void DataStore::pin(const Table& table, std::uint64_t version) { ++state(table).pins[version]; }

void DataStore::unpin(const Table& table, std::uint64_t version) {
    TableState& state = this->state(table);
    if (const auto it = state.pins.find(version); it != state.pins.end() && --it->second == 0) state.pins.erase(it);
    if (depth_ == 0) trimChanges(state);
}

// Changes are kept only as far back as a view that has not read its rows
// may still need to take them back.
void DataStore::trimChanges(TableState& state) {
    const std::uint64_t keepFrom = state.pins.empty() ? state.version : state.pins.begin()->first;
    while (!state.changes.empty() && state.changes.front().first <= keepFrom) state.changes.pop_front();
    state.chainStart = std::max(state.chainStart, keepFrom);
    // A view that has gone this many commits without needing its rows gets
    // the table as it is then, as after another program's write.
    constexpr std::size_t kMaxChanges = 1000;
    while (state.changes.size() > kMaxChanges) {
        state.chainStart = state.changes.front().first;
        state.changes.pop_front();
    }
}

std::uint64_t DataStore::write(const Table& table, RowChange& change, std::uint64_t mask) {
    noticeOthers();
    TableState& state = this->state(table);
    if (depth_ > 0 && std::none_of(saved_.begin(), saved_.end(), [&](const Saved& s) { return s.state == &state; })) {
        saved_.push_back(Saved{&state, state.version, state.chainStart, state.rows, state.head, state.changes.size()});
    }
    std::vector<int> bound;
    for (int c = 0; c < table.width(); ++c) {
        if (mask >> c & 1) bound.push_back(c);
    }
    const std::string text = writeStatement(table, change.kind, bound);
    if (text.empty()) return state.version;
    try {
        sql::Statement statement(connection_, text);
        int index = 1;
        if (change.kind != RowChange::Kind::Delete) {
            for (int c : bound) bind(statement, index++, change.after[static_cast<std::size_t>(c)]);
        }
        if (change.kind != RowChange::Kind::Insert) statement.bindInt64(index, change.rowid);
        statement.step();
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
    if (change.kind != RowChange::Kind::Insert && connection_.changes() == 0) {
        throw DataError(DataError::Kind::RowMissing, QStringLiteral("این رکورد دیگر در بانک اطلاعاتی نیست."));
    }
    if (change.kind == RowChange::Kind::Insert) change.rowid = connection_.lastInsertRowid();

    // The next version is the present one with this change: nothing is read.
    if (state.rows) state.rows = state.rows->with(change);
    if (state.head && !headFollows(*state.head, change)) state.head.reset();
    state.version = ++lastVersion_;
    state.changes.emplace_back(state.version, change);
    // A transaction may still take its changes back: trim after its commit.
    if (depth_ == 0) trimChanges(state);
    return state.version;
}

std::shared_ptr<const TableRows> DataStore::matching(const Table& table, int column, const QString& value) {
    const std::string& field = table.columns[static_cast<std::size_t>(column)].quoted;
    std::string select = "SELECT rowid";
    for (const Column& c : table.columns) select += "," + c.quoted;
    select += " FROM " + table.quoted + " WHERE ";
    select += value.isEmpty() ? field + " IS NULL OR " + field + " = ''" : field + " = ? COLLATE NOCASE";
    select += " ORDER BY rowid";
    try {
        sql::Statement statement(connection_, select);
        const QByteArray bytes = value.toUtf8();
        if (!value.isEmpty()) {
            statement.bindText(1, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        }
        return TableRows::read(statement, table.width());
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
}

bool DataStore::contains(const Table& table, int column, const QString& value) {
    try {
        sql::Statement statement(connection_, "SELECT 1 FROM " + table.quoted + " WHERE " +
                                                  table.columns[static_cast<std::size_t>(column)].quoted + " = ? LIMIT 1");
        const QByteArray bytes = value.toUtf8();
        statement.bindText(1, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return statement.step();
    } catch (const sql::Error& e) {
        throw storageError(e);
    }
}

void DataStore::enlist(RecordView* view, std::function<void()> restore) {
    if (depth_ == 0) return;
    for (const auto& entry : enlisted_) {
        if (entry.first == view) return;
    }
    enlisted_.emplace_back(view, std::move(restore));
}

void DataStore::attach(RecordView* view) { views_.push_back(view); }

void DataStore::detach(RecordView* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
    enlisted_.erase(std::remove_if(enlisted_.begin(), enlisted_.end(), [view](const auto& e) { return e.first == view; }),
                    enlisted_.end());
}

void DataStore::begin() {
    if (depth_++ > 0) return;
    try {
        // Taking the write lock at once: a file another program holds fails
        // here, before anything is written.
        connection_.exec("BEGIN IMMEDIATE");
    } catch (const sql::Error& e) {
        depth_ = 0;
        throw storageError(e);
    }
}

void DataStore::commit() {
    if (depth_ == 0) throw DataError(DataError::Kind::Storage, QStringLiteral("تراکنش پیش از این برگردانده شده است."));
    if (--depth_ > 0) return;
    try {
        connection_.exec("COMMIT");
    } catch (const sql::Error& e) {
        depth_ = 1;
        rollback();
        throw storageError(e);
    }
    for (const Saved& saved : saved_) trimChanges(*saved.state);
    saved_.clear();
    enlisted_.clear();
}

void DataStore::rollback() noexcept {
    depth_ = 0;
    if (!sqlite3_get_autocommit(connection_.handle())) {
        try {
            connection_.exec("ROLLBACK");
        } catch (const sql::Error&) {
            // The engine has already rolled back (it does on some failures).
        }
    }
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        TableState& state = *it->state;
        state.version = it->version;
        state.chainStart = it->chainStart;
        state.rows = it->rows;
        state.head = it->head;
        state.changes.resize(it->changes);
    }
    saved_.clear();
    const auto enlisted = std::move(enlisted_);
    enlisted_.clear();
    for (auto it = enlisted.rbegin(); it != enlisted.rend(); ++it) it->second();
}

Transaction::Transaction(DataStore& store) : store_(store) { store_.begin(); }

Transaction::~Transaction() {
    if (!done_) store_.rollback();
}

void Transaction::commit() {
    done_ = true;
    store_.commit();
}

} // namespace pentarix

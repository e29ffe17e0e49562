#include "data/sqlite.h"

#include <utility>

namespace pentarix::sql {

Connection Connection::openWith(const std::string& path, int flags) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        const int extended = db ? sqlite3_extended_errcode(db) : rc;
        sqlite3_close(db);
        throw Error(extended, "cannot open " + path + ": " + message);
    }
    sqlite3_extended_result_codes(db, 1);
    // Several views of one process share the file; a short wait covers the
    // moments another connection of ours holds the write lock.
    sqlite3_busy_timeout(db, 2000);
    return Connection(db);
}

Connection Connection::open(const std::string& path) {
    return openWith(path, SQLITE_OPEN_READWRITE);
}

Connection Connection::create(const std::string& path) {
    return openWith(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

Connection::~Connection() { close(); }

Connection::Connection(Connection&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Connection& Connection::operator=(Connection&& other) noexcept {
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

void Connection::close() noexcept {
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

void Connection::raise(int rc, std::string_view context) const {
    const int extended = db_ ? sqlite3_extended_errcode(db_) : rc;
    std::string message(context);
    message += ": ";
    message += db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    throw Error(extended ? extended : rc, message);
}

void Connection::exec(const std::string& sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::string message = error ? error : sqlite3_errstr(rc);
        sqlite3_free(error);
        throw Error(sqlite3_extended_errcode(db_), message);
    }
}

std::int64_t Connection::lastInsertRowid() const { return sqlite3_last_insert_rowid(db_); }

int Connection::changes() const { return sqlite3_changes(db_); }

Statement::Statement(const Connection& connection, std::string_view sql) : connection_(connection) {
    const int rc = sqlite3_prepare_v2(connection.handle(), sql.data(), static_cast<int>(sql.size()), &stmt_,
                                      nullptr);
    if (rc != SQLITE_OK) connection.raise(rc, "prepare");
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(stmt_);
    connection_.raise(rc, "step");
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

void Statement::bindNull(int index) { sqlite3_bind_null(stmt_, index); }

void Statement::bindInt64(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }

void Statement::bindDouble(int index, double value) { sqlite3_bind_double(stmt_, index, value); }

void Statement::bindText(int index, std::string_view utf8) {
    sqlite3_bind_text(stmt_, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

int Statement::columnCount() const { return sqlite3_column_count(stmt_); }

int Statement::columnType(int column) const { return sqlite3_column_type(stmt_, column); }

std::int64_t Statement::columnInt64(int column) const { return sqlite3_column_int64(stmt_, column); }

double Statement::columnDouble(int column) const { return sqlite3_column_double(stmt_, column); }

std::string_view Statement::columnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    return text ? std::string_view(text, static_cast<std::size_t>(size)) : std::string_view();
}

std::string quoteIdentifier(std::string_view name) {
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

} // namespace pentarix::sql

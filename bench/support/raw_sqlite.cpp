#include "support/raw_sqlite.h"

#include <QFile>

#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace pentarix::bench {

namespace {

struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

[[noreturn]] void raise(sqlite3* db, const std::string& what) {
    throw std::runtime_error(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

sqlite3* openFile(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path.toStdString() + ": " + message);
    }
    sqlite3_busy_timeout(db, 5000);
    return db;
}

Statement prepare(sqlite3* db, const std::string& sql, std::initializer_list<std::string> values) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
        raise(db, sql);
    }
    int index = 1;
    for (const std::string& value : values) {
        sqlite3_bind_text(statement, index++, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    }
    return Statement(statement);
}

// Steps through the statement and copies every field of every row.
RawRows copyRows(sqlite3* db, sqlite3_stmt* statement) {
    RawRows rows;
    const int columns = sqlite3_column_count(statement);
    for (;;) {
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) raise(db, "step");
        std::vector<std::string> row;
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
            row.emplace_back(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(statement, c)));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string quoted(const char* name) { return std::string("\"") + name + "\""; }

} // namespace

RawDatabase::RawDatabase(const QString& path) : db_(openFile(path)) {}

RawDatabase::~RawDatabase() { sqlite3_close(db_); }

RawRows RawDatabase::readAll(const char* table) const {
    const Statement statement = prepare(db_, "SELECT rowid, * FROM " + quoted(table), {});
    return copyRows(db_, statement.get());
}

RawRows RawDatabase::readWhere(const char* table, const char* field, const std::string& value) const {
    const Statement statement =
        prepare(db_, "SELECT rowid, * FROM " + quoted(table) + " WHERE " + quoted(field) + " = ?", {value});
    return copyRows(db_, statement.get());
}

int RawDatabase::write(const std::string& sql, std::initializer_list<std::string> values) const {
    const Statement statement = prepare(db_, sql, values);
    if (sqlite3_step(statement.get()) != SQLITE_DONE) raise(db_, sql);
    return sqlite3_changes(db_);
}

std::string RawDatabase::text(const std::string& sql, std::initializer_list<std::string> values) const {
    const Statement statement = prepare(db_, sql, values);
    const int rc = sqlite3_step(statement.get());
    if (rc == SQLITE_DONE) return {};
    if (rc != SQLITE_ROW) raise(db_, sql);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
    return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement.get(), 0))) : std::string();
}

bool RawDatabase::exists(const char* table, const std::string& code) const {
    return !text("SELECT 1 FROM " + quoted(table) + " WHERE Code = ?", {code}).empty();
}

std::size_t readTables(const QString& path, std::initializer_list<const char*> tables) {
    const RawDatabase db(path);
    std::size_t rows = 0;
    for (const char* table : tables) rows += db.readAll(table).size();
    return rows;
}

std::uint32_t fileChangeCounter(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray header = file.read(28);
    if (header.size() < 28) return 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(header.constData()) + 24;
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           std::uint32_t{bytes[3]};
}

} // namespace pentarix::bench

#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A thin RAII layer over the sqlite3 C API: one connection, one prepared
// statement, and an exception that keeps the engine's result code.
namespace pentarix::sql {

class Error : public std::runtime_error {
public:
    Error(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int code() const noexcept { return code_; }
    int primaryCode() const noexcept { return code_ & 0xff; }

private:
    int code_;
};

class Connection {
public:
    // Opens an existing file for reading and writing; never creates one.
    static Connection open(const std::string& path);
    // Opens (and creates when missing) a file; for tools and tests only.
    static Connection create(const std::string& path);

    Connection() = default;
    ~Connection();
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const noexcept { return db_; }
    bool isOpen() const noexcept { return db_ != nullptr; }
    void exec(const std::string& sql);
    std::int64_t lastInsertRowid() const;
    int changes() const;
    void close() noexcept;

    [[noreturn]] void raise(int rc, std::string_view context) const;

private:
    explicit Connection(sqlite3* db) : db_(db) {}
    static Connection openWith(const std::string& path, int flags);
    sqlite3* db_ = nullptr;
};

class Statement {
public:
    Statement(const Connection& connection, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // True while a row is available; false when the statement is done.
    bool step();
    void reset();

    void bindNull(int index);
    void bindInt64(int index, std::int64_t value);
    void bindDouble(int index, double value);
    void bindText(int index, std::string_view utf8);

    int columnCount() const;
    int columnType(int column) const;
    std::int64_t columnInt64(int column) const;
    double columnDouble(int column) const;
    std::string_view columnText(int column) const;

private:
    const Connection& connection_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Quotes an identifier for SQL text: "Group", "Date", "1".
std::string quoteIdentifier(std::string_view name);

} // namespace pentarix::sql

#pragma once

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

struct sqlite3;

namespace pentarix::bench {

// Rows copied out of the file: every field as text, the rowid first.
using RawRows = std::vector<std::vector<std::string>>;

// A connection of the benchmark's own through the sqlite3 C API, beside the
// program's: the yardstick's reads and writes, and the checks that an action
// did its work. Statements are finished before each call returns, so the
// connection never holds a lock between calls.
class RawDatabase {
public:
    explicit RawDatabase(const QString& path);
    ~RawDatabase();
    RawDatabase(const RawDatabase&) = delete;
    RawDatabase& operator=(const RawDatabase&) = delete;

    // Every field of every row of the table, the rowid first.
    RawRows readAll(const char* table) const;
    // Every field of the rows whose field equals the value, the rowid first.
    RawRows readWhere(const char* table, const char* field, const std::string& value) const;
    // One statement with text parameters, committed on its own; the rows it changed.
    int write(const std::string& sql, std::initializer_list<std::string> values = {}) const;
    // The first field of the first row as text; empty for no row or NULL.
    std::string text(const std::string& sql, std::initializer_list<std::string> values = {}) const;
    bool exists(const char* table, const std::string& code) const;

private:
    sqlite3* db_ = nullptr;
};

// Opens the file, copies every field of every row of each table into memory
// and closes it: what a window opening views of those tables has to do at the
// least. Returns the number of rows read.
std::size_t readTables(const QString& path, std::initializer_list<const char*> tables);

// The change counter of the file's header, which every commit moves.
std::uint32_t fileChangeCounter(const QString& path);

} // namespace pentarix::bench

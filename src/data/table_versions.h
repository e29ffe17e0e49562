#pragma once

#include <QString>

#include <cstdint>

namespace pentarix {

// Which tables of a database file have changed, as far as the views of this
// process can tell: every view's commit counts a change of its table, and a
// commit by anything else (another program) is seen in the file's change
// counter and counts as a change of every table. A view whose copy is as
// new as its table's count may refresh without reading the file again.
class TableVersions {
public:
    struct Stamp {
        std::uint64_t epoch = 0;   // counts commits from outside the process
        std::uint64_t version = 0; // counts this process's commits to the table
        bool operator==(const Stamp& other) const = default;
    };

    // The table's present stamp, after looking for commits from outside.
    static Stamp current(const QString& databasePath, const QString& table);
    // Records a commit by a view of this process. Returns the table's new
    // stamp, which the view may take as its own when its copy was current
    // before the commit (its own change is already in its copy).
    static Stamp committed(const QString& databasePath, const QString& table);
};

} // namespace pentarix

#pragma once

#include "data/sqlite.h"

#include <QString>

namespace pentarix {

// The one database file of the system, "Pentarix/Pentarix.mdb" under the
// working folder. The system never creates it nor changes its tables.
class DataStore {
public:
    static QString relativePath();
    // The file as the views open it: relative to the current working folder.
    static QString defaultPath();

    // Opens an existing file; throws DataError (Missing, Unusable) with a
    // Persian description that names the file.
    static sql::Connection connect(const QString& path);

    // Checks that the file exists, opens as a database and holds the four
    // tables with their fields. Throws DataError on any of these.
    static void verify(const QString& path);
};

} // namespace pentarix

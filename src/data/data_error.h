#pragma once

#include <QString>

#include <stdexcept>

namespace pentarix {

// A failure of the data store as the windows see it: a kind the handlers can
// act on, and a description in Persian that a message box can show.
class DataError : public std::runtime_error {
public:
    enum class Kind {
        DuplicateCode, // the store refused a row whose Code is already present
        NotNumber,     // text written into a numeric field does not read as a number
        BadFilter,     // a filter text that is not of the form field='value'
        UnknownField,
        NoCurrentRow,
        RowMissing,    // the row was removed from the file by another view
        Missing,       // the database file does not exist
        Unusable,      // the file is not a database of this system
        Storage,       // any other failure of the engine
    };

    DataError(Kind kind, const QString& description)
        : std::runtime_error(description.toStdString()), kind_(kind), description_(description) {}

    Kind kind() const noexcept { return kind_; }
    const QString& description() const noexcept { return description_; }

private:
    Kind kind_;
    QString description_;
};

} // namespace pentarix

#pragma once

#include <QString>

namespace pentarix {

// A number as the views and windows show it: a whole number without a
// decimal part, anything else with up to 15 significant digits.
QString formatReal(double value);

// The filter text that narrows a view to the rows whose field holds the
// value: field='value'. The view reads the value up to the final
// apostrophe, so values with apostrophes need no escaping.
QString filterText(const QString& field, const QString& value);

// The filter to one examinee's rows.
QString codeFilter(const QString& code);

} // namespace pentarix

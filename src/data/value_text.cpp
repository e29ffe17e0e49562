#include "data/value_text.h"

#include <cmath>

namespace pentarix {

QString formatReal(double value) {
    if (std::isfinite(value) && std::floor(value) == value && std::fabs(value) < 1e15) {
        return QString::number(static_cast<qint64>(value));
    }
    return QString::number(value, 'g', 15);
}

QString filterText(const QString& field, const QString& value) {
    return field + QStringLiteral("='") + value + QLatin1Char('\'');
}

QString codeFilter(const QString& code) { return filterText(QStringLiteral("code"), code); }

} // namespace pentarix

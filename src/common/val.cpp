#include "common/val.h"

namespace pentarix {

double Val(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    const qsizetype digitsStart = i;
    while (i < n && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) ++i;
    bool anyDigit = i > digitsStart;
    if (i < n && text[i] == QLatin1Char('.')) {
        const qsizetype fraction = i + 1;
        qsizetype j = fraction;
        while (j < n && text[j] >= QLatin1Char('0') && text[j] <= QLatin1Char('9')) ++j;
        if (j > fraction || anyDigit) {
            anyDigit = anyDigit || j > fraction;
            i = j;
        }
    }
    if (!anyDigit) return 0;
    // An exponent belongs to the number only when digits follow it.
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) ++j;
        const qsizetype expDigits = j;
        while (j < n && text[j] >= QLatin1Char('0') && text[j] <= QLatin1Char('9')) ++j;
        if (j > expDigits) i = j;
    }
    return text.mid(start, i - start).toDouble();
}

} // namespace pentarix

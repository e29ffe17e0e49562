#include "common/module7.h"

#include <array>

namespace pentarix {

namespace {

constexpr int kBaseYear = 1332;
constexpr int kLeapOrigin = 1309;
constexpr int kLeapCycle = 32;
constexpr int kLastDayOfFirstHalf = 185;
constexpr int kFirstHalfLength = 186;
const QDate kEpoch(1953, 3, 21);

const std::array<QString, 12> kMonths = {
    QStringLiteral("فروردين"),
    QStringLiteral("ارديبهشت"),
    QStringLiteral("خرداد"),
    QStringLiteral("تير"),
    QStringLiteral("مرداد"),
    QStringLiteral("شهريور"),
    QStringLiteral("مهر"),
    QStringLiteral("آبان"),
    QStringLiteral("آذر"),
    QStringLiteral("دي"),
    QStringLiteral("بهمن"),
    QStringLiteral("اسفند")};

// Sunday first.
const std::array<QString, 7> kWeekdays = {
    QStringLiteral("يکشنبه"),
    QStringLiteral("دوشنبه"),
    QStringLiteral("سه شنبه"),
    QStringLiteral("چهارشنبه"),
    QStringLiteral("پنجشنبه"),
    QStringLiteral("جمعه"),
    QStringLiteral("شنبه")};

QString twoDigits(int n) { return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n); }

} // namespace

bool IsSolarLeapYear(long long yearsAfterBase) {
    const long long n = (kBaseYear + yearsAfterBase) - kLeapOrigin;
    // C++ division truncates like the rule's div and mod; r may be negative.
    const long long r = (n % kLeapCycle) - (n / kLeapCycle);
    return r % 4 == 0;
}

SolarDate SolarDateFromDayCount(long long days) {
    long long y = 0;
    long long d = days;
    for (;;) {
        const long long length = IsSolarLeapYear(y) ? 366 : 365;
        if (d - length < 0) break;
        ++y;
        d -= length;
    }
    SolarDate date;
    date.year = static_cast<int>(kBaseYear + y);
    if (d <= kLastDayOfFirstHalf) {
        date.month = static_cast<int>(d / 31 + 1);
        date.day = static_cast<int>(d % 31 + 1);
    } else {
        d -= kFirstHalfLength;
        date.month = static_cast<int>(d / 30 + 7);
        date.day = static_cast<int>(d % 30 + 1);
    }
    return date;
}

QString solarMonthName(int month) {
    return month >= 1 && month <= 12 ? kMonths[static_cast<std::size_t>(month - 1)] : QString();
}

QString SolarHijriDate(const QDate& day, int shape) {
    if (shape < 0 || shape > 4 || !day.isValid()) return QString();
    const long long days = kEpoch.daysTo(day);
    // Days before the epoch lie outside this calendar.
    if (days < 0) return QString();
    // Qt counts Monday as 1; the names start on Sunday.
    const QString weekday = kWeekdays[static_cast<std::size_t>(day.dayOfWeek() % 7)];
    const SolarDate date = SolarDateFromDayCount(days);
    const QString year = QString::number(date.year);
    const QString month = QString::number(date.month);
    const QString dayOfMonth = QString::number(date.day);
    const QString blank = QStringLiteral(" ");
    switch (shape) {
    case 0: return year + QLatin1Char('/') + twoDigits(date.month) + QLatin1Char('/') + twoDigits(date.day);
    case 1: return dayOfMonth + blank + solarMonthName(date.month) + blank + year;
    case 2: return weekday + blank + year + QLatin1Char('/') + month + QLatin1Char('/') + dayOfMonth;
    case 3: return weekday + blank + dayOfMonth + blank + solarMonthName(date.month) + blank + year;
    default: return year + QLatin1Char('.') + month + QLatin1Char('.') + dayOfMonth;
    }
}

QString SolarHijriDate(const QDateTime& moment, int shape) { return SolarHijriDate(moment.date(), shape); }

} // namespace pentarix

#pragma once

#include <QDateTime>
#include <QString>

// The Solar Hijri calendar: a day count from 1 Farvardin 1332 (21 March 1953),
// a 32-year leap rule and fixed month lengths; no tables, no astronomy.
namespace pentarix {

struct SolarDate {
    int year = 0;
    int month = 0; // 1 .. 12
    int day = 0;   // 1 .. 31
};

// The date text of a moment's calendar day in one of five shapes:
// 0 "1393/08/11", 1 "11 آبان 1393", 2 weekday and "1393/8/11",
// 3 weekday, day, month name and year, 4 "1393.8.11"; any other shape gives
// the empty text, and so does a day before 21 March 1953.
QString SolarHijriDate(const QDateTime& moment, int shape = 0);
QString SolarHijriDate(const QDate& day, int shape = 0);

// Days counted from 21 March 1953 (day 0); not negative.
SolarDate SolarDateFromDayCount(long long days);

// yearsAfterBase: the year minus 1332.
bool IsSolarLeapYear(long long yearsAfterBase);

QString solarMonthName(int month);

} // namespace pentarix

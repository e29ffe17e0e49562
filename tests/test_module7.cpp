#include "common/module7.h"

#include <gtest/gtest.h>

#include <QCalendar>

using pentarix::IsSolarLeapYear;
using pentarix::SolarDateFromDayCount;
using pentarix::SolarHijriDate;

namespace {

struct DateCase {
    const char* name;
    QDate day;
    const char* shape0;
};

class SolarHijriDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(SolarHijriDateTest, ShapeZero) {
    EXPECT_EQ(SolarHijriDate(GetParam().day, 0), QString::fromLatin1(GetParam().shape0));
}

// Year edges on both sides of leap years, the last 31-day month and a plain day.
INSTANTIATE_TEST_SUITE_P(
    EdgeDays, SolarHijriDateTest,
    ::testing::Values(DateCase{"first_day_of_1332", QDate(1953, 3, 21), "1332/01/01"},
                      DateCase{"last_day_of_1332", QDate(1954, 3, 20), "1332/12/29"},
                      DateCase{"first_day_of_1333", QDate(1954, 3, 21), "1333/01/01"},
                      DateCase{"leap_day_of_1391", QDate(2013, 3, 20), "1391/12/30"},
                      DateCase{"last_day_of_1392", QDate(2014, 3, 20), "1392/12/29"},
                      DateCase{"first_day_of_1393", QDate(2014, 3, 21), "1393/01/01"},
                      DateCase{"leap_day_of_1403", QDate(2025, 3, 20), "1403/12/30"},
                      DateCase{"first_day_of_1404", QDate(2025, 3, 21), "1404/01/01"},
                      DateCase{"last_day_of_shahrivar", QDate(2014, 9, 22), "1393/06/31"},
                      DateCase{"first_day_of_mehr", QDate(2014, 9, 23), "1393/07/01"},
                      DateCase{"a_sunday_in_aban", QDate(2014, 11, 2), "1393/08/11"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolarHijriDate, FiveShapesOfOneSunday) {
    const QDateTime sunday(QDate(2014, 11, 2), QTime(0, 0));
    EXPECT_EQ(SolarHijriDate(sunday), QStringLiteral("1393/08/11"));
    EXPECT_EQ(SolarHijriDate(sunday, 1), QStringLiteral("11 آبان 1393"));
    EXPECT_EQ(SolarHijriDate(sunday, 2), QStringLiteral("\u064a\u06a9\u0634\u0646\u0628\u0647 1393/8/11"));
    EXPECT_EQ(SolarHijriDate(sunday, 3), QStringLiteral("\u064a\u06a9\u0634\u0646\u0628\u0647 11 آبان 1393"));
    EXPECT_EQ(SolarHijriDate(sunday, 4), QStringLiteral("1393.8.11"));
    EXPECT_EQ(SolarHijriDate(sunday, 5), QString());
    EXPECT_EQ(SolarHijriDate(sunday, -1), QString());
    EXPECT_EQ(SolarHijriDate(QDateTime(QDate(2014, 11, 2), QTime(23, 59)), 0), SolarHijriDate(sunday, 0));
}

TEST(SolarHijriDate, WeekdayNamesRunFromSunday) {
    // 2 to 8 November 2014: Sunday to Saturday.
    const QStringList expected = {QStringLiteral("\u064a\u06a9\u0634\u0646\u0628\u0647"),
                                  QStringLiteral("\u062f\u0648\u0634\u0646\u0628\u0647"),
                                  QStringLiteral("\u0633\u0647 \u0634\u0646\u0628\u0647"),
                                  QStringLiteral("\u0686\u0647\u0627\u0631\u0634\u0646\u0628\u0647"),
                                  QStringLiteral("\u067e\u0646\u062c\u0634\u0646\u0628\u0647"),
                                  QStringLiteral("\u062c\u0645\u0639\u0647"),
                                  QStringLiteral("\u0634\u0646\u0628\u0647")};
    for (int i = 0; i < 7; ++i) {
        const QString text = SolarHijriDate(QDate(2014, 11, 2 + i), 2);
        EXPECT_EQ(text.section(QLatin1Char(' '), 0, -2), expected[i]) << i;
    }
    EXPECT_EQ(pentarix::solarMonthName(10), QStringLiteral("\u062f\u064a"));
}

TEST(SolarHijriDate, DaysBeforeTheEpochGiveEmptyText) {
    EXPECT_EQ(SolarHijriDate(QDate(1953, 3, 20), 0), QString());
}

TEST(SolarLeapYear, RuleMatchesTheListedLeapYears) {
    const std::set<int> leap = {1333, 1337, 1342, 1346, 1350, 1354, 1358, 1362, 1366, 1370, 1375,
                                1379, 1383, 1387, 1391, 1395, 1399, 1403, 1408, 1412, 1416, 1420};
    for (int year = 1332; year <= 1420; ++year) {
        EXPECT_EQ(IsSolarLeapYear(year - 1332), leap.count(year) == 1) << year;
    }
    EXPECT_TRUE(IsSolarLeapYear(1436 - 1332));
    EXPECT_TRUE(IsSolarLeapYear(1437 - 1332));
}

TEST(SolarDateFromDayCount, LastDayOfLeapAndCommonYears) {
    const auto leapEnd = SolarDateFromDayCount(QDate(1953, 3, 21).daysTo(QDate(2013, 3, 20)));
    EXPECT_EQ(leapEnd.year, 1391);
    EXPECT_EQ(leapEnd.month, 12);
    EXPECT_EQ(leapEnd.day, 30);
    const auto commonEnd = SolarDateFromDayCount(364);
    EXPECT_EQ(commonEnd.year, 1332);
    EXPECT_EQ(commonEnd.month, 12);
    EXPECT_EQ(commonEnd.day, 29);
}

QString jalaliShapeZero(const QDate& day) {
    const QCalendar jalali(QCalendar::System::Jalali);
    const QCalendar::YearMonthDay parts = jalali.partsFromDate(day);
    return QStringLiteral("%1/%2/%3")
        .arg(parts.year)
        .arg(parts.month, 2, 10, QLatin1Char('0'))
        .arg(parts.day, 2, 10, QLatin1Char('0'));
}

TEST(SolarHijriDate, AgreesWithQtsJalaliCalendarEveryDayFrom1953To2058) {
    int disagreements = 0;
    for (QDate day(1953, 3, 21); day <= QDate(2058, 3, 19); day = day.addDays(1)) {
        if (SolarHijriDate(day, 0) != jalaliShapeZero(day) && ++disagreements <= 5) {
            ADD_FAILURE() << day.toString(Qt::ISODate).toStdString() << ": "
                          << SolarHijriDate(day, 0).toStdString() << " vs " << jalaliShapeZero(day).toStdString();
        }
    }
    EXPECT_EQ(disagreements, 0);
}

TEST(SolarHijriDate, KeepsItsOwnRuleWhereQtDiffersFrom2058On) {
    // The 32-year rule makes 1436 a leap year, so 20 March 2058 is its 30 Esfand.
    EXPECT_EQ(SolarHijriDate(QDate(2058, 3, 20), 0), QStringLiteral("1436/12/30"));
    EXPECT_NE(jalaliShapeZero(QDate(2058, 3, 20)), QStringLiteral("1436/12/30"));
}

} // namespace

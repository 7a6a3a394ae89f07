#include "core/text/DayCount.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>
#include <string>

namespace belvane {
namespace {

std::string dateText(double dayCount)
{
    return formatDayCountDate(dayCount).toStdString();
}

std::optional<double> parse(const char* text)
{
    return parseDateText(QString::fromUtf8(text));
}

constexpr double kSecond = 1.0 / 86400.0;

TEST(DayCount, DaysCountFromTheLastDaysOf1899)
{
    EXPECT_EQ(dayCountFromDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(dayCountFromDate(QDate(1899, 12, 31)), 1.0);
    EXPECT_EQ(dayCountFromDate(QDate(1900, 1, 1)), 2.0);
    EXPECT_EQ(dayCountFromDate(QDate(2000, 1, 1)), 36526.0);
    EXPECT_EQ(dayCountFromDate(QDate(2020, 12, 8)), 44173.0);
    EXPECT_EQ(dayCountFromDate(QDate(1899, 12, 29)), -1.0);
    EXPECT_EQ(dayCountFromDate(QDate(1, 1, 1)), -693593.0);
    EXPECT_EQ(dayCountFromDate(QDate(9999, 12, 31)), 2958465.0);
    EXPECT_EQ(dayCountFromDate(QDate()), 0.0);

    EXPECT_EQ(dateFromDayCount(0), QDate(1899, 12, 30));
    EXPECT_EQ(dateFromDayCount(2), QDate(1900, 1, 1));
    EXPECT_EQ(dateFromDayCount(36526), QDate(2000, 1, 1));
    EXPECT_EQ(dateFromDayCount(-693593), QDate(1, 1, 1));
    EXPECT_EQ(dateFromDayCount(2958465), QDate(9999, 12, 31));
}

TEST(DayCount, LeapDays)
{
    // 1900 has no 29 February; 2000 has one; 2100 will not.
    EXPECT_EQ(dayCountFromDate(QDate(1900, 2, 28)), 60.0);
    EXPECT_EQ(dayCountFromDate(QDate(1900, 3, 1)), 61.0);
    EXPECT_EQ(dayCountFromDate(QDate(2000, 2, 28)), 36584.0);
    EXPECT_EQ(dayCountFromDate(QDate(2000, 2, 29)), 36585.0);
    EXPECT_EQ(dayCountFromDate(QDate(2000, 3, 1)), 36586.0);
    EXPECT_EQ(dateFromDayCount(36585), QDate(2000, 2, 29));
    EXPECT_EQ(dateFromDayCount(61), QDate(1900, 3, 1));

    EXPECT_EQ(parse("29/02/2000"), 36585.0);
    EXPECT_EQ(parse("29/02/2024"), dayCountFromDate(QDate(2024, 2, 29)));
    EXPECT_EQ(parse("29/02/1900"), std::nullopt);
    EXPECT_EQ(parse("29/02/2100"), std::nullopt);
    EXPECT_EQ(parse("29/02/2001"), std::nullopt);
}

TEST(DayCount, FractionIsTheTimeOfDay)
{
    EXPECT_EQ(timeOfDayFraction(QTime(0, 0)), 0.0);
    EXPECT_EQ(timeOfDayFraction(QTime(6, 0)), 0.25);
    EXPECT_EQ(timeOfDayFraction(QTime(12, 0)), 0.5);
    EXPECT_EQ(timeOfDayFraction(QTime(18, 0)), 0.75);
    EXPECT_NEAR(timeOfDayFraction(QTime(23, 59, 59)), 1.0 - kSecond, 1e-12);
    EXPECT_EQ(timeOfDayFraction(QTime()), 0.0);

    EXPECT_EQ(dayCountFromDateTime(QDateTime(QDate(2000, 1, 1), QTime(18, 0))), 36526.75);
    EXPECT_EQ(dayCountFromDateTime(QDateTime(QDate(1899, 12, 30), QTime(6, 0))), 0.25);
    EXPECT_EQ(dayCountFromDateTime(QDateTime()), 0.0);

    // The time of day never shifts the day the count falls on.
    EXPECT_EQ(dateFromDayCount(36526.999), QDate(2000, 1, 1));
    EXPECT_EQ(dateFromDayCount(36526.5), QDate(2000, 1, 1));
}

TEST(DayCount, BeforeDayZeroTheSignBelongsToTheDay)
{
    EXPECT_EQ(dayCountFromDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    EXPECT_EQ(dayCountFromDateTime(QDateTime(QDate(1899, 12, 28), QTime(18, 0))), -2.75);
    EXPECT_EQ(dateFromDayCount(-1.25), QDate(1899, 12, 29));
    EXPECT_EQ(dateFromDayCount(-0.5), QDate(1899, 12, 30));
    EXPECT_EQ(dateText(-1.25), "29/12/1899 06:00:00");
    EXPECT_EQ(dateText(-2.75), "28/12/1899 18:00:00");
    EXPECT_EQ(dateText(-0.5), "30/12/1899 12:00:00");
    EXPECT_EQ(parse("29/12/1899 06:00"), -1.25);
    EXPECT_EQ(parse("30/12/1899 06:00"), 0.25);
}

TEST(DayCount, TextIsDayMonthYear)
{
    EXPECT_EQ(dateText(0), "30/12/1899");
    EXPECT_EQ(dateText(36526), "01/01/2000");
    EXPECT_EQ(dateText(44173), "08/12/2020");
    EXPECT_EQ(dateText(-693593), "01/01/0001");
    EXPECT_EQ(dateText(2958465), "31/12/9999");
    EXPECT_EQ(dateText(36526.5), "01/01/2000 12:00:00");
    EXPECT_EQ(dateText(36526 + 13 * 3600 * kSecond + 37 * 60 * kSecond + 11 * kSecond),
              "01/01/2000 13:37:11");
    EXPECT_EQ(dateText(36526.99999999), "01/01/2000 23:59:59");
    // Within half a millisecond of midnight the clock reads the next day, not 24:00:00.
    EXPECT_EQ(dateText(36526.9999999999), "02/01/2000");

    // Day first even where the system writes the month first.
    const QLocale previousDefault;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(dateText(dayCountFromDate(QDate(2000, 4, 5))), "05/04/2000");
    EXPECT_EQ(parse("05/04/2000"), dayCountFromDate(QDate(2000, 4, 5)));
    QLocale::setDefault(previousDefault);
}

TEST(DayCount, ParseReadsDatesWithOptionalTime)
{
    EXPECT_EQ(parse("01/01/2000"), 36526.0);
    EXPECT_EQ(parse("1/1/2000"), 36526.0);
    EXPECT_EQ(parse("  08/12/2020 "), 44173.0);
    EXPECT_EQ(parse("01/01/2000 12:00"), 36526.5);
    EXPECT_EQ(parse("01/01/2000  18:00:00"), 36526.75);
    EXPECT_EQ(parse("01/01/2000 6:0"), 36526.25);
    EXPECT_EQ(parse("01/01/0001"), -693593.0);
    EXPECT_EQ(parse("31/12/9999 00:00:00"), 2958465.0);
}

TEST(DayCount, ParseRejectsUnreadableText)
{
    for (const char* text : {"", "  ", "abc", "01/01/20", "01/01/200", "01/01/20000", "001/01/2000",
                             "2000-01-01", "01.01.2000", "01-01-2000", "01/01/0000", "00/01/2000",
                             "32/01/2000", "31/04/2020", "01/13/2000", "01/00/2000", "01/01/2000x",
                             "01/01/2000 12", "01/01/2000 12:", "01/01/2000 24:00",
                             "01/01/2000 12:60", "01/01/2000 12:00:60", "01/01/2000 12:00:00:00",
                             "01/01/2000 12:000", "/01/2000", "01//2000", "01/01/2000 am"}) {
        EXPECT_EQ(parse(text), std::nullopt) << text;
    }
}

TEST(DayCount, DatesSurviveTheirText)
{
    for (double day = -693593; day <= 2958465; day += 37) {
        const QString text = formatDayCountDate(day);
        ASSERT_EQ(parseDateText(text), day) << text.toStdString();
        ASSERT_EQ(dayCountFromDate(dateFromDayCount(day)), day);
    }
    for (double dayCount : {36526.25, -1.25, 44173.0 + 45296 * kSecond, -700.0 - 3725 * kSecond,
                            2958465.0 + 86399 * kSecond}) {
        const QString text = formatDayCountDate(dayCount);
        const std::optional<double> back = parseDateText(text);
        ASSERT_TRUE(back.has_value()) << text.toStdString();
        EXPECT_NEAR(*back, dayCount, 1e-6 * kSecond) << text.toStdString();
        EXPECT_EQ(formatDayCountDate(*back), text);
    }
}

TEST(DayCount, ATimeThatShowsAsMidnightIsLeftOut)
{
    // Stored counts can sit a hair off the whole day. Their time would show as "00:00:00", and
    // that text reads back as the whole day, written without it: the text would not survive.
    for (const double count : {44173.0 + 0.4 * kSecond, 44173.0 + 1e-12, 44173.9999999999,
                               -1.0 - 0.2 * kSecond, 1e-300, -1e-300}) {
        const QString text = formatDayCountDate(count);
        EXPECT_FALSE(text.contains(u':')) << text.toStdString();
        const std::optional<double> back = parseDateText(text);
        ASSERT_TRUE(back.has_value()) << text.toStdString();
        EXPECT_EQ(formatDayCountDate(*back), text);
    }
    EXPECT_EQ(dateText(44173.0 + kSecond), "08/12/2020 00:00:01");
    EXPECT_EQ(dateText(-1.0 - kSecond), "29/12/1899 00:00:01");
}

TEST(DayCount, AbsurdCountsAreNoDate)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double absurd : {nan, inf, -inf, 1e300, -1e300, std::numeric_limits<double>::max(),
                          std::numeric_limits<double>::lowest(), 2958466.0, -693594.0, 1e15}) {
        EXPECT_FALSE(dateFromDayCount(absurd).isValid()) << absurd;
        EXPECT_EQ(dateText(absurd), "") << absurd;
    }
    // A time that rounds past the last day of year 9999 has no date either.
    EXPECT_EQ(dateText(2958465.9999999997), "");
    // The smallest counts are the very start of day 0.
    EXPECT_EQ(dateText(std::numeric_limits<double>::denorm_min()), "30/12/1899");
    EXPECT_EQ(dateFromDayCount(-std::numeric_limits<double>::denorm_min()), QDate(1899, 12, 30));
}

} // namespace
} // namespace belvane

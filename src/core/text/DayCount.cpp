#include "core/text/DayCount.h"

#include <cmath>

namespace belvane {
namespace {

constexpr qint64 kDayZeroJulianDay = 2415019;  // 30/12/1899
constexpr double kFirstDayCount = -693593.0;   // 01/01/0001
constexpr double kLastDayCount = 2958465.0;    // 31/12/9999
constexpr qint64 kMsecsPerDay = 86'400'000;

// Day and time of day make one count with the sign of the day, also before day 0.
double joinDayAndTime(double day, double fraction)
{
    return day < 0 ? day - fraction : day + fraction;
}

struct DayAndTime {
    QDate date;
    qint64 msecs = 0;  // rounded to the millisecond; may reach a whole day
};

std::optional<DayAndTime> splitDayCount(double dayCount)
{
    // Written so that NaN fails too.
    if (!(dayCount > kFirstDayCount - 1.0 && dayCount < kLastDayCount + 1.0))
        return std::nullopt;
    const double day = std::trunc(dayCount);
    DayAndTime result;
    result.date = QDate::fromJulianDay(kDayZeroJulianDay + static_cast<qint64>(day));
    result.msecs = std::llround(std::fabs(dayCount - day) * static_cast<double>(kMsecsPerDay));
    return result;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Walks a text left to right, taking the pieces of a date and time.
class TextCursor {
public:
    explicit TextCursor(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_pos == m_text.size(); }

    bool take(QChar c)
    {
        if (atEnd() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }

    int skipBlanks()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t'))
            ++m_pos;
        return static_cast<int>(m_pos - start);
    }

    // A run of minDigits to maxDigits ASCII digits, not followed by another digit.
    std::optional<int> number(int minDigits, int maxDigits)
    {
        int value = 0;
        int count = 0;
        while (!atEnd() && m_text[m_pos] >= u'0' && m_text[m_pos] <= u'9') {
            if (++count > maxDigits)
                return std::nullopt;
            value = value * 10 + (m_text[m_pos].unicode() - u'0');
            ++m_pos;
        }
        if (count < minDigits)
            return std::nullopt;
        return value;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

std::optional<QDate> readDate(TextCursor& cursor)
{
    const std::optional<int> day = cursor.number(1, 2);
    if (!day || !cursor.take(u'/'))
        return std::nullopt;
    const std::optional<int> month = cursor.number(1, 2);
    if (!month || !cursor.take(u'/'))
        return std::nullopt;
    const std::optional<int> year = cursor.number(4, 4);
    if (!year || *year < 1)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> readTime(TextCursor& cursor)
{
    const std::optional<int> hour = cursor.number(1, 2);
    if (!hour || !cursor.take(u':'))
        return std::nullopt;
    const std::optional<int> minute = cursor.number(1, 2);
    if (!minute)
        return std::nullopt;
    int second = 0;
    if (cursor.take(u':')) {
        const std::optional<int> seconds = cursor.number(1, 2);
        if (!seconds)
            return std::nullopt;
        second = *seconds;
    }
    if (!QTime::isValid(*hour, *minute, second))
        return std::nullopt;
    return QTime(*hour, *minute, second);
}

} // namespace

double dayCountFromDate(const QDate& date)
{
    if (!date.isValid())
        return 0.0;
    return static_cast<double>(date.toJulianDay() - kDayZeroJulianDay);
}

double dayCountFromDateTime(const QDateTime& moment)
{
    if (!moment.isValid())
        return 0.0;
    const QDateTime local = moment.toLocalTime();
    return joinDayAndTime(dayCountFromDate(local.date()), timeOfDayFraction(local.time()));
}

double timeOfDayFraction(const QTime& time)
{
    if (!time.isValid())
        return 0.0;
    return static_cast<double>(time.msecsSinceStartOfDay()) / static_cast<double>(kMsecsPerDay);
}

QDate dateFromDayCount(double dayCount)
{
    const std::optional<DayAndTime> split = splitDayCount(dayCount);
    return split ? split->date : QDate();
}

QString formatDayCountDate(double dayCount)
{
    std::optional<DayAndTime> split = splitDayCount(dayCount);
    if (!split)
        return {};
    // A time a hair before midnight rounds to the next day's 00:00:00, never to 24:00:00.
    if (split->msecs >= kMsecsPerDay) {
        split->date = split->date.addDays(1);
        split->msecs = 0;
    }
    const QDate& date = split->date;
    if (!date.isValid() || date.year() > 9999)
        return {};
    QString text = twoDigits(date.day()) + u'/' + twoDigits(date.month()) + u'/'
        + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    // The time is shown to the second, and only when it is not midnight: a fraction too small to
    // reach a second is no time of day, and the text must read back as the same text.
    const int seconds = static_cast<int>(split->msecs / 1000);
    if (seconds != 0) {
        text += u' ' + twoDigits(seconds / 3600) + u':' + twoDigits(seconds / 60 % 60) + u':'
            + twoDigits(seconds % 60);
    }
    return text;
}

std::optional<double> parseDateText(QStringView text)
{
    TextCursor cursor(text);
    cursor.skipBlanks();
    const std::optional<QDate> date = readDate(cursor);
    if (!date)
        return std::nullopt;
    double timeFraction = 0.0;
    if (cursor.skipBlanks() > 0 && !cursor.atEnd()) {
        const std::optional<QTime> time = readTime(cursor);
        if (!time)
            return std::nullopt;
        timeFraction = timeOfDayFraction(*time);
        cursor.skipBlanks();
    }
    if (!cursor.atEnd())
        return std::nullopt;
    return joinDayAndTime(dayCountFromDate(*date), timeFraction);
}

} // namespace belvane

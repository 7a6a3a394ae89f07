#pragma once
// Dates travel through the program's files as day counts: a double whose integer part counts days
// from 30 December 1899 (day 0) and whose fraction is the time of day (0.5 is noon). Before that
// day the count is negative, and the fraction still means the time of day: the sign belongs to the
// day alone, so -1.25 is 29/12/1899 at 06:00.
//
// The counts come from files users carry from machine to machine; a count that is not a number or
// lies outside the years 1 to 9999 is no date, and every function here answers it with an empty
// result rather than a wrong or endless computation. Text is always "dd/mm/yyyy", day first,
// whatever the system locale says.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace belvane {

// An invalid date counts as 0, the empty date of the files.
double dayCountFromDate(const QDate& date);
// The moment as the local wall clock reads it: its day plus its time of day.
double dayCountFromDateTime(const QDateTime& moment);
// The part of the day gone by at that time: 12:00 is 0.5. An invalid time gives 0.
double timeOfDayFraction(const QTime& time);

// The day a count falls on; invalid for NaN, infinities and counts outside the years 1 to 9999.
QDate dateFromDayCount(double dayCount);

// "dd/mm/yyyy", followed by a blank and "hh:mm:ss" when the count has a time of day that is not
// midnight to the second. Empty when the count is no date.
QString formatDayCountDate(double dayCount);

// Reads "dd/mm/yyyy" (single-digit day and month too) with an optional time "hh:mm" or
// "hh:mm:ss" after a blank; blanks around are allowed. No value when the text spells no such date.
std::optional<double> parseDateText(QStringView text);

} // namespace belvane

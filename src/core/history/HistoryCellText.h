#pragma once
// How a history cell turns into text and back, by the kind of its column. The history file, the
// search and the report all see cells through these texts, so they must be the same on every
// machine: numbers in the general form with a decimal comma ("120,5", "1500", "0"), dates as
// "dd/mm/yyyy", check boxes as "True" or "False".
#include <QString>
#include <QStringView>

#include <optional>

namespace belvane {

// General number form: shortest text of at most 15 significant digits, decimal comma.
QString historyNumberText(double value);
// The number the text spells; an empty text is 0; no value when the text is no number.
std::optional<double> readHistoryNumber(QStringView text);

// "dd/mm/yyyy" (and the time of day when the count has one); a count of 0 is an empty date and
// reads as an empty text, so an empty cell stays empty through a write and a read.
QString historyDateText(double dayCount);
// The day count the text spells; an empty text is 0; no value when the text is no date.
std::optional<double> readHistoryDate(QStringView text);

QString historyCheckText(bool checked);
// True for "1" and for "true" in any letter case; false for anything else.
bool readHistoryCheck(QStringView text);
// True for the texts a check box cell is normally written as: "True", "False" (any case), "1",
// "0" or nothing. Any other text still reads as false but was not written by the program.
bool isPlainCheckText(QStringView text);

// The budget number in column 0 read as an integer; no value for any other text.
std::optional<int> readHistoryBudgetNumber(QStringView text);

} // namespace belvane

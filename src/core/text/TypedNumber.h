#pragma once
// A number as a user types it into a field. A Brazilian writes "3.100,50"; a user used to other
// programs, or pasting from them, writes "3100.50". A dot that groups thousands ("1.500",
// "12.345.678", each group after a dot exactly three digits) is read as grouping; a single dot
// that does not ("119.61", "12.5", "3100.50") can only be the decimal mark and is read as one.
// Anything else with a dot ("1.2.3", a dot beside a comma out of place) is no number: the field
// refuses it with its hint, never multiplying the value by a hundred in silence.
#include <QStringView>

#include <optional>

namespace belvane {

// The value the typed text spells, or none.
std::optional<double> parseTypedNumber(QStringView text);

// Whether the text is on its way to a number as the user types: empty, a sign alone, or ending in
// the comma or a dot.
bool isUnfinishedTypedNumber(QStringView text);

} // namespace belvane

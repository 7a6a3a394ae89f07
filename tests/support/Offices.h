#pragma once
// Quick ways to fill an office record the way the office page leaves it.
#include "core/office/OfficeRecord.h"

#include <QStringView>

namespace belvane::test {

// Fills one staff slot; the staff count is left as it is.
void setStaffMember(TOfficeData& office, int slot, QStringView name, QStringView type, float cost);

// Puts in the man-hours the office page offers by default (category 3 "Média": 12) in place of the
// record's own; the first column, the category, stays.
void setOfficePageManHours(TOfficeData& office);

} // namespace belvane::test

#pragma once
// Records as the program starts them (a new budget, the default office, the default status
// colours), and the budget and office records a test reads back from disk. A file that does not
// read whole fails the test.
#include "core/budget/BudgetRecord.h"
#include "core/office/OfficeRecord.h"
#include "core/settings/StatusColors.h"

#include <QString>

namespace belvane::test {

TBudgetData newBudget();
TOfficeData defaultOffice();
TStatusColors defaultStatusColors();

TBudgetData storedBudget(const QString& path);
TOfficeData storedOffice(const QString& path);

} // namespace belvane::test

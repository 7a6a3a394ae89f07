#pragma once
// The fields a budget cannot do without: the client's name, the area, the full classification,
// the man-hours, and a technical team that costs something. They are checked in a fixed order
// and the first one missing is named to the user, on the sub-page where it is entered.
#include "core/budget/BudgetRecord.h"

#include <QString>

namespace belvane {

inline constexpr int kBudgetValid = -1;
inline constexpr int kLastDataField = 5;   // fields 0..5 are entered on "Dados", 6..8 on "Recursos"

// Index of the first required field that is empty or zero: 0 client name, 1 area, 2 building
// use, 3 building type, 4 service group, 5 service, 6 man-hours, 7 team cost, 8 team members;
// kBudgetValid when all are present. Single values are compared with zero exactly.
int ValidateBudget(const TBudgetData& budget);

// The message that names the missing field of the given index.
QString validationMessage(int index);

} // namespace belvane

#pragma once
// How many characters each text field the user types keeps in its record: the client and the
// project code of a budget, the office's name, its staff (whose names and roles a budget's team
// copies) and its expense names. Taken from the records themselves, so they follow the layout.
#include "core/budget/BudgetRecord.h"
#include "core/office/OfficeRecord.h"
#include "core/text/TextCapacity.h"

namespace belvane::textCapacity {

inline constexpr int kClientName = capacityOf<decltype(TBudgetData::ClientName)>;
inline constexpr int kClientAddress = capacityOf<decltype(TBudgetData::ClientAddress)>;
inline constexpr int kClientPhone = capacityOf<decltype(TBudgetData::ClientPhone)>;
inline constexpr int kClientEmail = capacityOf<decltype(TBudgetData::ClientEmail)>;
inline constexpr int kProjectCode = capacityOf<decltype(TBudgetData::ProjectCode)>;

inline constexpr int kOfficeName = capacityOf<decltype(TOfficeData::Name)>;
inline constexpr int kStaffName = capacityOf<decltype(TOfficeData::StaffName)>;
inline constexpr int kStaffRole = capacityOf<decltype(TOfficeData::StaffRole)>;
inline constexpr int kExpenseName = capacityOf<decltype(TOfficeData::FixedExpenseName)>;

// A member picked for a budget's team must fit the team's entries as it fits the office's.
static_assert(kStaffName == capacityOf<decltype(TBudgetData::TeamName)>);
static_assert(kStaffRole == capacityOf<decltype(TBudgetData::TeamRole)>);
static_assert(kExpenseName == capacityOf<decltype(TOfficeData::VariableExpenseName)>);

} // namespace belvane::textCapacity

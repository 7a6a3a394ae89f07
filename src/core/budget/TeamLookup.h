#pragma once
// The technical team of a budget is chosen from the office's staff list. Only technical staff
// ("Técnico") is offered, but a member already on a budget is found by name whatever kind of staff
// the office lists him as now, so his function and cost can be refreshed from the current office.
#include "core/office/OfficeRecord.h"

#include <QStringList>

namespace belvane {

// Names of the office's technical staff, in staff-list order.
QStringList technicalStaffNames(const TOfficeData& office);

// Index of the first staff entry with exactly this name, any kind of staff; -1 when there is none.
int findStaffMember(const TOfficeData& office, const QString& name);

} // namespace belvane

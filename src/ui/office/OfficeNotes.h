#pragma once
// The fixed explanatory notes of the office page: what the staff list holds, what the office
// standards mean, and how the man-hours table is read. Each is shown in a read-only memo beside
// the controls it explains and opened or closed by its switch.
#include <QString>

namespace belvane {

// The staff note NxMemo2 beside the staff list: what each column of the list holds.
QString staffNote();

// The note NxMemo5 on the office standards A+, A, B and C.
QString officeStandardsNote();

// The note NxMemo3 on the man-hours table and the three complexities.
QString manHoursNote();

} // namespace belvane

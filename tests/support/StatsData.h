#pragma once
// An office with realistic monthly costs and a history of two years, shared by the statistics
// page tests and the page's screenshots, and a quick way to spell one history row as the
// statistics read it.
#include "core/office/OfficeRecord.h"
#include "core/stats/YearStatistics.h"

#include <QList>

namespace belvane::test {

// A history row from its edit date, negotiated value and status, as the history shows them.
HistoryStatRow statRow(const char* date, const char* value, const char* status);

TOfficeData statsOffice();
QList<HistoryStatRow> statsHistory();

} // namespace belvane::test

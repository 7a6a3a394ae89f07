#pragma once
// Quick ways to see what a history table holds.
#include "core/history/HistoryTable.h"

#include <QStringList>

namespace belvane::test {

// The texts of one column, top to bottom.
QStringList columnTexts(const HistoryTable& table, int column);

} // namespace belvane::test

#pragma once
// A budget's own file "ORC######.bvp" in the projects folder: one TBudgetData record.
#include "core/budget/BudgetRecord.h"
#include "core/storage/RecordFile.h"

namespace belvane {

// "ORC" + the number with at least six digits + ".bvp": 7 -> "ORC000007.bvp".
QString BudgetFileName(qint64 number);

RecordRead ReadBudgetFile(TBudgetData& budget, const QString& path);
IoResult WriteBudgetFile(const TBudgetData& budget, const QString& path);

} // namespace belvane

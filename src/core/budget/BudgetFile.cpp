#include "core/budget/BudgetFile.h"

namespace belvane {

QString BudgetFileName(qint64 number)
{
    return QStringLiteral("ORC%1.bvp").arg(number, 6, 10, QLatin1Char('0'));
}

RecordRead ReadBudgetFile(TBudgetData& budget, const QString& path)
{
    return readRecordFile(budget, path);
}

IoResult WriteBudgetFile(const TBudgetData& budget, const QString& path)
{
    return writeRecordFile(budget, path);
}

} // namespace belvane

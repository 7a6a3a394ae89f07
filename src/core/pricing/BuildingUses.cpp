#include "core/pricing/BuildingUses.h"

#include "core/budget/BudgetFile.h"
#include "core/storage/FileLookup.h"

namespace belvane {

QString BuildingUses::of(int number)
{
    if (const auto known = m_uses.constFind(number); known != m_uses.cend())
        return *known;
    QString use;
    const QString path = findFileIgnoringCase(m_projectsDir, BudgetFileName(number));
    TBudgetData budget = zeroBudget();
    if (!path.isEmpty() && ReadBudgetFile(budget, path).state == RecordReadState::Read)
        use = budget.BuildingUse.toQString();
    m_uses.insert(number, use);
    return use;
}

} // namespace belvane

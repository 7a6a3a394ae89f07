#include "core/pricing/BuildingUses.h"

#include "core/budget/BudgetFile.h"
#include "core/storage/FileLookup.h"
#include "core/store/ExtensionStore.h"

#include <algorithm>

namespace belvane {

QString BuildingUses::of(int number)
{
    if (const auto known = m_uses.constFind(number); known != m_uses.cend())
        return *known;
    if (m_store && !covered(number)) {
        const QHash<int, QString> stored = m_store->buildingUses().all();
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            m_uses.insert(it.key(), it.value());
        m_allLoaded = true;
        if (const auto known = m_uses.constFind(number); known != m_uses.cend())
            return *known;
    }
    QString use;
    const QString path = findFileIgnoringCase(m_projectsDir, BudgetFileName(number));
    TBudgetData budget = zeroBudget();
    if (!path.isEmpty() && ReadBudgetFile(budget, path).state == RecordReadState::Read) {
        use = budget.BuildingUse.toQString();
        m_newlyRead.insert(number, use);
    }
    m_uses.insert(number, use);
    return use;
}

bool BuildingUses::covered(int number) const
{
    if (m_allLoaded)
        return true;
    return std::any_of(m_loadedRanges.begin(), m_loadedRanges.end(), [number](const auto& range) {
        return range.first <= number && number <= range.second;
    });
}

void BuildingUses::prefetch(int first, int last)
{
    if (!m_store || first > last || (covered(first) && covered(last)))
        return;
    const QHash<int, QString> stored = m_store->buildingUses().between(first, last);
    for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
        if (!m_uses.contains(it.key()))
            m_uses.insert(it.key(), it.value());
    }
    m_loadedRanges.emplace_back(first, last);
}

void BuildingUses::remember(int number, const QString& use)
{
    m_uses.insert(number, use);
    m_newlyRead.insert(number, use);
    storeNewlyRead();
}

void BuildingUses::storeNewlyRead()
{
    if (!m_store || m_newlyRead.isEmpty() || m_store->database().readOnly() || !m_store->database().isOpen())
        return;
    if (m_store->buildingUses().save(m_newlyRead).ok())
        m_newlyRead.clear();
}

void BuildingUses::forget()
{
    m_uses.clear();
    m_newlyRead.clear();
    m_allLoaded = false;
    m_loadedRanges.clear();
}

} // namespace belvane

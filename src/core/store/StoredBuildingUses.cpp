#include "core/store/StoredBuildingUses.h"

#include "core/store/ExtensionDatabase.h"
#include "core/store/StoredValues.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <limits>

namespace belvane {

QHash<int, QString> StoredBuildingUses::all() const
{
    return between(0, std::numeric_limits<int>::max());
}

QHash<int, QString> StoredBuildingUses::between(int first, int last) const
{
    QHash<int, QString> uses;
    m_database.select(
        kMadeIn, QStringLiteral("SELECT budget_number, building_use FROM budget_uses WHERE budget_number BETWEEN ? AND ?"),
        {first, last}, [&](const QSqlQuery& row) { uses.insert(row.value(0).toInt(), row.value(1).toString()); });
    return uses;
}

IoResult StoredBuildingUses::save(const QHash<int, QString>& uses)
{
    if (uses.isEmpty())
        return IoResult::success();
    std::vector<QVariantList> rows;
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
        rows.push_back({it.key(), storedText(it.value())});
    return m_database.transaction(QStringLiteral("Os usos dos orçamentos"), [&](QSqlDatabase& db) {
        return runForEach(db, QStringLiteral("INSERT OR REPLACE INTO budget_uses VALUES (?, ?)"), rows);
    });
}

} // namespace belvane

#pragma once
// The building use of saved budgets, by number (table budget_uses), which the history does not
// list: kept so the statistics need not read every budget file.
#include "core/storage/IoResult.h"

#include <QHash>
#include <QString>

namespace belvane {

class ExtensionDatabase;

class StoredBuildingUses {
public:
    // The schema version that made the table.
    static constexpr int kMadeIn = 6;

    explicit StoredBuildingUses(ExtensionDatabase& database) : m_database(database) {}

    QHash<int, QString> all() const;
    // Those of budgets `first` to `last`.
    QHash<int, QString> between(int first, int last) const;
    // Stores the uses given, replacing those of the same budgets, all or none.
    IoResult save(const QHash<int, QString>& uses);

private:
    ExtensionDatabase& m_database;
};

} // namespace belvane

#pragma once
// The status history of budgets in the database (table status_changes): every change of status
// or negotiated value, when it was made and, for a loss, why. Changes are added in one
// transaction, all or none; the database is made if the folder has none yet.
#include "core/history/StatusChange.h"
#include "core/storage/IoResult.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace belvane {

class ExtensionDatabase;

class StatusLog {
public:
    // The schema version that made the table.
    static constexpr int kMadeIn = 2;

    explicit StatusLog(ExtensionDatabase& database) : m_database(database) {}

    IoResult record(const std::vector<StatusChange>& changes);
    // The budget's changes in the order they were recorded.
    std::vector<StatusChange> of(int budgetNumber) const;
    // Whether the last decision the budget's status history records ("Aprovado", "Concluído" or
    // "Reprovado") was a win. Read once, then kept up to date by the changes recorded here; a
    // database that is not open is not opened for it (a seat that only reads may have none).
    bool lastDecisionWon(int budgetNumber) const;
    // For every budget from `first` to `last` that was ever lost: the reason given the last time
    // it was, by number (empty when none was given).
    QHash<int, QString> lostReasons(int first, int last) const;

    // For every budget whose status ever moved to `status`: the day it last did, by number.
    QHash<int, QDate> lastMovedTo(QStringView status) const;

private:
    void followDecisions(const std::vector<StatusChange>& changes);

    ExtensionDatabase& m_database;
    // The budgets whose last decision was a win, as read at generation m_readAt of the database.
    mutable std::optional<QSet<int>> m_won;
    mutable std::uint64_t m_readAt = 0;
};

} // namespace belvane

#include "core/store/StatusLog.h"

#include "core/budget/StatusWords.h"
#include "core/store/ExtensionDatabase.h"
#include "core/store/StoredValues.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace belvane {

IoResult StatusLog::record(const std::vector<StatusChange>& changes)
{
    if (changes.empty())
        return IoResult::success();
    std::vector<QVariantList> rows;
    for (const StatusChange& change : changes)
        rows.push_back({change.budgetNumber, change.at.toString(Qt::ISODate), storedText(change.field),
                        storedText(change.oldValue), storedText(change.newValue), storedText(change.reason)});
    const IoResult committed = m_database.transaction(QStringLiteral("As mudanças de status"), [&](QSqlDatabase& db) {
        return runForEach(db,
                          QStringLiteral("INSERT INTO status_changes (budget_number, changed_at, field, "
                                         "old_value, new_value, reason) VALUES (?, ?, ?, ?, ?, ?)"),
                          rows);
    });
    if (committed.ok())
        followDecisions(changes);
    return committed;
}

void StatusLog::followDecisions(const std::vector<StatusChange>& changes)
{
    if (!m_won || m_readAt != m_database.generation())
        return;
    for (const StatusChange& change : changes) {
        if (change.field != kStatusField || !isDecidedStatus(change.newValue))
            continue;
        if (change.newValue == kStatusRejected)
            m_won->remove(change.budgetNumber);
        else
            m_won->insert(change.budgetNumber);
    }
}

std::vector<StatusChange> StatusLog::of(int budgetNumber) const
{
    std::vector<StatusChange> changes;
    m_database.select(kMadeIn,
                      QStringLiteral("SELECT changed_at, field, old_value, new_value, reason FROM status_changes "
                                     "WHERE budget_number = ? ORDER BY id"),
                      {budgetNumber}, [&](const QSqlQuery& row) {
                          changes.push_back({budgetNumber,
                                             QDateTime::fromString(row.value(0).toString(), Qt::ISODate),
                                             row.value(1).toString(), row.value(2).toString(),
                                             row.value(3).toString(), row.value(4).toString()});
                      });
    return changes;
}

bool StatusLog::lastDecisionWon(int budgetNumber) const
{
    if (!m_database.isOpen())
        return false;
    if (!m_won || m_readAt != m_database.generation()) {
        QSet<int> won;
        // SQLite gives the other columns of the row that holds the max().
        m_database.select(kMadeIn,
                          QStringLiteral("SELECT budget_number, new_value, max(id) FROM status_changes WHERE "
                                         "field = 'status' AND new_value IN ('Aprovado', 'Concluído', "
                                         "'Reprovado') GROUP BY budget_number"),
                          {}, [&](const QSqlQuery& row) {
                              if (row.value(1).toString() != kStatusRejected)
                                  won.insert(row.value(0).toInt());
                          });
        m_won = std::move(won);
        m_readAt = m_database.generation();
    }
    return m_won->contains(budgetNumber);
}

QHash<int, QString> StatusLog::lostReasons(int first, int last) const
{
    QHash<int, QString> reasons;
    // Later losses come later and replace the earlier reason.
    m_database.select(kMadeIn,
                      QStringLiteral("SELECT budget_number, reason FROM status_changes WHERE budget_number "
                                     "BETWEEN ? AND ? AND field = ? AND new_value = 'Reprovado' ORDER BY id"),
                      {first, last, kStatusField.toString()},
                      [&](const QSqlQuery& row) { reasons.insert(row.value(0).toInt(), row.value(1).toString()); });
    return reasons;
}

QHash<int, QDate> StatusLog::lastMovedTo(QStringView status) const
{
    QHash<int, QDate> days;
    // Later changes come later and replace the earlier day.
    m_database.select(kMadeIn,
                      QStringLiteral("SELECT budget_number, changed_at FROM status_changes "
                                     "WHERE field = ? AND new_value = ? ORDER BY id"),
                      {kStatusField.toString(), status.toString()}, [&](const QSqlQuery& row) {
                          days.insert(row.value(0).toInt(),
                                      QDateTime::fromString(row.value(1).toString(), Qt::ISODate).date());
                      });
    return days;
}

} // namespace belvane

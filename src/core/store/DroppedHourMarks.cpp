#include "core/store/DroppedHourMarks.h"

#include "core/store/ExtensionDatabase.h"
#include "core/store/StoredValues.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace belvane {

HourDropMarks DroppedHourMarks::all() const
{
    HourDropMarks marks;
    m_database.select(
        kMadeIn, QStringLiteral("SELECT dropped_budget, journal, last_sequence FROM dropped_hours"), {},
        [&](const QSqlQuery& row) {
            marks[row.value(0).toInt()].insert(row.value(1).toString(), row.value(2).toLongLong());
        });
    return marks;
}

IoResult DroppedHourMarks::record(int budgetNumber, const HourJournalMarks& marks, const QDateTime& when)
{
    if (marks.isEmpty())
        return IoResult::success();
    std::vector<QVariantList> rows;
    const QString moment = when.toString(Qt::ISODate);
    for (auto it = marks.cbegin(); it != marks.cend(); ++it)
        rows.push_back({budgetNumber, storedText(it.key()), it.value(), moment});
    return m_database.transaction(
        QStringLiteral("As horas excluídas do orçamento %1").arg(budgetNumber), [&](QSqlDatabase& db) {
            return runForEach(db,
                              QStringLiteral("INSERT INTO dropped_hours VALUES (?, ?, ?, ?) "
                                             "ON CONFLICT (dropped_budget, journal) DO UPDATE SET "
                                             "last_sequence = max(last_sequence, excluded.last_sequence), "
                                             "dropped_at = excluded.dropped_at"),
                              rows);
        });
}

} // namespace belvane

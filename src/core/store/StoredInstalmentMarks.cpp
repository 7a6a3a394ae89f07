#include "core/store/StoredInstalmentMarks.h"

#include "core/store/ExtensionDatabase.h"
#include "core/store/StoredValues.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace belvane {
namespace {

const QString kInsertChange = QStringLiteral(
    "INSERT INTO instalment_mark_changes (budget_number, position, changed_at, field, old_value, new_value) "
    "VALUES (?, ?, ?, ?, ?, ?)");

QVariant storedDate(const QDate& date)
{
    return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant(QStringLiteral(""));
}

InstalmentMark markFrom(const QSqlQuery& row, int first)
{
    InstalmentMark mark;
    mark.position = row.value(first).toInt();
    mark.billedOn = QDate::fromString(row.value(first + 1).toString(), Qt::ISODate);
    mark.receivedOn = QDate::fromString(row.value(first + 2).toString(), Qt::ISODate);
    mark.receivedValue = row.value(first + 3).toDouble();
    return mark;
}

} // namespace

std::vector<InstalmentMark> StoredInstalmentMarks::of(int budgetNumber) const
{
    std::vector<InstalmentMark> marks;
    m_database.select(
        kMadeIn,
        QStringLiteral("SELECT position, billed_on, received_on, received_value FROM instalment_marks "
                       "WHERE budget_number = ? ORDER BY position"),
        {budgetNumber}, [&](const QSqlQuery& row) { marks.push_back(markFrom(row, 0)); });
    return marks;
}

QHash<int, std::vector<InstalmentMark>> StoredInstalmentMarks::all() const
{
    QHash<int, std::vector<InstalmentMark>> marks;
    m_database.select(kMadeIn,
                      QStringLiteral("SELECT budget_number, position, billed_on, received_on, received_value "
                                     "FROM instalment_marks ORDER BY budget_number, position"),
                      {},
                      [&](const QSqlQuery& row) { marks[row.value(0).toInt()].push_back(markFrom(row, 1)); });
    return marks;
}

IoResult StoredInstalmentMarks::mark(int budgetNumber, const InstalmentMark& mark, const QDateTime& at)
{
    InstalmentMark before{mark.position, {}, {}, 0};
    for (const InstalmentMark& kept : of(budgetNumber)) {
        if (kept.position == mark.position)
            before = kept;
    }
    std::vector<QVariantList> changes;
    for (const InstalmentMarkChange& change : markChanges(budgetNumber, before, mark, at))
        changes.push_back({budgetNumber, change.position, at.toString(Qt::ISODate), change.field,
                           storedText(change.oldValue), storedText(change.newValue)});
    if (changes.empty())
        return IoResult::success();
    const QString what =
        QStringLiteral("As marcas da parcela %1 do orçamento %2").arg(mark.position).arg(budgetNumber);
    return m_database.transaction(what, [&](QSqlDatabase& db) {
        const bool cleared = runForEach(
            db, QStringLiteral("DELETE FROM instalment_marks WHERE budget_number = ? AND position = ?"),
            {{budgetNumber, mark.position}});
        const std::vector<QVariantList> kept{{budgetNumber, mark.position, storedDate(mark.billedOn),
                                              storedDate(mark.receivedOn),
                                              mark.received() ? mark.receivedValue : 0.0}};
        return cleared
            && (mark.empty()
                || runForEach(db, QStringLiteral("INSERT INTO instalment_marks VALUES (?, ?, ?, ?, ?)"),
                              kept))
            && runForEach(db, kInsertChange, changes);
    });
}

std::vector<InstalmentMarkChange> StoredInstalmentMarks::changesOf(int budgetNumber) const
{
    std::vector<InstalmentMarkChange> changes;
    m_database.select(kMadeIn,
                      QStringLiteral("SELECT position, changed_at, field, old_value, new_value FROM "
                                     "instalment_mark_changes WHERE budget_number = ? ORDER BY id"),
                      {budgetNumber}, [&](const QSqlQuery& row) {
                          changes.push_back({budgetNumber, row.value(0).toInt(),
                                             QDateTime::fromString(row.value(1).toString(), Qt::ISODate),
                                             row.value(2).toString(), row.value(3).toString(),
                                             row.value(4).toString()});
                      });
    return changes;
}

bool StoredInstalmentMarks::dropBeyond(QSqlDatabase& db, int budgetNumber, int count, const QDateTime& at)
{
    const std::vector<QVariantList> beyond{{budgetNumber, count}};
    return runForEach(
               db,
               QStringLiteral("INSERT INTO instalment_mark_changes (budget_number, position, changed_at, "
                              "field, old_value, new_value) SELECT budget_number, position, '%1', '%2', "
                              "'', '' FROM instalment_marks WHERE budget_number = ? AND position > ?")
                   .arg(at.toString(Qt::ISODate), kDroppedField.toString()),
               beyond)
        && runForEach(db,
                      QStringLiteral("DELETE FROM instalment_marks WHERE budget_number = ? AND position > ?"),
                      beyond);
}

} // namespace belvane

#include "core/store/PendingEditsJournal.h"

#include "core/store/ExtensionDatabase.h"
#include "core/store/StoredValues.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace belvane {

std::vector<PendingRowEdit> PendingEditsJournal::all() const
{
    std::vector<PendingRowEdit> edits;
    m_database.select(kMadeIn,
                      QStringLiteral("SELECT budget_number, edited_at, status_before, negotiated_before, reason, "
                                     "status, negotiated, phone, project_code FROM pending_row_edits"),
                      {}, [&](const QSqlQuery& row) {
                          PendingRowEdit edit;
                          edit.budgetNumber = row.value(0).toInt();
                          edit.at = QDateTime::fromString(row.value(1).toString(), Qt::ISODate);
                          edit.before = {row.value(2).toString(), row.value(3).toFloat()};
                          edit.reason = row.value(4).toString();
                          edit.status = row.value(5).toString();
                          edit.negotiated = row.value(6).toString();
                          edit.phone = row.value(7).toString();
                          edit.projectCode = row.value(8).toString();
                          edits.push_back(std::move(edit));
                      });
    return edits;
}

IoResult PendingEditsJournal::replace(const std::vector<PendingRowEdit>& edits)
{
    if (edits.empty() && !m_database.exists())
        return IoResult::success();
    std::vector<QVariantList> rows;
    for (const PendingRowEdit& edit : edits) {
        rows.push_back({edit.budgetNumber, storedText(edit.at.toString(Qt::ISODate)),
                        storedText(edit.before.status), double(edit.before.negotiated), storedText(edit.reason),
                        storedText(edit.status), storedText(edit.negotiated), storedText(edit.phone),
                        storedText(edit.projectCode)});
    }
    return m_database.transaction(QStringLiteral("As alterações do histórico"), [&](QSqlDatabase& db) {
        return QSqlQuery(db).exec(QStringLiteral("DELETE FROM pending_row_edits"))
            && runForEach(db, QStringLiteral("INSERT INTO pending_row_edits VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                          rows);
    });
}

} // namespace belvane

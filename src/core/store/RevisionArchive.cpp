#include "core/store/RevisionArchive.h"

#include "core/store/ExtensionDatabase.h"
#include "core/store/StoredValues.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace belvane {

IoResult RevisionArchive::keep(int budgetNumber, const QByteArray& previousFile, const QDateTime& at,
                               const std::function<IoResult()>& replaceFile)
{
    IoResult replaced = IoResult::success();
    const IoResult kept = m_database.transaction(
        QStringLiteral("As revisões do orçamento %1").arg(budgetNumber), [&](QSqlDatabase& db) {
            // The next number is worked out inside the transaction that stores it: two revisions
            // never share one.
            if (!runForEach(db,
                            QStringLiteral("INSERT INTO budget_revisions SELECT ?, coalesce(max(revision), 0) + 1, "
                                           "?, ? FROM budget_revisions WHERE budget_number = ?"),
                            {{budgetNumber, at.toString(Qt::ISODate), previousFile, budgetNumber}}))
                return false;
            if (replaceFile)
                replaced = replaceFile();
            return replaced.ok();
        });
    return replaced.ok() ? kept : replaced;
}

std::vector<BudgetRevision> RevisionArchive::of(int budgetNumber) const
{
    std::vector<BudgetRevision> kept;
    m_database.select(kMadeIn,
                      QStringLiteral("SELECT revision, kept_at, file FROM budget_revisions WHERE budget_number = ? "
                                     "ORDER BY revision"),
                      {budgetNumber}, [&](const QSqlQuery& row) {
                          kept.push_back({row.value(0).toInt(),
                                          QDateTime::fromString(row.value(1).toString(), Qt::ISODate),
                                          row.value(2).toByteArray()});
                      });
    return kept;
}

} // namespace belvane

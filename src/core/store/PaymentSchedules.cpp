#include "core/store/PaymentSchedules.h"

#include "core/store/ExtensionDatabase.h"
#include "core/store/StoredInstalmentMarks.h"
#include "core/store/StoredValues.h"
#include "core/text/Clock.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace belvane {

PaymentSchedule PaymentSchedules::of(int budgetNumber) const
{
    std::vector<Instalment> instalments;
    m_database.select(kMadeIn,
                      QStringLiteral("SELECT stage, percent, due FROM payment_instalments WHERE budget_number = ? "
                                     "ORDER BY position"),
                      {budgetNumber}, [&](const QSqlQuery& row) {
                          instalments.push_back(
                              {row.value(0).toString(), row.value(1).toDouble(), row.value(2).toString()});
                      });
    return PaymentSchedule(std::move(instalments));
}

IoResult PaymentSchedules::save(int budgetNumber, const PaymentSchedule& schedule)
{
    std::vector<QVariantList> rows;
    int position = 0;
    for (const Instalment& instalment : schedule.instalments())
        rows.push_back({budgetNumber, ++position, storedText(instalment.stage), instalment.percent,
                        storedText(instalment.due)});
    return m_database.transaction(QStringLiteral("As parcelas do orçamento %1").arg(budgetNumber), [&](QSqlDatabase& db) {
        return runForEach(db, QStringLiteral("DELETE FROM payment_instalments WHERE budget_number = ?"),
                          {{budgetNumber}})
            && runForEach(db, QStringLiteral("INSERT INTO payment_instalments VALUES (?, ?, ?, ?, ?)"), rows)
            && StoredInstalmentMarks::dropBeyond(db, budgetNumber, position, Clock::now());
    });
}

} // namespace belvane

#pragma once
// A budget generated again takes the office's figures in force (tax, cost per hour, monthly
// hours, standard), whatever was renegotiated or priced before. The user is told which of them
// change, from what to what, so a renegotiated tax does not vanish behind a plain OK.
#include "core/budget/BudgetDraft.h"
#include "core/budget/BudgetRecord.h"
#include "core/office/OfficeRecord.h"

#include <QString>
#include <QStringList>

namespace belvane {

// One line per figure the office replaces ("Imposto: 11,7 % → 11,3 % (escritório)"); none when
// the budget already holds the office's figures.
QStringList regenerationReplacements(const TBudgetData& budget, const TOfficeData& office);

// The notice shown before a stored budget is generated again; figures are listed only for a
// budget that was priced (a budget never generated has none to lose).
QString regenerationNotice(const BudgetDraft& budget, const TOfficeData& office);

} // namespace belvane

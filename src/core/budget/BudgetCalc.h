#pragma once
// The price of a commission. The man-hours are spread over the technical team, which gives the
// execution time; weighted by the complexity factor, that time is charged at each member's hourly
// cost and at the office's hourly overhead. Travel and the services of other firms are added to
// give the office's own expenses; the office-standard addition, the repetition discount, the
// desired profit and the registration fee (RRT) adjust that amount; finally the taxes are charged
// on top of the quoted value itself, so the tax rate applies to the value the client pays.
//
// Every stored figure is rounded to single precision where it is stored, and later steps read the
// rounded figure, so the results agree to the cent with the budgets already on file.
#include "core/budget/BudgetRecord.h"

#include <QString>

namespace belvane {

enum class BudgetFault {
    None,
    NoTeam,               // no technical team member: nothing past the man-hours is computed
    ZeroMonthlyHours,     // the office works no hours per month: no hourly cost exists
    TaxNotBelowHundred,   // with taxes of 100 % or more the quoted value does not exist
    ZeroTeamEquivalent,   // the team takes no part in the project: no execution time exists
    ZeroArea,             // the value per m2 does not exist; the quoted value is already stored
    Overflow,             // a figure beyond the range of the stored numbers
};

struct BudgetComputation {
    BudgetFault fault = BudgetFault::None;

    bool ok() const { return fault == BudgetFault::None; }
    // The budget cannot be priced at all and the user must be told why; the result fields were
    // left exactly as the last calculation had them. The other faults are reported by the check
    // of the required fields (no team, no area).
    bool refused() const;
    // The Portuguese explanation of a refusal; empty for the other outcomes.
    QString message() const;
};

// The man-hours in force: the typed figure when the user chose it, otherwise the estimate from
// the tasks.
void chooseManHours(TBudgetData& budget);

// Computes the result fields of the budget from its input fields. Step by step: Hxh, the team
// equivalent, execution time, team cost, office share, own expenses, qualification addition,
// repetition discount, profit, quoted value, value per m2, taxes. A fault that stops the
// calculation part-way leaves the later fields as they were.
BudgetComputation ComputeBudget(TBudgetData& budget);

} // namespace belvane

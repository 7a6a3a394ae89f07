#pragma once
// Budgets for the tests: the worked example of the budget calculation (one member at 5000 a
// month, 100 man-hours, 10 % tax, 20 % profit, RRT 100, office standard 1.2, 100 m2) with the
// results the calculation stores, quick ways to give a budget a number and a client, and a budget
// saved into a projects folder the way the program saves one.
#include "core/budget/BudgetRecord.h"

#include <QString>

namespace belvane::test {

TBudgetData workedExampleBudget();

// The inputs of the worked example, nothing computed: one member at 100 % / 100 % costing 5000 a
// month, 160 monthly hours, 100 man-hours, Fc 1.0, 50 R$/h of office overhead, standard factor
// 1.2, no repetition, 20 % profit, RRT 100, 10 % tax, 100 m2.
TBudgetData oneMemberBudget();

// The worked example with another number and client.
TBudgetData numberedBudget(int number, const char16_t* client);

// A new budget as the history lists it: number, client, area and value, waiting ("Aguardando").
TBudgetData listedBudget(int number, const QString& client, float area, float value);

// Writes the budget's file into the projects folder (made when missing), then stores its history
// row, as a save does.
void saveBudgetTo(const QString& projectsDir, const TBudgetData& budget);

} // namespace belvane::test

#pragma once
// Two versions of a budget side by side: the figures a client or a partner asks about when a
// quote changed (scope, team, factors, costs, profit, tax, values), each as it reads in either
// version, with whether they differ.
#include "core/budget/BudgetRecord.h"

#include <QString>

#include <vector>

namespace belvane {

struct ComparedFigure {
    QString label;
    QString left;
    QString right;
    bool differs = false;
};

std::vector<ComparedFigure> compareBudgetVersions(const TBudgetData& left, const TBudgetData& right);

} // namespace belvane

#include "core/budget/BudgetRecord.h"
#include "core/budget/BudgetSaving.h"

#include <gtest/gtest.h>

using namespace belvane;

TEST(BudgetSavingTest, OverwritingABudgetNeverSavedIsItsFirstSave)
{
    TBudgetData budget = zeroBudget();
    NewBudgetRecord(budget);
    budget.Status.assign(u"Novo");
    EXPECT_TRUE(budgetSaveGivesNumber(budget, BudgetSaveKind::Overwrite));
    const BudgetSaveRequest request{BudgetSaveKind::Overwrite, QStringLiteral("C-1"),
                                    QDateTime(QDate(2026, 12, 9), QTime(10, 0)), 41};
    const PreparedBudgetSave save = prepareBudgetSave(budget, request);
    EXPECT_EQ(save.budget.Number, 41);
    EXPECT_EQ(save.budget.Status.toQString(), QStringLiteral("Aguardando"));
    EXPECT_TRUE(save.advancesCounter);

    // A budget that has its file is overwritten under its own number and status.
    TBudgetData stored = save.budget;
    stored.Status.assign(u"Editado");
    EXPECT_FALSE(budgetSaveGivesNumber(stored, BudgetSaveKind::Overwrite));
    const PreparedBudgetSave again = prepareBudgetSave(stored, request);
    EXPECT_EQ(again.budget.Number, 41);
    EXPECT_EQ(again.budget.Status.toQString(), QStringLiteral("Editado"));
    EXPECT_FALSE(again.advancesCounter);
}

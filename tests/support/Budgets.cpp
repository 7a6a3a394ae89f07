#include "support/Budgets.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryStore.h"
#include "core/text/DayCount.h"
#include "support/Records.h"

#include <QDate>
#include <QDir>

#include <gtest/gtest.h>

namespace belvane::test {

TBudgetData workedExampleBudget()
{
    TBudgetData b = newBudget();
    b.Number = 12;
    b.Status.assign(u"Aguardando");
    b.CreatedDate = dayCountFromDate(QDate(2020, 12, 8));
    b.EditedDate = dayCountFromDate(QDate(2020, 12, 9));
    b.ClientName.assign(u"Construtora Ípsilon");
    b.ClientPhone.assign(u"(11) 5555-0101");
    b.ClientEmail.assign(u"obras@ipsilon.com.br");
    b.ClientAddress.assign(u"Rua das Acácias, 45");
    b.BuildingUse.assign(u"Residencial");
    b.BuildingType.assign(u"Casa térrea");
    b.ServiceGroup.assign(u"Edificações");
    b.Service.assign(u"Projeto arquitetônico");
    b.ProjectCode.assign(u"PX-7");
    b.Area = 100.0f;
    b.Hxh = 100;
    b.TeamCount = 1;
    b.TeamCost[0] = 5000.0f;
    b.TeamEquivalent = 1.0f;
    b.ExecutionHours = 100.0f;
    b.TeamCostTotal = 3125.0f;
    b.CostPerHour = 50.0f;
    b.OfficeShare = 5000.0f;
    b.OwnExpenses = 8125.0f;
    b.StandardFactor = 1.2f;
    b.QualificationAddition = float((double(1.2f) - 1.0) * 8125.0);  // 1625.0004
    b.RepetitionDiscount = 0.0f;
    b.ProfitPercent = 20.0f;
    b.Profit = 1625.0f;
    b.RRT = 100.0f;
    b.TaxRate = 10.0f;
    b.BudgetValue = 12750.0f;
    b.ValuePerM2 = 127.5f;
    b.Taxes = 1275.0f;
    b.K1 = 1.2f;
    b.K2 = 35.7f;
    return b;
}

TBudgetData oneMemberBudget()
{
    TBudgetData b = newBudget();
    b.TeamCount = 1;
    b.TeamCost[0] = 5000.0f;
    b.MonthlyHours = 160.0f;
    b.HxhAutoValue = 100;
    b.ComplexityFactor = 1.0f;
    b.CostPerHour = 50.0f;
    b.StandardFactor = 1.2f;
    b.ProfitPercent = 20.0f;
    b.RRT = 100.0f;
    b.TaxRate = 10.0f;
    b.Area = 100.0f;
    return b;
}

TBudgetData numberedBudget(int number, const char16_t* client)
{
    TBudgetData b = workedExampleBudget();
    b.Number = static_cast<std::uint16_t>(number);
    b.ClientName.assign(client);
    return b;
}

TBudgetData listedBudget(int number, const QString& client, float area, float value)
{
    TBudgetData b = newBudget();
    b.Number = static_cast<std::uint16_t>(number);
    b.Status.assign(u"Aguardando");
    b.ClientName.assign(client);
    b.Area = area;
    b.BudgetValue = value;
    return b;
}

void saveBudgetTo(const QString& projectsDir, const TBudgetData& budget)
{
    QDir().mkpath(projectsDir);
    ASSERT_TRUE(WriteBudgetFile(budget, QDir(projectsDir).filePath(BudgetFileName(budget.Number))).ok());
    HistoryStore store(projectsDir);
    store.load();
    ASSERT_TRUE(store.storeBudget(budget).ok());
}

} // namespace belvane::test

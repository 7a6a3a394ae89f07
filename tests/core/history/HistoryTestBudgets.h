#pragma once
// Budgets for the history tests: the worked example of the budget calculation (one member at
// 5000 a month, 100 man-hours, 10 % tax, 20 % profit, RRT 100, office standard 1.2, 100 m2) with
// the results the calculation stores, and a quick way to give a budget a number and client.
#include "core/budget/BudgetRecord.h"
#include "core/text/DayCount.h"

#include <QDate>

namespace belvane::testing {

inline TBudgetData workedExampleBudget()
{
    TBudgetData b = zeroBudget();
    NewBudgetRecord(b);
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

inline TBudgetData numberedBudget(int number, const char16_t* client)
{
    TBudgetData b = workedExampleBudget();
    b.Number = static_cast<std::uint16_t>(number);
    b.ClientName.assign(client);
    return b;
}

} // namespace belvane::testing

#include "core/budget/BudgetRecord.h"

#include "core/budget/StatusWords.h"
#include "core/tables/ReferenceTables.h"
#include "core/text/Clock.h"
#include "core/text/DayCount.h"

#include <cstring>

namespace belvane {

TBudgetData zeroBudget()
{
    TBudgetData budget;
    std::memset(&budget, 0, sizeof budget);
    return budget;
}

namespace {

void resetResources(TBudgetData& budget)
{
    for (std::size_t i = 0; i < TaskNames.size(); ++i) {
        TBudgetTask& task = budget.Tasks[i];
        task.Name.assign(TaskNames[i]);
        task.Done = 0;
        task.Complexity.clear();
        task.Hxh = 0;
    }
    for (std::size_t i = 0; i < ComplexityIndicatorNames.size(); ++i) {
        TBudgetIndicator& indicator = budget.Indicators[i];
        indicator.Name.assign(ComplexityIndicatorNames[i]);
        indicator.Complexity.clear();
        indicator.IndexValue = 0.0f;
    }
    budget.TeamCount = 0;
    for (int i = 0; i < kBudgetSlots; ++i) {
        budget.TeamName[i].clear();
        budget.TeamRole[i].clear();
        budget.TeamType[i].clear();
        budget.TeamCost[i] = 0.0f;
        budget.TeamShare[i] = 100;
        budget.TeamProductivity[i] = 100;
    }
}

} // namespace

void NewBudgetRecord(TBudgetData& budget)
{
    const QDateTime now = Clock::now();
    budget.Version = 1.0f;
    budget.Number = 1;
    budget.Status.assign(kStatusNew);
    budget.CreatedDate = budget.EditedDate = dayCountFromDate(now.date());
    budget.CreatedTime = timeOfDayFraction(now.time());
    budget.ClientName.clear();
    budget.ClientAddress.clear();
    budget.ClientPhone.clear();
    budget.ClientEmail.clear();
    budget.Area = 0.0f;
    budget.MonthlyHours = 160.0f;
    budget.HxhManual = 0;
    budget.Hxh = budget.HxhManualValue = budget.HxhAutoValue = 0;
    resetResources(budget);
    budget.TeamEquivalent = budget.ExecutionHours = budget.TeamCostTotal = 0.0f;
    budget.BuildingUse.clear();
    budget.BuildingType.clear();
    budget.ServiceGroup.clear();
    budget.Service.clear();
    budget.ProjectCategory = 0;
    budget.RRT = budget.TravelExpenses = budget.ThirdParty = 0.0f;
    budget.Repetitions = 0;
    budget.RepetitionFactor = budget.ComplexityFactor = budget.StandardFactor = 1.0f;
    budget.ProfitPercent = 20.0f;
    budget.TaxRate = 0.0f;
    budget.QualificationAddition = budget.RepetitionDiscount = budget.OwnExpenses = 0.0f;
    budget.CostPerHour = budget.OfficeShare = budget.Profit = 0.0f;
    budget.K1 = budget.K2 = 0.0f;
    budget.OfficeStandard.assign(u"B");
    budget.Taxes = budget.BudgetValue = budget.NegotiatedValue = budget.ValuePerM2 = 0.0f;
    budget.ProjectCode.clear();
}

} // namespace belvane

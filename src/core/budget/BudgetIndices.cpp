#include "core/budget/BudgetIndices.h"

#include "core/budget/SingleRounding.h"
#include "core/text/NumberFormat.h"

namespace belvane {
namespace {

float shareOfOfficeCost(double value, const TOfficeData& office)
{
    if (!(office.CostWithTech > 0.0f))
        return 100.0f;
    return narrowToSingle(value * 100.0 / double(office.CostWithTech));
}

} // namespace

float K1AfterGeneration(const TBudgetData& budget, const TOfficeData& office)
{
    return shareOfOfficeCost(double(budget.BudgetValue) - double(budget.Taxes), office);
}

float K1AfterRenegotiation(const TBudgetData& budget, const TOfficeData& office)
{
    return shareOfOfficeCost(double(budget.BudgetValue), office);
}

float K2Of(const TBudgetData& budget, const TOfficeData& office)
{
    if (office.MonthlyHours == 0 || office.TechStaffCount == 0)
        return 100.0f;
    // Both products are whole numbers of hours.
    const qint64 hours = qint64(budget.Hxh) * 100;
    const qint64 staffHours = qint64(office.MonthlyHours) * office.TechStaffCount;
    return static_cast<float>(double(hours) / double(staffHours));
}

std::optional<double> exactZeroProfitValue(const TBudgetData& b)
{
    if (!(b.TaxRate < 100.0f))
        return std::nullopt;
    const double net = double(b.OwnExpenses) + double(b.QualificationAddition) - double(b.RepetitionDiscount)
                       + double(b.RRT);
    return net / (1.0 - double(b.TaxRate) / 100.0);
}

std::optional<float> zeroProfitValue(const TBudgetData& b)
{
    const std::optional<double> exact = exactZeroProfitValue(b);
    return exact ? roundToSingle(*exact) : std::nullopt;
}

QString zeroProfitCaption(float value)
{
    return formatNumber(value, u"0") + QStringLiteral(" -> lucro=0");
}

} // namespace belvane

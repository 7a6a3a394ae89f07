#include "core/budget/BudgetCalc.h"

#include "core/budget/SingleRounding.h"

#include <algorithm>

namespace belvane {
namespace {

int teamSize(const TBudgetData& b)
{
    return std::min<int>(b.TeamCount, kBudgetSlots);
}

// Full-time equivalent of the team: each member counts with participation times productivity.
float teamEquivalent(const TBudgetData& b)
{
    float e = 0.0f;
    for (int i = 0; i < teamSize(b); ++i) {
        const int product = int(b.TeamShare[i]) * int(b.TeamProductivity[i]);
        e = static_cast<float>(double(e) + product / 10000.0);
    }
    return e;
}

// Each member is charged the member's share of the weighted hours at the member's hourly cost
// (monthly cost over the office's monthly hours).
std::optional<float> teamCost(TBudgetData& b, float weightedHours)
{
    b.TeamCostTotal = 0.0f;
    for (int i = 0; i < teamSize(b); ++i) {
        const auto term = roundToSingle(double(b.TeamShare[i]) * double(b.TeamCost[i]) * double(weightedHours)
                                        / (100.0 * double(b.MonthlyHours)));
        if (!term)
            return std::nullopt;
        const auto total = roundToSingle(double(b.TeamCostTotal) + double(*term));
        if (!total)
            return std::nullopt;
        b.TeamCostTotal = *total;
    }
    return b.TeamCostTotal;
}

// Stores a figure rounded to single precision; false (field untouched) on overflow.
bool store(float& field, double value)
{
    const auto rounded = roundToSingle(value);
    if (rounded)
        field = *rounded;
    return rounded.has_value();
}

BudgetFault priceFromOwnExpenses(TBudgetData& b)
{
    const double own = b.OwnExpenses;
    if (!store(b.QualificationAddition, (double(b.StandardFactor) - 1.0) * own)
        || !store(b.RepetitionDiscount, (1.0 - double(b.RepetitionFactor)) * own)
        || !store(b.Profit, own * double(b.ProfitPercent) / 100.0))
        return BudgetFault::Overflow;
    // The taxes are charged on top: the quoted value is what remains after taxes, grossed up.
    const double net = own + double(b.Profit) + double(b.QualificationAddition) - double(b.RepetitionDiscount)
                       + double(b.RRT);
    if (!store(b.BudgetValue, net / (1.0 - double(b.TaxRate) / 100.0)))
        return BudgetFault::Overflow;
    if (b.Area == 0.0f)
        return BudgetFault::ZeroArea;
    if (!store(b.ValuePerM2, double(b.BudgetValue) / double(b.Area))
        || !store(b.Taxes, double(b.TaxRate) * double(b.BudgetValue) / 100.0))
        return BudgetFault::Overflow;
    return BudgetFault::None;
}

BudgetFault priceTeamTime(TBudgetData& b, float equivalent)
{
    b.TeamEquivalent = equivalent;
    if (!store(b.ExecutionHours, double(b.Hxh) / double(equivalent)))
        return BudgetFault::Overflow;
    // The weighted hours are only a step of the calculation; they are not stored.
    const auto weighted = roundToSingle(double(b.ExecutionHours) * double(b.ComplexityFactor));
    if (!weighted || !teamCost(b, *weighted) || !store(b.OfficeShare, double(*weighted) * double(b.CostPerHour)))
        return BudgetFault::Overflow;
    if (!store(b.OwnExpenses, double(b.TeamCostTotal) + double(b.OfficeShare) + double(b.TravelExpenses)
                                  + double(b.ThirdParty)))
        return BudgetFault::Overflow;
    return priceFromOwnExpenses(b);
}

} // namespace

void chooseManHours(TBudgetData& b)
{
    b.Hxh = b.HxhManual ? b.HxhManualValue : b.HxhAutoValue;
}

BudgetComputation ComputeBudget(TBudgetData& b)
{
    chooseManHours(b);
    if (b.TeamCount == 0)
        return {BudgetFault::NoTeam};
    // Refusals come before any result is touched, so the last valid figures stay in place.
    if (!(b.MonthlyHours > 0.0f))
        return {BudgetFault::ZeroMonthlyHours};
    if (!(b.TaxRate < 100.0f))
        return {BudgetFault::TaxNotBelowHundred};
    const float equivalent = teamEquivalent(b);
    if (!(equivalent > 0.0f))
        return {BudgetFault::ZeroTeamEquivalent};
    // Priced on a copy: a figure out of range must not leave half a calculation behind.
    TBudgetData priced = b;
    const BudgetFault fault = priceTeamTime(priced, equivalent);
    if (fault != BudgetFault::Overflow)
        b = priced;
    return {fault};
}

bool BudgetComputation::refused() const
{
    return fault == BudgetFault::ZeroMonthlyHours || fault == BudgetFault::TaxNotBelowHundred
           || fault == BudgetFault::ZeroTeamEquivalent || fault == BudgetFault::Overflow;
}

QString BudgetComputation::message() const
{
    switch (fault) {
    case BudgetFault::ZeroMonthlyHours:
        return QStringLiteral("O escritório está com 0 horas de trabalho por mês, e sem elas não há custo por "
                              "hora da equipe. Informe as horas mensais na página do escritório. O orçamento "
                              "não foi calculado.");
    case BudgetFault::TaxNotBelowHundred:
        return QStringLiteral("Os impostos precisam ser menores que 100 %: com impostos de 100 % ou mais não "
                              "existe valor de orçamento. Os últimos valores calculados foram mantidos.");
    case BudgetFault::ZeroTeamEquivalent:
        return QStringLiteral("A participação da equipe técnica neste projeto é de 0 %, e sem ela não há tempo "
                              "de execução. Informe a participação dos integrantes da equipe técnica. O "
                              "orçamento não foi calculado.");
    case BudgetFault::Overflow:
        return QStringLiteral("Os valores deste orçamento são grandes demais para serem calculados. Confira a "
                              "área, as horas e os custos informados. O orçamento não foi calculado.");
    default:
        return {};
    }
}

} // namespace belvane

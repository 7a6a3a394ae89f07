#include "core/stats/OfficeCostStatistics.h"

namespace belvane {
namespace {

// The named slots from the first on, up to the first slot without a name.
void appendNamedRun(QList<CostShare>& bars, const ShortString<30> (&names)[kExpenseSlots],
                    const float (&values)[kExpenseSlots])
{
    for (int slot = 0; slot < kExpenseSlots && !names[slot].isEmpty(); ++slot)
        bars.append({names[slot].toQString(), double(values[slot])});
}

} // namespace

OfficeCostStatistics officeCostStatistics(const TOfficeData& office)
{
    OfficeCostStatistics figures;
    figures.fixedTotal = office.FixedTotal;
    figures.variableTotal = office.VariableTotal;
    figures.supportStaffTotal = office.SupportStaffTotal;
    figures.costWithoutTech = office.CostWithoutTech;
    figures.techStaffTotal = office.TechStaffTotal;
    figures.costWithTech = office.CostWithTech;

    appendNamedRun(figures.expenseBars, office.FixedExpenseName, office.FixedExpenseValue);
    appendNamedRun(figures.expenseBars, office.VariableExpenseName, office.VariableExpenseValue);

    figures.groupSlices = {
        {QStringLiteral("Fixo"), double(office.FixedTotal)},
        {QStringLiteral("Variável"), double(office.VariableTotal)},
        {QStringLiteral("Apoio"), double(office.SupportStaffTotal)},
        {QStringLiteral("Técnico"), double(office.TechStaffTotal)},
    };
    return figures;
}

} // namespace belvane

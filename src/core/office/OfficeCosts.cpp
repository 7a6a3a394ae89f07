#include "core/office/OfficeCosts.h"

#include "core/office/OfficeRecord.h"

namespace belvane {
namespace {

// A running total is a single-precision number: the addition is exact in double precision,
// and the sum is rounded back to single precision after every row.
bool addTo(float& total, const std::optional<double>& value)
{
    if (!value)
        return false;
    total = static_cast<float>(static_cast<double>(total) + *value);
    return true;
}

std::optional<float> sumOf(const std::vector<std::optional<double>>& values)
{
    float total = 0;
    for (const auto& value : values) {
        if (!addTo(total, value))
            return std::nullopt;
    }
    return total;
}

bool addStaff(OfficeCostTotals& totals, const std::vector<OfficeStaffCostRow>& staff)
{
    for (const OfficeStaffCostRow& row : staff) {
        // Exact comparison: a type in other letter case counts as neither kind.
        if (row.type == u"Técnico") {
            if (!addTo(totals.techStaffTotal, row.cost))
                return false;
        } else if (row.type == u"Apoio") {
            if (!addTo(totals.supportStaffTotal, row.cost))
                return false;
        }
    }
    return true;
}

} // namespace

std::optional<OfficeCostTotals> computeOfficeCosts(const OfficeCostRows& rows)
{
    OfficeCostTotals totals;
    if (!addStaff(totals, rows.staff))
        return std::nullopt;
    const std::optional<float> fixed = sumOf(rows.fixed);
    const std::optional<float> variable = sumOf(rows.variable);
    if (!fixed || !variable)
        return std::nullopt;
    totals.fixedTotal = *fixed;
    totals.variableTotal = *variable;

    // Both costs add the totals as shown, in double precision, and are rounded once.
    totals.costWithoutTech = static_cast<float>(double(totals.fixedTotal) + double(totals.variableTotal)
                                                + double(totals.supportStaffTotal));
    totals.costWithTech = static_cast<float>(double(totals.costWithoutTech) + double(totals.techStaffTotal));
    if (rows.monthlyHours > 0) {
        totals.costPerHour = double(totals.costWithoutTech) / rows.monthlyHours;
        totals.costWithTechPerHour = double(totals.costWithTech) / rows.monthlyHours;
    }
    return totals;
}

OfficeCostTotals storedOfficeCosts(const TOfficeData& office)
{
    OfficeCostTotals totals;
    totals.fixedTotal = office.FixedTotal;
    totals.variableTotal = office.VariableTotal;
    totals.techStaffTotal = office.TechStaffTotal;
    totals.supportStaffTotal = office.SupportStaffTotal;
    totals.costWithoutTech = office.CostWithoutTech;
    totals.costPerHour = office.CostPerHour;
    const double withTech = double(office.CostWithoutTech) + double(office.TechStaffTotal);
    totals.costWithTech = static_cast<float>(withTech);
    totals.costWithTechPerHour = office.MonthlyHours > 0 ? withTech / office.MonthlyHours : 0.0;
    return totals;
}

} // namespace belvane

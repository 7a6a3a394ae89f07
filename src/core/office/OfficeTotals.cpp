#include "core/office/OfficeCosts.h"
#include "core/office/OfficeRecord.h"

namespace belvane {

void ComputeOfficeTotals(TOfficeData& office)
{
    // The stored totals add only the rows that are stored: the named staff and expenses.
    OfficeCostRows rows;
    const int staff = std::min<int>(office.StaffCount, kStaffSlots);
    std::uint8_t techCount = 0;
    for (int i = 0; i < staff; ++i) {
        const QString type = office.StaffType[i].toQString();
        rows.staff.push_back({type, double(office.StaffCost[i])});
        if (type == u"Técnico")
            ++techCount;
    }
    for (int i = 0; i < kExpenseSlots; ++i) {
        if (!office.FixedExpenseName[i].isEmpty())
            rows.fixed.push_back(double(office.FixedExpenseValue[i]));
        if (!office.VariableExpenseName[i].isEmpty())
            rows.variable.push_back(double(office.VariableExpenseValue[i]));
    }
    rows.monthlyHours = office.MonthlyHours;
    // Every stored value is a number, so the sums always exist.
    const OfficeCostTotals totals = computeOfficeCosts(rows).value_or(OfficeCostTotals{});
    office.FixedTotal = totals.fixedTotal;
    office.VariableTotal = totals.variableTotal;
    office.TechStaffTotal = totals.techStaffTotal;
    office.SupportStaffTotal = totals.supportStaffTotal;
    office.TechStaffCount = techCount;
    office.CostWithoutTech = totals.costWithoutTech;
    office.CostWithTech = totals.costWithTech;
    // An office without monthly hours (never written by the program, but possible in a damaged
    // file) has no meaningful cost per hour; 0 keeps every later calculation finite.
    office.CostPerHour = static_cast<float>(totals.costPerHour);
}

} // namespace belvane

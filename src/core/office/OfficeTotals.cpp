#include "core/office/OfficeRecord.h"

namespace belvane {
namespace {

// Each running total lives in a single-precision field and is rounded after every addition,
// exactly as the stored totals have always been computed.
void addTo(float& total, float value)
{
    total = static_cast<float>(static_cast<double>(total) + static_cast<double>(value));
}

} // namespace

void ComputeOfficeTotals(TOfficeData& office)
{
    float fixed = 0, variable = 0, tech = 0, support = 0;
    std::uint8_t techCount = 0;
    const int staff = std::min<int>(office.StaffCount, kStaffSlots);
    for (int i = 0; i < staff; ++i) {
        // Byte-for-byte comparison: "técnico" in other letters counts as neither kind.
        if (office.StaffType[i].equals("T\xE9" "cnico")) {
            addTo(tech, office.StaffCost[i]);
            ++techCount;
        } else if (office.StaffType[i].equals("Apoio")) {
            addTo(support, office.StaffCost[i]);
        }
    }
    for (int i = 0; i < kExpenseSlots; ++i) {
        if (!office.FixedExpenseName[i].isEmpty())
            addTo(fixed, office.FixedExpenseValue[i]);
        if (!office.VariableExpenseName[i].isEmpty())
            addTo(variable, office.VariableExpenseValue[i]);
    }
    office.FixedTotal = fixed;
    office.VariableTotal = variable;
    office.TechStaffTotal = tech;
    office.SupportStaffTotal = support;
    office.TechStaffCount = techCount;

    // The totals read the rounded fields, add in double precision and are rounded once.
    office.CostWithoutTech = static_cast<float>(double(office.FixedTotal) + double(office.VariableTotal)
                                                + double(office.SupportStaffTotal));
    office.CostWithTech = static_cast<float>(double(office.CostWithoutTech) + double(office.TechStaffTotal));
    // An office without monthly hours (never written by the program, but possible in a damaged
    // file) has no meaningful cost per hour; 0 keeps every later calculation finite.
    office.CostPerHour = office.MonthlyHours > 0
        ? static_cast<float>(double(office.CostWithoutTech) / office.MonthlyHours)
        : 0.0f;
}

} // namespace belvane

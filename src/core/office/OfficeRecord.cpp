#include "core/office/OfficeRecord.h"

#include <cstring>

namespace belvane {

TOfficeData zeroOffice()
{
    TOfficeData office;
    std::memset(&office, 0, sizeof office);
    return office;
}

void DefaultOffice(TOfficeData& office)
{
    office.Version = 1.0f;
    office.Name.assign(u"Meu escritório");
    office.ReservedText.clear();
    office.UpdatedOn.clear();
    office.StaffCount = 0;
    office.TechStaffCount = 0;
    for (int i = 0; i < kStaffSlots; ++i) {
        office.StaffName[i].clear();
        office.StaffRole[i].clear();
        office.StaffType[i].clear();
        office.StaffCost[i] = 0.0f;
        office.StaffPercentA[i] = 100;
        office.StaffPercentB[i] = 100;
    }
    office.TaxRegime = kRegimeSimples;
    office.TaxRate = 0.0f;
    office.OfficeStandard.assign(u"C");
    office.OfficeStandardIndex = 3;
    office.StandardFactor = 1.0f;
    office.MonthlyHours = 160;
    office.Utilization = 100.0f;
    for (int i = 0; i < kExpenseSlots; ++i) {
        office.FixedExpenseName[i].clear();
        office.VariableExpenseName[i].clear();
        office.FixedExpenseValue[i] = 0.0f;
        office.VariableExpenseValue[i] = 0.0f;
    }
    office.CostWithoutTech = office.CostWithTech = 0.0f;
    office.FixedTotal = office.VariableTotal = 0.0f;
    office.TechStaffTotal = office.SupportStaffTotal = 0.0f;
    office.CostPerHour = 0.0f;
    // The record's own man-hours table; the office page offers a different default table,
    // which replaces this one the first time the page is collected.
    static constexpr std::uint16_t kRecordHxh[kHxhCategories][4] = {
        {1, 5, 10, 15}, {2, 10, 15, 20}, {3, 10, 18, 25}, {4, 10, 20, 30}};
    std::memcpy(office.HxhTable, kRecordHxh, sizeof kRecordHxh);
}

float standardFactorOf(QStringView standard)
{
    if (standard == u"A+")
        return 1.6f;
    if (standard == u"A")
        return 1.4f;
    if (standard == u"B")
        return 1.2f;
    return 1.0f;
}

} // namespace belvane

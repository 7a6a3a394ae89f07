#include "support/Offices.h"

#include "core/tables/ReferenceTables.h"

namespace belvane::test {

void setStaffMember(TOfficeData& office, int slot, QStringView name, QStringView type, float cost)
{
    office.StaffName[slot].assign(name);
    office.StaffType[slot].assign(type);
    office.StaffCost[slot] = cost;
}

void setOfficePageManHours(TOfficeData& office)
{
    for (int category = 1; category <= 4; ++category) {
        for (int level = 1; level <= 3; ++level)
            office.HxhTable[category - 1][level] = std::uint16_t(hxhDefault(category, level));
    }
}

} // namespace belvane::test

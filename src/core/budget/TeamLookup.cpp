#include "core/budget/TeamLookup.h"

#include <algorithm>

namespace belvane {
namespace {

int staffSize(const TOfficeData& office)
{
    return std::min<int>(office.StaffCount, kStaffSlots);
}

} // namespace

QStringList technicalStaffNames(const TOfficeData& office)
{
    QStringList names;
    for (int i = 0; i < staffSize(office); ++i) {
        // Compared byte for byte: "técnico" in other letters is not technical staff.
        if (office.StaffType[i].equals("T\xE9" "cnico"))
            names << office.StaffName[i].toQString();
    }
    return names;
}

int findStaffMember(const TOfficeData& office, const QString& name)
{
    for (int i = 0; i < staffSize(office); ++i) {
        if (office.StaffName[i].toQString() == name)
            return i;
    }
    return -1;
}

} // namespace belvane

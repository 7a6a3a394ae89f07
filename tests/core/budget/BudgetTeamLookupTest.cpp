#include "core/budget/TeamLookup.h"

#include "support/Records.h"

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::defaultOffice;

namespace {

TOfficeData officeWithStaff()
{
    TOfficeData o = defaultOffice();
    const struct { const char16_t* name; const char16_t* type; } staff[] = {
        {u"Ana", u"Técnico"}, {u"Bruno", u"Apoio"}, {u"Carla", u"Técnico"}, {u"Davi", u"técnico"},
        {u"Ana", u"Apoio"},
    };
    for (const auto& s : staff) {
        o.StaffName[o.StaffCount].assign(QStringView(s.name));
        o.StaffType[o.StaffCount].assign(QStringView(s.type));
        ++o.StaffCount;
    }
    o.StaffName[o.StaffCount].assign(u"Eva");   // beyond the staff count: not staff
    o.StaffType[o.StaffCount].assign(u"Técnico");
    return o;
}

} // namespace

TEST(BudgetTeamLookupTest, OnlyTechnicalStaffIsOffered)
{
    EXPECT_EQ(technicalStaffNames(officeWithStaff()), (QStringList{u"Ana"_qs, u"Carla"_qs}));
}

TEST(BudgetTeamLookupTest, MembersAreFoundByExactNameWhateverTheirKind)
{
    const TOfficeData o = officeWithStaff();
    EXPECT_EQ(findStaffMember(o, u"Ana"_qs), 0);     // the first of two entries with the name
    EXPECT_EQ(findStaffMember(o, u"Bruno"_qs), 1);
    EXPECT_EQ(findStaffMember(o, u"Davi"_qs), 3);
    EXPECT_EQ(findStaffMember(o, u"ana"_qs), -1);
    EXPECT_EQ(findStaffMember(o, u"Eva"_qs), -1);
}

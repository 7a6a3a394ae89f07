#include "core/budget/BudgetRecord.h"
#include "core/budget/BudgetTeam.h"
#include "core/office/OfficeRecord.h"

#include <gtest/gtest.h>

using namespace belvane;

namespace {

TOfficeData officeWith(std::initializer_list<std::pair<const char16_t*, float>> members)
{
    TOfficeData office = zeroOffice();
    int i = 0;
    for (const auto& [name, cost] : members) {
        office.StaffName[i].assign(name);
        office.StaffRole[i].assign(u"Arquiteta");
        office.StaffType[i].assign(u"Técnico");
        office.StaffCost[i] = cost;
        ++i;
    }
    office.StaffCount = static_cast<std::uint8_t>(i);
    return office;
}

} // namespace

TEST(BudgetTeamTest, AMemberIsOnTheTeamOnceAndBringsRoleCostAndFullShares)
{
    const TOfficeData office = officeWith({{u"Ana", 5000.0f}, {u"Bia", 4000.0f}});
    BudgetTeam team;
    team.setRows({{QStringLiteral("Ana"), {}, 50, {}, {}}, {}, {{}, {}, 30, {}, {}}});
    team.memberChosen(0, office);
    EXPECT_EQ(team.rows()[0].role, QStringLiteral("Arquiteta"));
    EXPECT_EQ(team.rows()[0].cost, 5000.0);
    EXPECT_EQ(team.rows()[0].share, 50);          // a share already chosen stays
    EXPECT_EQ(team.rows()[0].productivity, 100);
    std::vector<TeamRow> rows = team.rows();
    rows[1].name = QStringLiteral("Ana");          // chosen again on another row
    team.setRows(rows);
    team.memberChosen(1, office);
    EXPECT_TRUE(team.rows()[1].name.isEmpty());
    team.participationChosen(2);                   // a share without a member
    EXPECT_FALSE(team.rows()[2].share);

    TBudgetData budget = zeroBudget();
    team.collectInto(budget);
    EXPECT_EQ(budget.TeamCount, 1);
    EXPECT_EQ(budget.TeamShare[0], 50);
}

TEST(BudgetTeamTest, MembersFollowTheOfficeAndThoseWhoLeftArePointedOut)
{
    BudgetTeam team;
    team.setRows({{QStringLiteral("Ana"), QStringLiteral("Estagiária"), 100, 900.0, 100},
                  {QStringLiteral("Caio"), {}, 100, 3000.0, 100}, {}});
    const std::vector<int> gone = team.followOffice(officeWith({{u"Ana", 5000.0f}}));
    EXPECT_EQ(gone, std::vector<int>{1});
    EXPECT_EQ(team.rows()[0].role, QStringLiteral("Arquiteta"));
    EXPECT_EQ(team.rows()[0].cost, 5000.0);
}

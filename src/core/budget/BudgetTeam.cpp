#include "core/budget/BudgetTeam.h"

#include "core/budget/BudgetRecord.h"
#include "core/budget/SingleRounding.h"
#include "core/budget/TeamLookup.h"
#include "core/office/OfficeRecord.h"

#include <algorithm>

namespace belvane {

void BudgetTeam::emptyRow(int row)
{
    if (validRow(row))
        m_rows[row] = TeamRow{};
}

void BudgetTeam::memberChosen(int row, const TOfficeData& office)
{
    if (!validRow(row))
        return;
    TeamRow& member = m_rows[row];
    const bool repeated = std::any_of(m_rows.begin(), m_rows.end(), [&](const TeamRow& other) {
        return &other != &member && other.name == member.name;
    });
    if (member.name.isEmpty() || repeated) {
        emptyRow(row);
        return;
    }
    const int staff = findStaffMember(office, member.name);
    if (staff < 0)
        return;
    member.role = office.StaffRole[staff].toQString();
    member.cost = double(office.StaffCost[staff]);
    if (!member.share)
        member.share = 100;
    if (!member.productivity)
        member.productivity = 100;
}

void BudgetTeam::participationChosen(int row)
{
    if (validRow(row) && m_rows[row].name.isEmpty())
        emptyRow(row);
}

std::vector<int> BudgetTeam::followOffice(const TOfficeData& office)
{
    std::vector<int> gone;
    for (int row = 0; row < int(m_rows.size()); ++row) {
        TeamRow& member = m_rows[row];
        if (member.name.isEmpty())
            continue;
        const int staff = findStaffMember(office, member.name);
        if (staff < 0) {
            gone.push_back(row);
            continue;
        }
        member.role = office.StaffRole[staff].toQString();
        member.cost = double(office.StaffCost[staff]);
    }
    return gone;
}

void BudgetTeam::collectInto(TBudgetData& b) const
{
    int n = 0;
    for (const TeamRow& member : m_rows) {
        if (n == kBudgetSlots)
            break;
        if (member.name.isEmpty())
            continue;
        b.TeamName[n].assign(member.name);
        b.TeamRole[n].assign(member.role);
        b.TeamShare[n] = static_cast<std::uint8_t>(member.share.value_or(0));
        b.TeamCost[n] = narrowToSingle(member.cost.value_or(0.0));
        b.TeamProductivity[n] = static_cast<std::uint8_t>(member.productivity.value_or(0));
        ++n;
    }
    b.TeamCount = static_cast<std::uint8_t>(n);
}

int BudgetTeam::load(const TBudgetData& b, int rows)
{
    m_rows.assign(std::size_t(rows), TeamRow{});
    const int members = std::min<int>(b.TeamCount, kBudgetSlots);
    for (int i = 0; i < std::min(members, rows); ++i) {
        m_rows[i] = {b.TeamName[i].toQString(), b.TeamRole[i].toQString(), int(b.TeamShare[i]),
                     double(b.TeamCost[i]), int(b.TeamProductivity[i])};
    }
    return std::max(0, members - rows);
}

} // namespace belvane

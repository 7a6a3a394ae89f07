#include "core/office/OfficeDraft.h"

#include "core/office/OfficeRecord.h"
#include "core/tables/ReferenceTables.h"

#include <algorithm>
#include <limits>

namespace belvane {
namespace {

QString foldedName(const QString& name)
{
    QString folded = name;
    for (QChar& c : folded) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return folded;
}

template <typename Row>
bool validRow(const std::vector<Row>& rows, int row)
{
    return row >= 0 && row < int(rows.size());
}

void collectExpenses(const std::vector<OfficeExpenseRow>& rows, ShortString<30>* names, float* values)
{
    const int stored = std::min(int(rows.size()), kExpenseSlots);
    for (int i = 0; i < stored; ++i) {
        names[i].assign(rows[i].name);
        values[i] = static_cast<float>(rows[i].value.value_or(0.0));
    }
}

void sortByValue(std::vector<OfficeExpenseRow>& rows)
{
    // A row without a number goes last; equal values keep their order.
    std::stable_sort(rows.begin(), rows.end(), [](const OfficeExpenseRow& a, const OfficeExpenseRow& b) {
        const double lowest = -std::numeric_limits<double>::infinity();
        return a.value.value_or(lowest) > b.value.value_or(lowest);
    });
}

} // namespace

void OfficeDraft::load(const TOfficeData& office)
{
    m_fixed.clear();
    m_variable.clear();
    m_staff.clear();
    for (int i = 0; i < std::min<int>(office.StaffCount, kStaffSlots); ++i) {
        if (office.StaffName[i].isEmpty())
            continue;
        m_staff.push_back({office.StaffName[i].toQString(), office.StaffRole[i].toQString(),
                           office.StaffType[i].toQString(), double(office.StaffCost[i])});
    }
    for (int i = 0; i < kExpenseSlots; ++i) {
        if (!office.FixedExpenseName[i].isEmpty())
            m_fixed.push_back({office.FixedExpenseName[i].toQString(), double(office.FixedExpenseValue[i])});
        if (!office.VariableExpenseName[i].isEmpty())
            m_variable.push_back({office.VariableExpenseName[i].toQString(), double(office.VariableExpenseValue[i])});
    }
    m_monthlyHours = keptMonthlyHours(office.MonthlyHours);
    m_modified = false;
}

void OfficeDraft::collectInto(TOfficeData& office) const
{
    int stored = 0;
    for (const OfficeStaffRow& member : m_staff) {
        if (stored == kStaffSlots)
            break;
        if (member.name.isEmpty())
            continue;
        office.StaffName[stored].assign(member.name);
        office.StaffRole[stored].assign(member.role);
        office.StaffType[stored].assign(member.type);
        office.StaffCost[stored] = static_cast<float>(member.cost.value_or(0.0));
        ++stored;
    }
    office.StaffCount = static_cast<std::uint8_t>(stored);
    collectExpenses(m_fixed, office.FixedExpenseName, office.FixedExpenseValue);
    collectExpenses(m_variable, office.VariableExpenseName, office.VariableExpenseValue);
}

void OfficeDraft::resetRows()
{
    m_fixed.clear();
    m_variable.clear();
    m_staff.clear();
    for (const QStringView name : FixedExpenseNames)
        m_fixed.push_back({name.toString(), 0.0});
    for (const QStringView name : VariableExpenseNames)
        m_variable.push_back({name.toString(), 0.0});
}

void OfficeDraft::sortExpensesByValue()
{
    sortByValue(m_fixed);
    sortByValue(m_variable);
}

const std::vector<OfficeExpenseRow>& OfficeDraft::expenses(OfficeList list) const
{
    return list == OfficeList::Variable ? m_variable : m_fixed;
}

std::vector<OfficeExpenseRow>& OfficeDraft::expenseList(OfficeList list)
{
    return list == OfficeList::Variable ? m_variable : m_fixed;
}

int OfficeDraft::rowCount(OfficeList list) const
{
    return list == OfficeList::Staff ? int(m_staff.size()) : int(expenses(list).size());
}

bool OfficeDraft::addRow(OfficeList list)
{
    const int limit = list == OfficeList::Staff ? kStaffRowLimit : kExpenseRowLimit;
    if (rowCount(list) >= limit)
        return false;
    if (list == OfficeList::Staff)
        m_staff.emplace_back();
    else
        expenseList(list).emplace_back();
    return true;
}

void OfficeDraft::removeRow(OfficeList list, int row)
{
    if (list == OfficeList::Staff) {
        if (validRow(m_staff, row))
            m_staff.erase(m_staff.begin() + row);
    } else if (std::vector<OfficeExpenseRow>& rows = expenseList(list); validRow(rows, row)) {
        rows.erase(rows.begin() + row);
    }
}

void OfficeDraft::setExpense(OfficeList list, int row, OfficeExpenseRow values)
{
    if (list == OfficeList::Staff)
        return;
    if (std::vector<OfficeExpenseRow>& rows = expenseList(list); validRow(rows, row))
        rows[row] = std::move(values);
}

void OfficeDraft::setMember(int row, OfficeStaffRow member)
{
    if (validRow(m_staff, row))
        m_staff[row] = std::move(member);
}

void OfficeDraft::setExpenses(OfficeList list, std::vector<OfficeExpenseRow> rows)
{
    if (list != OfficeList::Staff)
        expenseList(list) = std::move(rows);
}

void OfficeDraft::setStaff(std::vector<OfficeStaffRow> rows)
{
    m_staff = std::move(rows);
}

StaffRowCheck OfficeDraft::checkStaffName(int row)
{
    if (!validRow(m_staff, row))
        return StaffRowCheck::Unnamed;
    const QString name = foldedName(m_staff[row].name);
    if (name.isEmpty())
        return StaffRowCheck::Unnamed;
    for (int other = 0; other < int(m_staff.size()); ++other) {
        if (other != row && foldedName(m_staff[other].name) == name) {
            m_staff.erase(m_staff.begin() + row);
            return StaffRowCheck::Duplicate;
        }
    }
    return StaffRowCheck::Accepted;
}

std::optional<OfficeCostTotals> OfficeDraft::totals() const
{
    // The page counts every row of its lists, named or not, so an unnamed staff row with a cost
    // shows in these totals but not in what a budget uses (only named rows are stored).
    OfficeCostRows rows;
    for (const OfficeExpenseRow& row : m_fixed)
        rows.fixed.push_back(row.value);
    for (const OfficeExpenseRow& row : m_variable)
        rows.variable.push_back(row.value);
    for (const OfficeStaffRow& member : m_staff)
        rows.staff.push_back({member.type, member.cost});
    rows.monthlyHours = m_monthlyHours;
    return computeOfficeCosts(rows);
}

} // namespace belvane

#pragma once
// The office's monthly costs as the user edits them: the fixed and variable expenses and the
// staff, as typed values in page order, with the rules that keep the lists sound (the record's
// row limits, one name per member, the range of the monthly hours) and the totals they give.
// The draft is the master of the lists: rows are added, replaced and removed here, and the page
// only shows what the draft holds. The lists reach the office record only when they are collected
// into it; until then the draft remembers whether the user changed anything.
#include "core/office/OfficeCosts.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <vector>

namespace belvane {

struct TOfficeData;

struct OfficeExpenseRow {
    QString name;
    std::optional<double> value = 0.0;  // nullopt: the cell holds no number
};

struct OfficeStaffRow {
    QString name;
    QString role;
    QString type;                 // "Técnico", "Apoio" or anything else (counted as neither)
    std::optional<double> cost = 0.0;
};

enum class OfficeList { Fixed, Variable, Staff };

// What became of a staff row after the user edited it.
enum class StaffRowCheck {
    Unnamed,     // not checked or counted until it gets a name
    Accepted,
    Duplicate,   // another member has that name: the row was removed
};

class OfficeDraft {
public:
    // Beyond these the lists would not fit the office record.
    static constexpr int kExpenseRowLimit = 100;
    static constexpr int kStaffRowLimit = 20;
    // Fewer hours a month would make every hourly cost meaningless; more than the page offers
    // would be no working month.
    static constexpr int kMinMonthlyHours = 10;
    static constexpr int kMaxMonthlyHours = 400;

    // The lists of a record: only named entries, in slot order, leaving no gaps; its hours kept
    // within the range the office may have.
    void load(const TOfficeData& office);
    // Writes the staff and both expense lists into the record: named staff only, closing up the
    // unnamed ones; every expense row in its own slot (an unnamed one is a slot not in use).
    void collectInto(TOfficeData& office) const;
    // The usual expense descriptions at no value, and no staff.
    void resetRows();
    // Both expense lists, largest value first: the order in which they are saved.
    void sortExpensesByValue();

    const std::vector<OfficeExpenseRow>& expenses(OfficeList list) const;
    const std::vector<OfficeStaffRow>& staff() const { return m_staff; }
    int rowCount(OfficeList list) const;

    // A new empty row at the end; false (nothing changes) when the list is full.
    bool addRow(OfficeList list);
    // Rows that do not exist are left alone: nothing changes.
    void removeRow(OfficeList list, int row);
    // One row's values as the user has them now (a description, a name, a value typed).
    void setExpense(OfficeList list, int row, OfficeExpenseRow values);
    void setMember(int row, OfficeStaffRow member);
    // The lists as the user has them now (typed, reordered), replacing the draft's.
    void setExpenses(OfficeList list, std::vector<OfficeExpenseRow> rows);
    void setStaff(std::vector<OfficeStaffRow> rows);
    // The one-name-per-member rule for a row the user just edited, decided here once: a row that
    // repeats another member's name leaves the list. Names are told apart with only A to Z folded:
    // "Ana" equals "ANA", while "José" and "JOSÉ" are different names.
    StaffRowCheck checkStaffName(int row);

    // The hours an office may have: the given ones, kept within the range.
    static int keptMonthlyHours(int hours) { return std::clamp(hours, kMinMonthlyHours, kMaxMonthlyHours); }
    // The hours the costs per hour divide by.
    int monthlyHours() const { return m_monthlyHours; }
    // The user set the office's hours; the draft keeps them within the range.
    void setMonthlyHours(int hours) { m_monthlyHours = keptMonthlyHours(hours); }

    // The eight totals of every row, named or not; nullopt when a value to add is no number.
    std::optional<OfficeCostTotals> totals() const;

    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

private:
    std::vector<OfficeExpenseRow>& expenseList(OfficeList list);

    std::vector<OfficeExpenseRow> m_fixed;
    std::vector<OfficeExpenseRow> m_variable;
    std::vector<OfficeStaffRow> m_staff;
    int m_monthlyHours = kMinMonthlyHours;
    bool m_modified = false;
};

} // namespace belvane

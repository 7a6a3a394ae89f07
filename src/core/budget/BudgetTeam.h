#pragma once
// The technical team of a budget as the user assembles it from the office's technical staff: one
// row per member with the share of the project's hours the member takes and the productivity, the
// role and monthly cost following the office. The rules: a member is on the team once; a row
// without a member keeps no participation; before every calculation role and cost follow the
// office in force, and a member who left the office is pointed out for the user to decide.
#include <QString>

#include <optional>
#include <vector>

namespace belvane {

struct TBudgetData;
struct TOfficeData;

struct TeamRow {
    QString name;
    QString role;
    std::optional<int> share;          // percent; nullopt: not chosen
    std::optional<double> cost;        // monthly; nullopt: none shown
    std::optional<int> productivity;   // percent; nullopt: not chosen
};

class BudgetTeam {
public:
    // The rows as the user has them now, replacing the team's.
    void setRows(std::vector<TeamRow> rows) { m_rows = std::move(rows); }
    const std::vector<TeamRow>& rows() const { return m_rows; }

    // The member of a row was chosen or cleared: a cleared or repeated member empties the row;
    // a member of the office brings role and cost, and a full share and productivity where none
    // was chosen yet.
    void memberChosen(int row, const TOfficeData& office);
    // A share or productivity was chosen: without a member it is not kept.
    void participationChosen(int row);
    void emptyRow(int row);
    // Role and cost of every member follow the office; returns the rows whose member is no longer
    // in the office, for the user to keep or take out.
    std::vector<int> followOffice(const TOfficeData& office);

    // The named rows into the record, in order, as many as it holds.
    void collectInto(TBudgetData& budget) const;
    // The record's members, at most `rows` of them, in rows of that many; returns how many
    // members did not fit.
    int load(const TBudgetData& budget, int rows);

private:
    bool validRow(int row) const { return row >= 0 && row < int(m_rows.size()); }

    std::vector<TeamRow> m_rows;
};

} // namespace belvane

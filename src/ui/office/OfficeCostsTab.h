#pragma once
// The sub-page "Despesas mensais" of the office page: the fixed and variable monthly expenses, the
// staff with their monthly cost and type, and the eight totals recomputed after every accepted
// edit. The page is a view of the office draft: every cell a grid changes goes to the draft as its
// row's new values, and the rows are added, deleted and refused in the draft, each grid then
// redrawn from it. The draft owns the lists, their rules, the monthly hours and the totals.
#include "ui/widgets/EditableGrid.h"
#include <QWidget>

class QGroupBox;
class QPlainTextEdit;

namespace belvane {

class EditableGrid;
class NumberEdit;
class NoteSwitch;
class OfficeDraft;
struct OfficeCostTotals;
struct TOfficeData;
enum class OfficeList;

class OfficeCostsTab : public QWidget {
    Q_OBJECT
public:
    OfficeCostsTab(OfficeDraft& draft, QWidget* parent);

    EditableGrid* fixedGrid() const { return m_fixed; }      // NG1
    EditableGrid* variableGrid() const { return m_variable; }// Ng2
    EditableGrid* staffGrid() const { return m_staff; }      // NG9
    QGroupBox* panel() const { return m_panel; }              // NxHeaderPanel9

    void RecalcOfficeCosts();
    void showTotals(const OfficeCostTotals& totals);
    // Fills the totals from the record's stored totals and the rows from its lists.
    void showOffice(const TOfficeData& office);
    // Writes the staff and both expense lists into the record, in page order.
    void collectInto(TOfficeData& office);
    // The default expense rows (the usual descriptions at 0) and no staff.
    void resetRows();
    // Both expense lists, largest value first: the order in which they are saved.
    void sortExpensesByValue();
    // The delete button of a list: asks, then removes the selected row from the draft.
    void DeleteGridRow(OfficeList list);
    // The user stepped the monthly hours (edited on the general sub-page) to `hours`; the draft
    // keeps them within the range, and the costs per hour divide by what it kept.
    void followMonthlyHours(int hours);
    // Takes a value the user is still typing into a cell as if Enter had been pressed.
    void commitOpenEdits();

signals:
    // The user changed the office's costs: the office counts as modified.
    void edited();

public slots:
    void expensesEdited();
    void staffRowEdited(EditableGrid::Cell cell);
    // The add buttons of the fixed expenses (AbColBitBtn13), the variable expenses
    // (AbColBitBtn28) and the staff (AbColBitBtn32).
    void addFixedExpense();
    void addVariableExpense();
    void addStaffMember();
    // The delete buttons of the same lists (AbColBitBtn27, AbColBitBtn30, AbColBitBtn31).
    void deleteFixedExpense();
    void deleteVariableExpense();
    void deleteStaffMember();
    // The staff note switch (AbColBitBtn6).
    void showStaffNote(bool on);

private:
    QWidget* buildExpenseList(const QString& heading, OfficeList list, const char* addName,
                              const char* deleteName, NumberEdit* total);
    QWidget* buildStaffList();
    QWidget* buildCostSummary();
    NumberEdit* makeTotal(const char* name, const QString& pattern);
    EditableGrid* gridOf(OfficeList list) const;
    void addRow(OfficeList list);
    // What happens to a list's grid other than the page's own drawing goes to the draft: a cell
    // changed (typed, reordered by its header) as its row's new values, rows removed as removed.
    void followGrid(OfficeList list);
    void takeRow(OfficeList list, int row);
    // The grid shows the draft's rows; drawing them is no edit the draft hears back.
    void showList(OfficeList list);
    void showRow(OfficeList list, int row);

    OfficeDraft& m_draft;
    QGroupBox* m_panel;
    EditableGrid* m_fixed;
    EditableGrid* m_variable;
    EditableGrid* m_staff;
    NumberEdit* m_fixedTotal;        // E_CustoFix
    NumberEdit* m_variableTotal;     // E_custoVar
    NumberEdit* m_techTotal;         // E_CustoTec
    NumberEdit* m_supportTotal;      // E_CustoApoio
    NumberEdit* m_costWithoutTech;   // E_CustoParcial
    NumberEdit* m_costPerHour;       // E_custoHor
    NumberEdit* m_costWithTech;      // E_CustoTotalEqTec
    NumberEdit* m_costWithTechPerHour;  // E_CustoTotalHEqTec
    bool m_showing = false;          // the page is drawing the draft's rows
    QPlainTextEdit* m_staffNote;     // NxMemo2
    NoteSwitch* m_staffNoteSwitch;   // AbColBitBtn6
};

} // namespace belvane

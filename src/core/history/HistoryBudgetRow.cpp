#include "core/history/HistoryBudgetRow.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryTable.h"
#include "core/text/NumberFormat.h"

namespace belvane {

namespace {

// The area is shown rounded to one decimal, and the history keeps it as it is shown.
double roundedArea(float area)
{
    return parseNumber(formatNumber(double(area), u"0.0")).value_or(0.0);
}

} // namespace

int StoreHistoryRow(HistoryTable& table, const TBudgetData& budget)
{
    int row = table.findRowByNumber(budget.Number);
    if (row < 0)
        row = table.appendRow();

    table.setText(row, kColNumber, QString::number(budget.Number));
    table.setDate(row, kColEditedDate, budget.EditedDate);
    table.setText(row, kColClient, budget.ClientName.toQString());
    table.setText(row, kColPhone, budget.ClientPhone.toQString());
    table.setValue(row, kColArea, roundedArea(budget.Area));
    table.setText(row, kColHxh, QString::number(budget.Hxh));
    table.setText(row, kColService, budget.Service.toQString());
    table.setText(row, kColBudgetValue, formatNumber(double(budget.BudgetValue), u"0.00"));
    table.setText(row, kColValuePerM2, formatNumber(double(budget.ValuePerM2), u"0.00"));
    table.setText(row, kColStatus, budget.Status.toQString());
    table.setText(row, kColFile, BudgetFileName(budget.Number));
    table.setChecked(row, kColModified, false);
    table.setText(row, kColProjectCode, budget.ProjectCode.toQString());
    table.setDate(row, kColEditedDateText, budget.EditedDate);
    // The indices are single-precision in the record; widened to double they show their binary
    // error in the text (1.2 becomes 1,20000004768372), as the stored histories hold them.
    table.setValue(row, kColK1, double(budget.K1));
    table.setValue(row, kColK2, double(budget.K2));
    return row;
}

} // namespace belvane

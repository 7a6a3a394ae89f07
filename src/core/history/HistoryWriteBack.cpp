#include "core/history/HistoryWriteBack.h"

#include "core/budget/BudgetFile.h"
#include "core/budget/SingleRounding.h"
#include "core/history/HistoryRowFile.h"
#include "core/history/HistoryTable.h"
#include "core/storage/StorageMessages.h"
#include "core/text/Clock.h"
#include "core/text/DayCount.h"

#include <QFileInfo>

namespace belvane {

namespace {

// Copies the row's edited values into the budget file. Empty on success, else the problem.
QString writeBackRow(const HistoryTable& table, int row, const QString& path, double today,
                     const RowWrittenBack& written)
{
    TBudgetData budget = zeroBudget();
    const RecordRead read = ReadBudgetFile(budget, path);
    if (read.state == RecordReadState::Failed)
        return read.error;
    if (read.state == RecordReadState::Missing)
        return {};
    const TBudgetData before = budget;
    applyHistoryRowEdits(table, row, budget);
    budget.EditedDate = today;
    const QString problem = WriteBudgetFile(budget, path).error;
    if (problem.isEmpty() && written)
        written(row, before, budget);
    return problem;
}

} // namespace

void applyHistoryRowEdits(const HistoryTable& table, int row, TBudgetData& budget)
{
    budget.Status.assign(table.text(row, kColStatus));
    budget.NegotiatedValue = narrowToSingle(table.value(row, kColNegotiated));
    budget.ClientPhone.assign(table.text(row, kColPhone));
    budget.ProjectCode.assign(table.text(row, kColProjectCode));
}

QStringList SaveHistory(HistoryTable& table, const QString& projectsDir, const RowWrittenBack& written)
{
    const double today = dayCountFromDate(Clock::today());
    const bool folderPresent = QFileInfo(projectsDir).isDir();
    QStringList problems;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!table.isChecked(row, kColModified))
            continue;
        table.setDate(row, kColEditedDate, today);
        const HistoryRowFile file = locateHistoryRowFile(table, row, projectsDir);
        QString problem;
        if (file.state == HistoryRowFile::State::NotABudgetName && !file.name.isEmpty())
            problem = notABudgetFileMessage(table, row);
        else if (file.state == HistoryRowFile::State::Missing && !folderPresent)
            // The whole folder is gone (moved, a drive not mounted): the file may well come back
            // with it, so the row keeps its mark and is written back at a later close.
            problem = saveFailureMessage(projectsDir + file.name, QStringLiteral("a pasta não existe"));
        else if (file.found())
            problem = writeBackRow(table, row, file.path, today, written);
        if (problem.isEmpty())
            table.setChecked(row, kColModified, false);
        else
            problems.append(problem);
    }
    return problems;
}

} // namespace belvane

#include "core/history/HistoryRowReport.h"

#include "core/budget/BudgetFile.h"
#include "core/history/HistoryRowFile.h"
#include "core/history/HistoryTable.h"
#include "core/history/HistoryWriteBack.h"

namespace belvane {

namespace {

HistoryRowReport fileMissing(QString error = {})
{
    HistoryRowReport report;
    report.state = HistoryRowReport::State::FileMissing;
    report.lines.append(ReportLine::alone(QString::fromUtf16(kReportFileMissingLine), kReportWhite));
    report.error = std::move(error);
    return report;
}

} // namespace

HistoryRowReport reportForHistoryRow(const HistoryTable& table, int row, const QString& projectsDir)
{
    if (!table.isValidRow(row))
        return {};
    const HistoryRowFile file = locateHistoryRowFile(table, row, projectsDir);
    if (file.state == HistoryRowFile::State::NotABudgetName)
        return fileMissing(file.name.isEmpty() ? QString() : notABudgetFileMessage(table, row));
    if (!file.found())
        return fileMissing();

    TBudgetData budget = zeroBudget();
    const RecordRead read = ReadBudgetFile(budget, file.path);
    if (read.state != RecordReadState::Read) {
        if (read.state == RecordReadState::Missing)
            return fileMissing();
        HistoryRowReport failed;
        failed.state = HistoryRowReport::State::Failed;
        failed.error = read.error;
        return failed;
    }
    applyHistoryRowEdits(table, row, budget);
    HistoryRowReport report;
    report.state = HistoryRowReport::State::Shown;
    report.caption = budgetReportCaption(budget);
    report.lines = BudgetReportLines(budget, table.text(row, kColStatus),
                                     table.text(row, kColNegotiated));
    report.notes = table.text(row, kColNotes);
    report.budget = budget;
    return report;
}

} // namespace belvane

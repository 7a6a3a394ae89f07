// A budget file "ORC######.bvp": any bytes, since budget files are copied between machines and
// opened from the history. A whole record must be read as it is and written back unchanged. What
// the program then does with a budget — the report panel, the check of required fields, the
// recalculation, its history row, the write-back of the history's edits at close — must cope
// with whatever the record holds, and the write-back must change only the fields it means to.
#include "RecordFuzzSupport.h"

#include "core/budget/BudgetCalc.h"
#include "core/budget/BudgetFile.h"
#include "core/budget/BudgetValidation.h"
#include "core/history/BudgetReport.h"
#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryTable.h"
#include "core/history/HistoryWriteBack.h"

#include <cstddef>

using namespace belvane;
using namespace belvane::fuzz;

namespace {

void showBudget(const TBudgetData& b)
{
    showText(b.Status);
    showText(b.ClientName);
    showText(b.ClientAddress);
    showText(b.ProjectCode);
    for (const double date : {b.CreatedDate, b.EditedDate, b.CreatedDate + b.CreatedTime})
        (void)formatDayCountDate(date);
    for (int i = 0; i < kBudgetSlots; ++i) {
        showText(b.Tasks[i].Name);
        showText(b.Indicators[i].Complexity);
        showText(b.TeamName[i]);
        showFigure(b.TeamCost[i]);
    }
    for (const float figure : {b.Area, b.BudgetValue, b.NegotiatedValue, b.ValuePerM2, b.Taxes,
                               b.Profit, b.K1, b.K2})
        showFigure(figure);
    const QList<ReportLine> lines =
        BudgetReportLines(b, b.Status.toQString(), formatGeneral(b.NegotiatedValue));
    check(lines.size() == 29, "the report of any budget has its 29 lines");
    (void)budgetReportCaption(b);
    (void)negotiatedFigures(b, b.NegotiatedValue);
    (void)ValidateBudget(b);
}

// The history file writes every line break, and every "|" of a text, as "|", which reads back
// as CR LF: a text of a budget file with a bare CR or LF, or a "|", comes back in that form.
QString asTheHistoryFileKeepsIt(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(u'|', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

// The budget's row, as a save stores it, must come through the history file unchanged.
void storeInHistory(const TBudgetData& b)
{
    HistoryTable table;
    StoreHistoryRow(table, b);
    const QByteArray written = historyFileBytes(table);
    HistoryTable again;
    check(!ReadHistoryFile(again, written, QStringLiteral("Hist.bvh")).damaged(),
          "a budget's history row must read back without problems");
    check(again.rowCount() == 1, "a budget gives one history row");
    for (int column = 0; column < kHistoryColumnCount; ++column)
        check(again.text(0, column) == asTheHistoryFileKeepsIt(table.text(0, column)),
              "a budget's history row must read back unchanged",
              QStringLiteral("column %1: \"%2\" became \"%3\"")
                  .arg(column).arg(table.text(0, column), again.text(0, column)));
}

bool inField(std::size_t offset, std::size_t start, std::size_t size)
{
    return offset >= start && offset < start + size;
}

// At close the history's edited status, negotiated value, phone and code go back into the budget file,
// with the day's date; every other byte of the file must stay as it was.
void writeBack(const TBudgetData& b, const QByteArray& bytes)
{
    HistoryTable table;
    const int row = StoreHistoryRow(table, b);
    table.setText(row, kColStatus, u"Aprovado");
    table.setText(row, kColNegotiated, u"12345,5");
    table.setChecked(row, kColModified, true);
    const QString path = scratchFile(BudgetFileName(b.Number), bytes);
    const QStringList problems = SaveHistory(table, scratchDir());
    check(problems.isEmpty(), "a readable budget file must take the write-back", problems.join(u'\n'));
    const QByteArray after = fileBytes(path);
    check(after.size() == qsizetype(sizeof(TBudgetData)), "the write-back writes one record");
    for (std::size_t i = 0; i < sizeof(TBudgetData); ++i) {
        if (inField(i, offsetof(TBudgetData, Status), sizeof b.Status)
            || inField(i, offsetof(TBudgetData, EditedDate), sizeof b.EditedDate)
            || inField(i, offsetof(TBudgetData, ClientPhone), sizeof b.ClientPhone)
            || inField(i, offsetof(TBudgetData, ProjectCode), sizeof b.ProjectCode)
            || inField(i, offsetof(TBudgetData, NegotiatedValue), sizeof b.NegotiatedValue))
            continue;
        check(after[qsizetype(i)] == bytes[qsizetype(i)], "the write-back changed a byte it does not own",
              QStringLiteral("offset %1").arg(i));
    }
    QFile::remove(path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    TBudgetData budget = zeroBudget();
    if (!readAndWriteBack(budget, QStringLiteral("ORC000001.bvp"), bytes, ReadBudgetFile,
                          WriteBudgetFile))
        return 0;
    showBudget(budget);
    storeInHistory(budget);
    writeBack(budget, bytes);

    TBudgetData computed = budget;
    const BudgetComputation computation = ComputeBudget(computed);
    if (computation.refused())
        check(!computation.message().isEmpty(), "a refused calculation must say why");
    showBudget(computed);
    storeInHistory(computed);
    return 0;
}

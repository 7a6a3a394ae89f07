#include "core/budget/BudgetSaving.h"

#include "core/budget/BudgetCounter.h"
#include "core/budget/BudgetFile.h"
#include "core/budget/StatusWords.h"
#include "core/history/HistoryStore.h"
#include "core/text/DayCount.h"

namespace belvane {

bool isFirstBudgetSave(const TBudgetData& current)
{
    return current.Status.toQString() == kStatusNew;
}

bool budgetSaveGivesNumber(const TBudgetData& current, BudgetSaveKind kind)
{
    return kind == BudgetSaveKind::AsNew || isFirstBudgetSave(current);
}

PreparedBudgetSave prepareBudgetSave(const TBudgetData& current, const BudgetSaveRequest& request)
{
    PreparedBudgetSave save{current, false, {}};
    TBudgetData& b = save.budget;
    const double today = dayCountFromDate(request.moment.date());
    const double now = timeOfDayFraction(request.moment.time());
    // A budget never saved has no file of its own to overwrite: any way of saving it is its
    // first save, or it would keep "Novo" and be saved again under another number.
    const BudgetSaveKind kind = isFirstBudgetSave(current) ? BudgetSaveKind::Plain : request.kind;
    switch (kind) {
    case BudgetSaveKind::Plain:
        if (isFirstBudgetSave(b)) {
            b.Number = static_cast<std::uint16_t>(request.freshNumber);
            b.CreatedDate = today;
            b.CreatedTime = now;
            save.advancesCounter = true;
        }
        b.Status.assign(kStatusWaiting);
        save.successMessage = QStringLiteral("O orçamento foi salvo.");
        break;
    case BudgetSaveKind::AsNew:
        b.Number = static_cast<std::uint16_t>(request.freshNumber);
        b.CreatedDate = today;
        b.CreatedTime = now;
        b.Status.assign(kStatusWaiting);
        save.advancesCounter = true;
        save.successMessage = QStringLiteral("O orçamento foi salvo .");
        break;
    case BudgetSaveKind::Overwrite:
        // Status, creation date and number stay: a reopened budget keeps "Editado".
        save.successMessage = QStringLiteral("O orçamento foi atualizado .");
        break;
    }
    b.EditedDate = today;
    b.ProjectCode.assign(request.projectCode);
    // The negotiated value lives in the history; the file gets it back at the close.
    b.NegotiatedValue = 0.0f;
    return save;
}

BudgetSaveResult writeBudgetSave(const PreparedBudgetSave& save, HistoryStore& history,
                                 const QString& projectsDir, const BudgetFileReplacement& replacement)
{
    BudgetSaveResult result;
    const auto write = [&save, &projectsDir] {
        return WriteBudgetFile(save.budget, projectsDir + BudgetFileName(save.budget.Number));
    };
    const IoResult file = replacement ? replacement(save.budget, write) : write();
    if (!file.ok()) {
        result.error = file.error;
        return result;
    }
    const IoResult row = history.storeBudget(save.budget, nullptr, &result.statusChanges);
    if (!row.ok())
        result.warnings.append(row.error);
    // A counter file left behind by an earlier failed save catches up with the next save.
    const BudgetCounterRead stored = ReadBudgetCounter(projectsDir);
    const bool counterBehind = stored.ok() && stored.value < qint32(save.budget.Number);
    if (save.advancesCounter || counterBehind) {
        const IoResult counter = WriteBudgetCounter(projectsDir, save.budget.Number);
        if (!counter.ok())
            result.warnings.append(counter.error);
    }
    return result;
}

} // namespace belvane

#include "core/budget/BudgetDraft.h"

#include "core/budget/BudgetIndices.h"
#include "core/budget/BudgetValidation.h"
#include "core/budget/StatusWords.h"
#include "core/history/HistoryWriteBack.h"
#include "core/office/OfficeRecord.h"

#include <cstring>

namespace belvane {

void BudgetDraft::startNew(int number)
{
    m_knownFile.clear();
    m_priced = false;
    m_modified = false;
    m_reopened = false;
    NewBudgetRecord(m_record);
    m_record.Number = static_cast<std::uint16_t>(number);
    m_record.Status.assign(kStatusNew);
    m_payments = {};
}

void BudgetDraft::completeCollected(const TOfficeData& office)
{
    chooseManHours(m_record);
    m_record.MonthlyHours = office.MonthlyHours;
    m_record.StandardFactor = office.StandardFactor;
    m_record.OfficeStandard = office.OfficeStandard;
    m_record.TaxRate = office.TaxRate;
    m_record.CostPerHour = office.CostPerHour;
}

void BudgetDraft::numberIfNeverSaved(int freshNumber)
{
    if (isFirstBudgetSave(m_record))
        m_record.Number = static_cast<std::uint16_t>(freshNumber);
}

BudgetGeneration BudgetDraft::generate(const TOfficeData& office)
{
    const BudgetComputation computed = ComputeBudget(m_record);
    if (computed.refused()) {
        return {computed.message(),
                computed.fault == BudgetFault::ZeroTeamEquivalent ? BudgetMend::Resources : BudgetMend::Stay};
    }
    const int missing = ValidateBudget(m_record);
    if (missing != kBudgetValid)
        return {validationMessage(missing), missing <= kLastDataField ? BudgetMend::Data : BudgetMend::Resources};
    m_record.K1 = K1AfterGeneration(m_record, office);
    m_record.K2 = K2Of(m_record, office);
    m_priced = true;
    m_modified = true;
    if (m_payments.empty())
        m_payments = PaymentSchedule::proposedFor(m_record);
    return {};
}

BudgetComputation BudgetDraft::renegotiate(float taxRate, float profitPercent, const TOfficeData& office)
{
    const float taxBefore = m_record.TaxRate;
    const float profitBefore = m_record.ProfitPercent;
    m_record.TaxRate = taxRate;
    m_record.ProfitPercent = profitPercent;
    const BudgetComputation computed = ComputeBudget(m_record);
    if (computed.refused()) {
        m_record.TaxRate = taxBefore;
        m_record.ProfitPercent = profitBefore;
        return computed;
    }
    m_record.K1 = K1AfterRenegotiation(m_record, office);
    m_modified = true;
    return computed;
}

BudgetSaveOutcome BudgetDraft::save(const BudgetSaveRequest& request, HistoryStore& history,
                                    const QString& projectsDir, bool* advancesCounter,
                                    const BudgetFileReplacement& replacement)
{
    if (!budgetSaveGivesNumber(m_record, request.kind) && m_record.Number == 0)
        return {QStringLiteral("Este orçamento não tem número e não pode ser gravado sobre outro. Nada foi salvo."),
                {}, {}, {}};
    const PreparedBudgetSave prepared = prepareBudgetSave(m_record, request);
    const BudgetSaveResult result = writeBudgetSave(prepared, history, projectsDir, replacement);
    if (!result.saved())
        return {result.error, {}, {}, {}};
    m_record = prepared.budget;
    m_knownFile = QByteArray(reinterpret_cast<const char*>(&m_record), sizeof m_record);
    m_modified = false;
    m_reopened = false;
    if (advancesCounter)
        *advancesCounter = prepared.advancesCounter;
    return {{}, result.warnings, prepared.successMessage, result.statusChanges};
}

bool BudgetDraft::pagesEdited(const TBudgetData& pages) const
{
    return std::memcmp(&pages, &m_shownPages, sizeof pages) != 0;
}

void BudgetDraft::reopen(const TBudgetData& fromFile, const HistoryTable& history, int row)
{
    m_record = fromFile;
    m_knownFile = QByteArray(reinterpret_cast<const char*>(&fromFile), sizeof fromFile);
    m_priced = true;
    // The history's values replace those stored in the file: the user edits them in the grid.
    applyHistoryRowEdits(history, row, m_record);
    m_record.Status.assign(kStatusEdited);
    m_reopened = true;
}

} // namespace belvane

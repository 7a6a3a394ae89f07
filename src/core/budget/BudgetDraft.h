#pragma once
// The budget the user is working on and every step of its life: started, filled from the pages
// with the office values in force, generated, renegotiated, saved, reopened from the history.
// Beside the record (what the calculation, the files and the history use) it keeps two facts the
// program asks about: whether the budget was generated or renegotiated and not saved since
// (modified), and whether it is a stored budget being worked on again (reopened: its next save
// asks whether to overwrite it or to save it as new).
#include "core/budget/BudgetCalc.h"
#include "core/budget/BudgetRecord.h"
#include "core/budget/BudgetSaving.h"
#include "core/budget/BudgetTeam.h"
#include "core/budget/ComplexityIndicators.h"
#include "core/budget/ProjectClassification.h"
#include "core/budget/TaskEstimate.h"
#include "core/payment/PaymentSchedule.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace belvane {

struct TOfficeData;
class HistoryStore;
class HistoryTable;

// Where the user goes to mend a budget that could not be generated.
enum class BudgetMend {
    None,       // generated
    Stay,       // nothing on another sub-page can mend it
    Data,       // a field of "Dados"
    Resources,  // the team or the man-hours on "Recursos"
};

struct BudgetGeneration {
    QString message;  // what the user is told when it failed
    BudgetMend mend = BudgetMend::None;
    bool ok() const { return mend == BudgetMend::None; }
};

struct BudgetSaveOutcome {
    QString error;         // nothing was saved
    QStringList warnings;  // saved, but the history or the counter file was not written
    QString message;       // what the user is told after a save
    std::vector<StatusChange> statusChanges; // for the budget's status history
    bool saved() const { return error.isEmpty(); }
};

class BudgetDraft {
public:
    BudgetDraft() : m_record(zeroBudget()) {}

    TBudgetData& record() { return m_record; }
    const TBudgetData& record() const { return m_record; }
    // The team as the user assembles it on the resources page, until it is collected.
    BudgetTeam& team() { return m_team; }
    // The tasks and their man-hours as the user rates them, until they are collected.
    TaskEstimate& tasks() { return m_tasks; }
    // The complexity indicators as the user rates them, until they are collected.
    ComplexityIndicators& indicators() { return m_indicators; }
    // The project's category as the building type chosen on the data page gives it.
    ProjectClassification& classification() { return m_classification; }
    // How the client pays. Proposed at the first generation of a budget without one; kept in the
    // database by budget number.
    const PaymentSchedule& payments() const { return m_payments; }
    void setPayments(PaymentSchedule payments) { m_payments = std::move(payments); }

    bool modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool reopened() const { return m_reopened; }
    // Whether the record holds a whole priced budget: generated, or read from its file.
    bool priced() const { return m_priced; }
    // A budget whose project code was touched is treated as a stored one: the next generation
    // warns that it recalculates, and the next save asks how.
    void setReopened(bool reopened) { m_reopened = reopened; }

    // A new, unsaved budget under the given number (0 when every number is in use).
    void startNew(int number);
    // Completes what the pages gave: the man-hours in force and the office values in force (a
    // budget keeps the office it was priced with).
    void completeCollected(const TOfficeData& office);
    // A budget never saved takes the number the next save would give it.
    void numberIfNeverSaved(int freshNumber);
    // Prices the record and checks its required fields; on success the indices K1 and K2 are
    // written and the budget counts as modified.
    BudgetGeneration generate(const TOfficeData& office);
    // New tax and profit rates on the generated budget. A refusal (a tax of 100 % or more)
    // keeps the last valid figures and rates.
    BudgetComputation renegotiate(float taxRate, float profitPercent, const TOfficeData& office);

    // Whether saving this way needs a fresh number first.
    bool saveGivesNumber(BudgetSaveKind kind) const { return budgetSaveGivesNumber(m_record, kind); }
    // Saves the budget (file, history row, counter). On failure nothing in memory changes;
    // on success the record is the saved one and the budget is neither modified nor reopened.
    BudgetSaveOutcome save(const BudgetSaveRequest& request, HistoryStore& history, const QString& projectsDir,
                           bool* advancesCounter = nullptr, const BudgetFileReplacement& replacement = {});

    // What the pages held when they were last shown, generated or saved: typing since then is
    // work the user has not kept yet.
    void markPagesShown(const TBudgetData& pages) { m_shownPages = pages; }
    bool pagesEdited(const TBudgetData& pages) const;
    // Whether the user has work that is not saved: a budget generated or renegotiated and not
    // saved, or pages edited since.
    bool hasUnsavedWork(const TBudgetData& pages) const { return m_modified || pagesEdited(pages); }
    // At the close, whether saving needs a new generation first (the pages changed since, or
    // nothing was generated).
    // A budget that was never priced (only its schedule edited, say) is never saved as it is.
    bool mustGenerateBeforeSaving(const TBudgetData& pages) const
    {
        return !m_priced || !m_modified || pagesEdited(pages);
    }

    // A stored budget worked on again: the record read from its file, with the values the user
    // edited in its history row, marked as edited.
    void reopen(const TBudgetData& fromFile, const HistoryTable& history, int row);

    // Whether the budget's file, as it is on disk now (`onDisk`), differs from what this draft last
    // read or wrote there: a restore or another seat changed it since, and saving over it would
    // undo that without a word.
    bool fileChangedSince(const QByteArray& onDisk) const
    {
        return !m_knownFile.isEmpty() && !onDisk.isEmpty() && onDisk != m_knownFile;
    }

private:
    TBudgetData m_record;
    TBudgetData m_shownPages = zeroBudget();
    PaymentSchedule m_payments;
    BudgetTeam m_team;
    TaskEstimate m_tasks;
    ComplexityIndicators m_indicators;
    ProjectClassification m_classification;
    QByteArray m_knownFile; // the budget's file as last read or written by this draft
    bool m_priced = false;  // generated, or read from a file: the record holds a whole budget
    bool m_modified = false;
    bool m_reopened = false;
};

} // namespace belvane

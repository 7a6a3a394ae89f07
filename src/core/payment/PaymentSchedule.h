#pragma once
// How the client pays: instalments tied to the design stages, as every Brazilian proposal states
// them ("Assinatura do contrato", "Estudo preliminar", ...). Each instalment is a share of the
// fee in percent, one decimal, and a due date or phrase; its value is worked out from the fee.
//
// The schedule proposed after a generation gives 20 % at the contract's signature and shares the
// other 80 % among the tasks rated for the budget, in task order, by their man-hours, in tenths of
// a percent by largest remainders (no share is negative; a task without man-hours gets none).
// Values are rounded to the centavo, the last instalment with a share taking what rounding left,
// so that the shares make exactly 100 % and the values exactly the fee.
#include "core/budget/BudgetRecord.h"
#include "core/history/HistoryTable.h"

#include <QString>

#include <vector>

namespace belvane {

struct Instalment {
    QString stage;      // "Etapa"
    double percent = 0; // "%", one decimal
    QString due;        // "Vencimento": a date "dd/mm/aaaa" or a phrase
    bool operator==(const Instalment&) const = default;
};

class PaymentSchedule {
public:
    static constexpr double kSignaturePercent = 20.0;
    static QString signatureStage() { return QStringLiteral("Assinatura do contrato"); }

    PaymentSchedule() = default;
    explicit PaymentSchedule(std::vector<Instalment> instalments) : m_instalments(std::move(instalments)) {}

    // The schedule proposed for a budget from its rated tasks.
    static PaymentSchedule proposedFor(const TBudgetData& budget);

    const std::vector<Instalment>& instalments() const { return m_instalments; }
    bool empty() const { return m_instalments.empty(); }

    // The shares' sum, to one decimal.
    double totalPercent() const;
    bool complete() const;
    // Each instalment's value in R$ for the fee `total`, to the centavo. When the shares make
    // 100 %, the last takes the remainder, so the values sum exactly to the fee.
    std::vector<double> values(double total) const;
    // The question asked before a budget is saved with shares that do not make 100 %.
    QString incompleteQuestion() const;

    // Instalments without a stage are not kept.
    void dropUnnamed();

    bool operator==(const PaymentSchedule&) const = default;

private:
    std::vector<Instalment> m_instalments;
};

// The fee agreed with the client: the negotiated value once there is one (above zero), else the
// quoted value. The proposal, the schedule's values and the reports all charge this one.
double agreedFee(const TBudgetData& budget, double negotiated);

// The fee the instalments share: agreedFee with the negotiated value the history holds.
double feeToSchedule(const TBudgetData& budget, const HistoryTable& history);

// A share the user may type: a number from 0 to 100.
bool acceptableShare(double percent);
// To one decimal and to the centavo, halves away from zero, as a person rounds.
double roundToTenth(double value);
double roundToCentavo(double value);

} // namespace belvane

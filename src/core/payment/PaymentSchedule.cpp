#include "core/payment/PaymentSchedule.h"

#include "core/history/HistoryColumns.h"
#include "core/text/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace belvane {
namespace {

// Rounds to `steps` per unit. The scaled value is first taken to nine decimals, so that a half
// that binary fractions cannot hold exactly (0,125 stored as 0,12499999...) still rounds up.
double roundTo(double value, double steps)
{
    const double scaled = std::round(value * steps * 1e9) / 1e9;
    return std::round(scaled) / steps;
}

} // namespace

double roundToTenth(double value)
{
    return roundTo(value, 10.0);
}

double roundToCentavo(double value)
{
    return roundTo(value, 100.0);
}

double feeToSchedule(const TBudgetData& budget, const HistoryTable& history)
{
    const int row = history.findRowByNumber(budget.Number);
    const double negotiated = row >= 0 ? history.value(row, kColNegotiated) : 0.0;
    return negotiated > 0 ? negotiated : double(budget.BudgetValue);
}

bool acceptableShare(double percent)
{
    return std::isfinite(percent) && percent >= 0 && percent <= 100;
}

PaymentSchedule PaymentSchedule::proposedFor(const TBudgetData& budget)
{
    std::vector<Instalment> instalments{{signatureStage(), kSignaturePercent, {}}};
    double hours = 0;
    std::vector<const TBudgetTask*> rated;
    for (const TBudgetTask& task : budget.Tasks) {
        if (task.Name.isEmpty())
            break;
        if (task.Complexity.isEmpty())
            continue;
        rated.push_back(&task);
        hours += task.Hxh;
    }
    const double shared = 100.0 - kSignaturePercent;
    double given = kSignaturePercent;
    for (const TBudgetTask* task : rated) {
        // When no rated task has man-hours, they share equally.
        const double weight = hours > 0 ? task->Hxh / hours : 1.0 / double(rated.size());
        const double percent = roundToTenth(shared * weight);
        instalments.push_back({task->Name.toQString(), percent, {}});
        given += percent;
    }
    // What rounding left goes to the last instalment (the signature when no task is rated).
    instalments.back().percent = roundToTenth(instalments.back().percent + 100.0 - given);
    return PaymentSchedule(std::move(instalments));
}

double PaymentSchedule::totalPercent() const
{
    return roundToTenth(std::accumulate(m_instalments.cbegin(), m_instalments.cend(), 0.0,
                                        [](double sum, const Instalment& i) { return sum + i.percent; }));
}

bool PaymentSchedule::complete() const
{
    return totalPercent() == 100.0;
}

std::vector<double> PaymentSchedule::values(double total) const
{
    std::vector<double> values;
    values.reserve(m_instalments.size());
    for (const Instalment& instalment : m_instalments)
        values.push_back(roundToCentavo(total * instalment.percent / 100.0));
    if (complete() && !values.empty()) {
        const double others = std::accumulate(values.cbegin(), values.cend() - 1, 0.0);
        values.back() = roundToCentavo(roundToCentavo(total) - others);
    }
    return values;
}

QString PaymentSchedule::incompleteQuestion() const
{
    return QStringLiteral("As parcelas somam %1 %. Salvar assim mesmo?")
        .arg(formatNumber(totalPercent(), u"0.0"));
}

void PaymentSchedule::dropUnnamed()
{
    std::erase_if(m_instalments, [](const Instalment& i) { return i.stage.trimmed().isEmpty(); });
}

} // namespace belvane

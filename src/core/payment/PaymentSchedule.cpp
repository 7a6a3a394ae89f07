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

double agreedFee(const TBudgetData& budget, double negotiated)
{
    return negotiated > 0 ? negotiated : double(budget.BudgetValue);
}

double feeToSchedule(const TBudgetData& budget, const HistoryTable& history)
{
    const int row = history.findRowByNumber(budget.Number);
    return agreedFee(budget, row >= 0 ? history.value(row, kColNegotiated) : 0.0);
}

bool acceptableShare(double percent)
{
    return std::isfinite(percent) && percent >= 0 && percent <= 100;
}

PaymentSchedule PaymentSchedule::proposedFor(const TBudgetData& budget)
{
    std::vector<const TBudgetTask*> rated;
    double hours = 0;
    for (const TBudgetTask& task : budget.Tasks) {
        if (task.Name.isEmpty())
            break;
        if (task.Complexity.isEmpty())
            continue;
        rated.push_back(&task);
        hours += std::max(0.0, double(task.Hxh));
    }
    // A rated task without man-hours takes no share, unless none has any: then they share equally.
    if (hours > 0)
        std::erase_if(rated, [](const TBudgetTask* task) { return task->Hxh <= 0; });
    // The tasks share the rest in tenths of a percent by largest remainders: each takes the whole
    // tenths its man-hours earn, and the tenths left go one each to the largest fractions (the
    // earlier task first on a tie). Every share is then as near its due as tenths allow, and none
    // is negative.
    constexpr int kTenths = int((100.0 - kSignaturePercent) * 10);
    std::vector<int> tenths(rated.size());
    std::vector<std::pair<double, std::size_t>> fractions;
    int given = 0;
    for (std::size_t i = 0; i < rated.size(); ++i) {
        const double weight = hours > 0 ? rated[i]->Hxh / hours : 1.0 / double(rated.size());
        const double due = kTenths * weight;
        tenths[i] = int(std::floor(due + 1e-9));
        given += tenths[i];
        fractions.push_back({due - tenths[i], i});
    }
    std::stable_sort(fractions.begin(), fractions.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first + 1e-12; });
    for (std::size_t k = 0; given < kTenths && k < fractions.size(); ++k, ++given)
        ++tenths[fractions[k].second];

    // With no task to share it, the signature takes the whole fee.
    std::vector<Instalment> instalments{{signatureStage(), rated.empty() ? 100.0 : kSignaturePercent, {}}};
    for (std::size_t i = 0; i < rated.size(); ++i) {
        if (tenths[i] > 0)
            instalments.push_back({rated[i]->Name.toQString(), tenths[i] / 10.0, {}});
    }
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
    // What rounding left goes to the last instalment that has a share: a row of 0 % stays R$ 0.
    const auto last = std::find_if(m_instalments.crbegin(), m_instalments.crend(),
                                   [](const Instalment& i) { return i.percent > 0; });
    if (complete() && last != m_instalments.crend()) {
        const std::size_t taker = std::size_t(m_instalments.crend() - last) - 1;
        double others = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i != taker)
                others += values[i];
        }
        values[taker] = roundToCentavo(roundToCentavo(total) - others);
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

#include "core/pricing/PriceCheck.h"

#include "core/budget/BudgetIndices.h"
#include "core/budget/StatusWords.h"
#include "core/history/HistoryColumns.h"
#include "core/payment/PaymentSchedule.h"
#include "core/text/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace belvane {
namespace {

QString money(double value)
{
    return formatNumber(value, u"#0.00");
}

QString percentText(double percent)
{
    return formatNumber(percent, u"#0.#") + QStringLiteral(" %");
}

OwnPrices pricesOf(std::vector<double> prices, OwnPrices::Basis basis)
{
    OwnPrices own;
    if (int(prices.size()) < OwnPrices::kMinimumBudgets)
        return own;
    std::sort(prices.begin(), prices.end());
    own.basis = basis;
    own.count = int(prices.size());
    own.lowerQuartile = quantile(prices, 0.25);
    own.median = quantile(prices, 0.5);
    own.upperQuartile = quantile(prices, 0.75);
    return own;
}

} // namespace

double quantile(const std::vector<double>& sorted, double p)
{
    if (sorted.empty())
        return 0;
    const double h = double(sorted.size() - 1) * p;
    const auto below = std::size_t(std::floor(h));
    if (below + 1 >= sorted.size())
        return sorted.back();
    return sorted[below] + (h - double(below)) * (sorted[below + 1] - sorted[below]);
}

OwnPrices ownPricesFor(const TBudgetData& budget, const HistoryTable& history,
                       const std::function<QString(int number)>& buildingUseOf,
                       const std::function<bool(int number)>& lastDecisionWon)
{
    // One pass over the history, comparing texts and converting only the won rows' figures: the
    // largest history has 65,535 rows and this runs at every generation.
    const QString service = budget.Service.toQString();
    std::vector<double> sameService;
    std::vector<std::pair<int, double>> wonRows; // row, R$/m²
    for (int row = 0; row < history.rowCount(); ++row) {
        // The budget is left out of its own history by its number, however the cell spells it.
        const QStringView status = history.textView(row, kColStatus);
        const int number = int(history.value(row, kColNumber));
        const bool revisedAfterWin = lastDecisionWon && !isDecidedStatus(status) && lastDecisionWon(number);
        if (!countsAsWon(status, revisedAfterWin) || number == int(budget.Number))
            continue;
        const double perM2 = history.value(row, kColValuePerM2);
        if (!(perM2 > 0))
            continue;
        wonRows.emplace_back(row, perM2);
        if (history.textView(row, kColService) == service)
            sameService.push_back(perM2);
    }
    if (int(sameService.size()) >= OwnPrices::kMinimumBudgets || !buildingUseOf)
        return pricesOf(std::move(sameService), OwnPrices::Basis::SameService);
    const QString use = budget.BuildingUse.toQString();
    std::vector<double> sameUse;
    for (const auto& [row, perM2] : wonRows) {
        if (buildingUseOf(int(history.value(row, kColNumber))) == use)
            sameUse.push_back(perM2);
    }
    return pricesOf(std::move(sameUse), OwnPrices::Basis::SameUse);
}

PriceCheck checkPrice(const TBudgetData& budget, const PriceReferences& references, const OwnPrices& own)
{
    PriceCheck check;
    check.quote = budget.BudgetValue;
    check.quotePerM2 = budget.ValuePerM2;
    check.own = own;
    check.floor = exactZeroProfitValue(budget);
    const double percent = references.percentFor(budget.ProjectCategory);
    if (references.hasCub() && percent > 0 && budget.Area > 0)
        check.workReference = double(budget.Area) * references.cubPerM2 * percent / 100.0;

    // The order is the order of gravity: a quote that does not pay its costs is the first thing
    // to know; then one out of line with the office's own prices or with the work. Figures are
    // compared at the centavo, as the user reads them: a quote that reads as the floor is not
    // below it.
    const double quotePerM2 = roundToCentavo(check.quotePerM2);
    const bool outsideOwn = own.basis != OwnPrices::Basis::None
        && (quotePerM2 < roundToCentavo(own.lowerQuartile) || quotePerM2 > roundToCentavo(own.upperQuartile));
    const bool farFromWork = check.workReference && *check.workReference > 0
        && std::fabs(check.quote - *check.workReference) / *check.workReference
            > PriceCheck::kWorkReferenceTolerance;
    if (check.floor && roundToCentavo(check.quote) < roundToCentavo(*check.floor))
        check.verdict = PriceCheck::Verdict::BelowFloor;
    else if (outsideOwn)
        check.verdict = PriceCheck::Verdict::OutsideOwnRange;
    else if (farFromWork)
        check.verdict = PriceCheck::Verdict::FarFromWorkReference;
    return check;
}

PriceCheck checkPrice(const TBudgetData& budget, const PriceReferences& references,
                      const HistoryTable& history, BuildingUses& uses,
                      const std::function<bool(int number)>& lastDecisionWon)
{
    return checkPrice(budget, references,
                      ownPricesFor(budget, history, [&uses](int number) { return uses.of(number); }, lastDecisionWon));
}

QString PriceCheck::floorText() const
{
    return floor ? money(*floor) : QStringLiteral("indefinido (impostos de 100 %)");
}

QString PriceCheck::workReferenceText() const
{
    return workReference ? money(*workReference) : QStringLiteral("configure no escritório");
}

QString PriceCheck::ownText() const
{
    if (own.basis == OwnPrices::Basis::None)
        return QStringLiteral("sem histórico suficiente");
    return QStringLiteral("mediana %1 (%2–%3), %4 orçamentos")
        .arg(money(own.median), money(own.lowerQuartile), money(own.upperQuartile))
        .arg(own.count);
}

QString PriceCheck::verdictText() const
{
    switch (verdict) {
    case Verdict::BelowFloor:
        return QStringLiteral("Abaixo do preço mínimo");
    case Verdict::OutsideOwnRange:
        return QStringLiteral("Fora da faixa histórica");
    case Verdict::FarFromWorkReference:
        return QStringLiteral("Longe da referência pela obra");
    case Verdict::WithinReferences:
        break;
    }
    return QStringLiteral("Dentro das referências");
}

QString PriceCheck::departureText() const
{
    const auto percentOff = [](double value, double reference) {
        return percentText(std::fabs(value - reference) / reference * 100.0);
    };
    switch (verdict) {
    case Verdict::BelowFloor:
        return QStringLiteral("%1 abaixo do preço mínimo").arg(percentOff(quote, *floor));
    case Verdict::OutsideOwnRange:
        return roundToCentavo(quotePerM2) > roundToCentavo(own.upperQuartile)
                   ? QStringLiteral("acima do 3º quartil (%1)").arg(money(own.upperQuartile))
                   : QStringLiteral("abaixo do 1º quartil (%1)").arg(money(own.lowerQuartile));
    case Verdict::FarFromWorkReference:
        return QStringLiteral("%1 %2 da referência pela obra")
            .arg(percentOff(quote, *workReference),
                 quote < *workReference ? QStringLiteral("abaixo") : QStringLiteral("acima"));
    case Verdict::WithinReferences:
        break;
    }
    return {};
}

QString PriceCheck::verdictWithDeparture() const
{
    // The verdict already names the reference: the line adds only the way and the size.
    switch (verdict) {
    case Verdict::BelowFloor:
        return verdictText() + QStringLiteral(": ") + percentText(std::fabs(quote - *floor) / *floor * 100.0);
    case Verdict::OutsideOwnRange:
        return verdictText() + QStringLiteral(": ") + departureText();
    case Verdict::FarFromWorkReference:
        return verdictText() + QStringLiteral(": ")
               + percentText(std::fabs(quote - *workReference) / *workReference * 100.0)
               + (quote < *workReference ? QStringLiteral(" abaixo") : QStringLiteral(" acima"));
    case Verdict::WithinReferences:
        break;
    }
    return verdictText();
}

QString PriceCheck::hint() const
{
    QStringList used;
    if (floor)
        used << QStringLiteral("preço mínimo");
    if (workReference)
        used << QStringLiteral("referência pela obra");
    if (own.basis == OwnPrices::Basis::SameService)
        used << QStringLiteral("histórico do mesmo serviço");
    else if (own.basis == OwnPrices::Basis::SameUse)
        used << QStringLiteral("histórico do mesmo uso da edificação");
    if (used.isEmpty())
        return QStringLiteral("Nenhuma referência disponível.");
    QString list = used.takeLast();
    if (!used.isEmpty())
        list = used.join(QStringLiteral(", ")) + QStringLiteral(" e ") + list;
    return QStringLiteral("Conferido com: %1.").arg(list);
}

} // namespace belvane

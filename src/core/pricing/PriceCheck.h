#pragma once
// "Is this number sane?": a quote held against three references an architect checks by hand —
// the least the job must bring in (the quote at zero profit), what the fee tables reason from (a
// share of the construction cost, area × CUB × the category's percentage), and what this office
// charged per square metre for similar work it won.
#include "core/budget/BudgetRecord.h"
#include "core/history/HistoryTable.h"
#include "core/pricing/BuildingUses.h"
#include "core/pricing/PriceReferences.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace belvane {

// The office's own won prices per square metre for work like this one.
struct OwnPrices {
    enum class Basis {
        None,        // fewer than kMinimumBudgets won budgets, even of the same building use
        SameService, // won budgets of the same service (SubTipo)
        SameUse,     // too few of the same service: won budgets of the same building use
    } basis = Basis::None;
    int count = 0;
    double lowerQuartile = 0;
    double median = 0;
    double upperQuartile = 0;

    static constexpr int kMinimumBudgets = 3;
};

struct PriceCheck {
    enum class Verdict { BelowFloor, OutsideOwnRange, FarFromWorkReference, WithinReferences };

    double quote = 0; // the quoted value
    double quotePerM2 = 0;
    std::optional<double> floor;         // the quote at zero profit; none at a tax of 100 %
    std::optional<double> workReference; // area × CUB × share; none until the office sets them
    OwnPrices own;
    Verdict verdict = Verdict::WithinReferences;

    // How far from the reference by the work a quote may lie before it is pointed out.
    static constexpr double kWorkReferenceTolerance = 0.30;

    // The floor's caption: it is the quote at zero profit, the office standard's addition included.
    static QString floorCaption() { return QStringLiteral("Preço mínimo (lucro zero, com adicional de padrão) [R$]"); }
    QString floorText() const;
    QString workReferenceText() const;
    QString ownText() const;
    QString verdictText() const;
    // Which way and how far the quote departs from the reference the verdict names ("38 % abaixo
    // da referência pela obra", "acima do 3º quartil (155,00)"); empty within the references.
    QString departureText() const;
    // The verdict followed by its departure, as the panel and the documents show it.
    QString verdictWithDeparture() const;
    // Which references the verdict could lean on.
    QString hint() const;
};

// The p-quantile (0..1) of sorted values by linear interpolation between order statistics: the
// position h = (n − 1)·p lies between the values at floor(h) and floor(h) + 1 and takes the value
// in between in proportion ("type 7", the definition spreadsheets and most statistics packages use).
double quantile(const std::vector<double>& sorted, double p);

// The won budgets' prices per square metre, from the history's rows with the status exactly
// "Aprovado" or "Concluído", or revised since their last decision, a win (`lastDecisionWon`, see
// countsAsWon), leaving out the budget itself. `buildingUseOf` reads a budget's building use,
// which the history does not list; it is asked only when too few budgets of the same service
// were won.
OwnPrices ownPricesFor(const TBudgetData& budget, const HistoryTable& history,
                       const std::function<QString(int number)>& buildingUseOf,
                       const std::function<bool(int number)>& lastDecisionWon = {});

PriceCheck checkPrice(const TBudgetData& budget, const PriceReferences& references, const OwnPrices& own);

// The whole check of a priced budget, as the summary and the internal report show it.
PriceCheck checkPrice(const TBudgetData& budget, const PriceReferences& references,
                      const HistoryTable& history, BuildingUses& uses,
                      const std::function<bool(int number)>& lastDecisionWon = {});

} // namespace belvane

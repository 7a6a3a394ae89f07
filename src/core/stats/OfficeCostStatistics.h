#pragma once
// Where the office's monthly money goes, as the upper panel of the statistics page shows it: the
// six totals of the office in their screen order, one bar per named expense, and the four cost
// groups of the ring. Everything is read from the office record as last collected from the
// office page; no total is recomputed here.
//
// The bars are one run of fixed expenses followed by one run of variable expenses, each in the
// order of the office page and each ending at its first unnamed slot. A named slot after an
// unnamed one therefore has no bar although the office totals count it: the totals and the bars
// are deliberately not reconciled.
#include "core/office/OfficeRecord.h"
#include "core/stats/CostShare.h"

#include <QList>

namespace belvane {

struct OfficeCostStatistics {
    // The six number boxes, top to bottom.
    double fixedTotal = 0.0;
    double variableTotal = 0.0;
    double supportStaffTotal = 0.0;
    double costWithoutTech = 0.0;
    double techStaffTotal = 0.0;
    double costWithTech = 0.0;

    QList<CostShare> expenseBars;
    // "Fixo", "Variável", "Apoio", "Técnico", in that order.
    QList<CostShare> groupSlices;
};

OfficeCostStatistics officeCostStatistics(const TOfficeData& office);

} // namespace belvane

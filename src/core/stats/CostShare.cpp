#include "core/stats/CostShare.h"

#include "core/text/NumberFormat.h"

#include <cmath>

namespace belvane {

double totalOf(const QList<CostShare>& shares)
{
    double total = 0.0;
    for (const CostShare& share : shares)
        total += share.value;
    return total;
}

QString percentText(double part, double whole)
{
    const double percent = whole != 0.0 ? part / whole * 100.0 : 0.0;
    return formatNumber(std::isfinite(percent) ? percent : 0.0, u"##0.# %");
}

QString costTipText(const CostShare& share, double whole)
{
    return share.label + QLatin1Char('\n') + percentText(share.value, whole)
           + QStringLiteral(" do total de R$ ") + formatNumber(whole, u"#,##0.00");
}

} // namespace belvane

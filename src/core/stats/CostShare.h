#pragma once
// A share of the office's monthly cost: one bar of the expense chart or one slice of the cost-group
// ring, with its caption and value in R$. The charts print a share as a percentage of the whole
// they belong to, and the hover tip names the share, that percentage and the whole.
#include <QList>
#include <QString>
#include <QStringView>

namespace belvane {

struct CostShare {
    QString label;
    double value = 0.0;

    bool operator==(const CostShare&) const = default;
};

// The sum of the values, the whole that percentages are taken of.
double totalOf(const QList<CostShare>& shares);

// The part as a percentage of the whole, "##0.# %" ("33,3 %", "50 %"). A whole of zero, or one
// that is no number, gives "0 %": a chart with nothing in it shows no share at all.
QString percentText(double part, double whole);

// The hover tip of a bar or slice: its caption on the first line, then its percentage and the
// whole in R$ ("Aluguel" / "25 % do total de R$ 8.000,00").
QString costTipText(const CostShare& share, double whole);

} // namespace belvane

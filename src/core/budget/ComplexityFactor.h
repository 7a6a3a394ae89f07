#pragma once
// The complexity factor Fc of a commission. Each of the complexity indicators the user rates gets
// an index — 0,7 for "Baixa", 1,0 for "Média", 1,3 for "Alta" — and Fc is the average index of the
// rated indicators. Fc scales the execution time that the team and the office are paid for.
#include <QList>
#include <optional>

namespace belvane {

// The index of a rating level 1..3 as a single-precision value; 0 for any other level.
float indicatorIndex(int level);

// The average of the indices of the rated indicators: the sum is kept in single precision and
// rounded after each addition, the quotient is exact. Nothing when no indicator is rated.
std::optional<double> averageIndex(const QList<double>& ratedIndices);

} // namespace belvane

#pragma once
// The man-hours estimate of a commission. Each design task rated "Baixa", "Média" or "Alta" takes
// the man-hours the office's own table gives for the project category 1..4 and that complexity;
// the estimate is the sum over the rated tasks. The sum is kept in a 16-bit word, as in the stored
// budgets, so an absurd total wraps around instead of failing.
#include "core/office/OfficeRecord.h"

#include <QList>
#include <QStringView>
#include <cstdint>

namespace belvane {

// Position of a rating among "", "Baixa", "Média", "Alta" (exact comparison); -1 for any other text.
int complexityLevelOf(QStringView rating);

// Man-hours of one task: the office table's entry for the category and the rating, or 0 when the
// rating is not one of the three levels or the category lies outside 1..4.
std::uint16_t TaskHxh(QStringView rating, int category, const TOfficeData& office);

// The 16-bit wrapping sum of the tasks' man-hours.
std::uint16_t totalManHours(const QList<int>& taskHours);

} // namespace belvane

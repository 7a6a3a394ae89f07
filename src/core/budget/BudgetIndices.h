#pragma once
// Figures that relate a priced budget to its office, shown beside the composition of the value:
// K1, how much of the office's monthly cost this project pays for; K2, how much of one month of
// the office's technical staff its man-hours take; and the zero-profit value, the quoted value the
// budget would have if the office made no profit at all — the floor of any renegotiation.
#include "core/budget/BudgetRecord.h"
#include "core/office/OfficeRecord.h"

#include <QString>
#include <optional>

namespace belvane {

// K1 in percent after a generation: the value net of taxes over the office's monthly cost with
// its technical staff; 100 when the office has no such cost.
float K1AfterGeneration(const TBudgetData& budget, const TOfficeData& office);

// K1 in percent after a renegotiation: here the quoted value is taken with its taxes.
float K1AfterRenegotiation(const TBudgetData& budget, const TOfficeData& office);

// K2 in percent: the budget's man-hours over the office's monthly hours of all technical staff;
// 100 when the office has no monthly hours or no technical staff.
float K2Of(const TBudgetData& budget, const TOfficeData& office);

// The quoted value at zero profit, rounded to single precision; nothing when the tax rate is
// 100 % or more (no such value exists) or the value is out of range.
std::optional<float> zeroProfitValue(const TBudgetData& budget);
// The same in double precision, for a figure shown in centavos: the single-precision value may
// lie a centavo off (10944,4449 is stored as 10944,4453).
std::optional<double> exactZeroProfitValue(const TBudgetData& budget);

// The caption of the zero-profit line: the value without decimals and " -> lucro=0".
QString zeroProfitCaption(float value);

} // namespace belvane

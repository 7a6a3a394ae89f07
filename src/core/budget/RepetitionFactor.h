#pragma once
// The repetition factor: a project built several times over costs the office less design work per
// copy, so the fee is discounted by a factor that falls with the number of repetitions. The curve
// is piecewise linear; its pieces do not join, so the factor steps at each boundary, and from 188
// repetitions on it reaches zero and below. Past 256 repetitions no discount applies at all.
namespace belvane {

// The factor for x repetitions (the piece is chosen by x truncated toward zero; the linear pieces
// use x itself). Rounded to single precision.
float RepetitionFactorOf(float x);

} // namespace belvane

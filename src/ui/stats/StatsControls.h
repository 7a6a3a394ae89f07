#pragma once
// The named buttons of the statistics page: the chart look switches. Each control carries its name as its
// objectName; the constructors and the tests use these constants, so a name is spelt once.

namespace belvane::controls::stats {

inline constexpr char kNextPalette[] = "SpeedButton27";
inline constexpr char kGradient[] = "SpeedButton4";
inline constexpr char kMonochrome[] = "SpeedButton26";

} // namespace belvane::controls::stats

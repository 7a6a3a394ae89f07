#pragma once
// The named buttons of the history page, its report panel and its colour panel. Each control carries its name as its
// objectName; the constructors and the tests use these constants, so a name is spelt once.

namespace belvane::controls::history {

inline constexpr char kReopen[] = "AbColBitBtn19";
inline constexpr char kReport[] = "AbColBitBtn17";
inline constexpr char kDelete[] = "AbColBitBtn20";
inline constexpr char kHighlight[] = "AbColBitBtn18";
inline constexpr char kColors[] = "AbColBitBtn16";
inline constexpr char kColorsOk[] = "SpeedButton31";
inline constexpr char kCopyReport[] = "SpeedButton5";
inline constexpr char kCloseReport[] = "SpeedButton7";

} // namespace belvane::controls::history

#pragma once
// The named buttons of the main window's menu page and header. Each control carries its name as its
// objectName; the constructors and the tests use these constants, so a name is spelt once.

namespace belvane::controls::app {

inline constexpr char kMenuOffice[] = "AbColBitBtn1";
inline constexpr char kMenuBudget[] = "AbColBitBtn2";
inline constexpr char kMenuHistory[] = "AbColBitBtn3";
inline constexpr char kMenuStatistics[] = "AbColBitBtn29";
inline constexpr char kMenuExit[] = "AbColBitBtn5";
inline constexpr char kHeaderMenu[] = "AbColBitBtn15";

} // namespace belvane::controls::app

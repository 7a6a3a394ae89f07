#pragma once
// The named buttons of the office page. Each control carries its name as its
// objectName; the constructors and the tests use these constants, so a name is spelt once.

namespace belvane::controls::office {

inline constexpr char kGeneralSelector[] = "AbColBitBtn11";
inline constexpr char kCostsSelector[] = "AbColBitBtn12";
inline constexpr char kReset[] = "AbColBitBtn24";
inline constexpr char kSave[] = "AbColBitBtn22";
inline constexpr char kOpen[] = "AbColBitBtn23";
inline constexpr char kStandardsNoteSwitch[] = "AbColBitBtn7";
inline constexpr char kManHoursNoteSwitch[] = "AbColBitBtn10";
inline constexpr char kAddFixedExpense[] = "AbColBitBtn13";
inline constexpr char kDeleteFixedExpense[] = "AbColBitBtn27";
inline constexpr char kAddVariableExpense[] = "AbColBitBtn28";
inline constexpr char kDeleteVariableExpense[] = "AbColBitBtn30";
inline constexpr char kAddStaff[] = "AbColBitBtn32";
inline constexpr char kDeleteStaff[] = "AbColBitBtn31";
inline constexpr char kStaffNoteSwitch[] = "AbColBitBtn6";

} // namespace belvane::controls::office

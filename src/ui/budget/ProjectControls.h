#pragma once
// The named buttons of the project (budget) page. Each control carries its name as its
// objectName; the constructors and the tests use these constants, so a name is spelt once.

namespace belvane::controls::project {

inline constexpr char kDataSelector[] = "AbColBitBtn4";
inline constexpr char kResourcesSelector[] = "AbColBitBtn8";
inline constexpr char kSummarySelector[] = "AbColBitBtn9";
inline constexpr char kPaymentSelector[] = "PagamentoSelector";
inline constexpr char kNewBudget[] = "AbColBitBtn25";
inline constexpr char kSaveBudget[] = "AbColBitBtn26";
inline constexpr char kTeamNoteSwitch[] = "AbColBitBtn14";
inline constexpr char kSaveAsCancel[] = "SpeedButton29";
inline constexpr char kSaveAsNew[] = "SpeedButton23";
inline constexpr char kSaveAsOverwrite[] = "SpeedButton2";

} // namespace belvane::controls::project

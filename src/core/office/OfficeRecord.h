#pragma once
// The office record: everything the program knows about the architecture office — name, tax
// regime and rate, standard and its factor Fe, monthly hours, staff, monthly expenses, the
// man-hours table — plus the cost totals derived from those lists. The office file holds this
// record byte for byte (8712 bytes, little-endian), so the layout below is the file format.
#include "core/text/ShortString.h"

#include <cstddef>
#include <cstdint>

namespace belvane {

inline constexpr int kStaffSlots = 21;
inline constexpr int kExpenseSlots = 101;
inline constexpr int kHxhCategories = 4;

// Tax regime is a bit mask with exactly one bit set (0 = none chosen).
inline constexpr std::uint8_t kRegimeSimples = 1;
inline constexpr std::uint8_t kRegimeLucroPresumido = 2;
inline constexpr std::uint8_t kRegimeOutros = 4;

struct TOfficeData {
    float Version;
    ShortString<50> Name;
    ShortString<30> ReservedText;
    ShortString<10> UpdatedOn;
    std::uint8_t Reserved97[3];
    std::uint8_t StaffCount;
    std::uint8_t TechStaffCount;
    ShortString<30> StaffName[kStaffSlots];
    ShortString<20> StaffRole[kStaffSlots];
    std::uint8_t Reserved1194[2];
    float StaffCost[kStaffSlots];
    ShortString<10> StaffType[kStaffSlots];
    std::uint8_t StaffPercentA[kStaffSlots];
    std::uint8_t StaffPercentB[kStaffSlots];
    std::uint8_t Reserved1553[3];
    std::uint8_t TaxRegime;
    std::uint8_t Reserved1557[3];
    float TaxRate;
    ShortString<2> OfficeStandard;
    std::uint8_t OfficeStandardIndex;
    float StandardFactor;
    std::uint16_t MonthlyHours;
    std::uint8_t Reserved1574[2];
    float Utilization;
    ShortString<30> FixedExpenseName[kExpenseSlots];
    ShortString<30> VariableExpenseName[kExpenseSlots];
    std::uint8_t Reserved7842[2];
    float FixedExpenseValue[kExpenseSlots];
    float VariableExpenseValue[kExpenseSlots];
    float CostWithoutTech;
    float CostWithTech;
    float FixedTotal;
    float VariableTotal;
    float TechStaffTotal;
    float SupportStaffTotal;
    float CostPerHour;
    // [row][column]: row r is project category r + 1; column 0 holds the category number,
    // columns 1..3 the man-hours of a task at complexity "Baixa", "Média", "Alta".
    std::uint16_t HxhTable[kHxhCategories][4];
};

static_assert(sizeof(TOfficeData) == 8712);
static_assert(offsetof(TOfficeData, Name) == 4);
static_assert(offsetof(TOfficeData, ReservedText) == 55);
static_assert(offsetof(TOfficeData, UpdatedOn) == 86);
static_assert(offsetof(TOfficeData, StaffCount) == 100);
static_assert(offsetof(TOfficeData, TechStaffCount) == 101);
static_assert(offsetof(TOfficeData, StaffName) == 102);
static_assert(offsetof(TOfficeData, StaffRole) == 753);
static_assert(offsetof(TOfficeData, StaffCost) == 1196);
static_assert(offsetof(TOfficeData, StaffType) == 1280);
static_assert(offsetof(TOfficeData, StaffPercentA) == 1511);
static_assert(offsetof(TOfficeData, StaffPercentB) == 1532);
static_assert(offsetof(TOfficeData, TaxRegime) == 1556);
static_assert(offsetof(TOfficeData, TaxRate) == 1560);
static_assert(offsetof(TOfficeData, OfficeStandard) == 1564);
static_assert(offsetof(TOfficeData, OfficeStandardIndex) == 1567);
static_assert(offsetof(TOfficeData, StandardFactor) == 1568);
static_assert(offsetof(TOfficeData, MonthlyHours) == 1572);
static_assert(offsetof(TOfficeData, Utilization) == 1576);
static_assert(offsetof(TOfficeData, FixedExpenseName) == 1580);
static_assert(offsetof(TOfficeData, VariableExpenseName) == 4711);
static_assert(offsetof(TOfficeData, FixedExpenseValue) == 7844);
static_assert(offsetof(TOfficeData, VariableExpenseValue) == 8248);
static_assert(offsetof(TOfficeData, CostWithoutTech) == 8652);
static_assert(offsetof(TOfficeData, CostWithTech) == 8656);
static_assert(offsetof(TOfficeData, FixedTotal) == 8660);
static_assert(offsetof(TOfficeData, VariableTotal) == 8664);
static_assert(offsetof(TOfficeData, TechStaffTotal) == 8668);
static_assert(offsetof(TOfficeData, SupportStaffTotal) == 8672);
static_assert(offsetof(TOfficeData, CostPerHour) == 8676);
static_assert(offsetof(TOfficeData, HxhTable) == 8680);

// The record as it stands before anything was read: all zero bytes.
TOfficeData zeroOffice();

// Fills the record with the office defaults; only the length byte of each string is cleared
// and reserved bytes keep what they held.
void DefaultOffice(TOfficeData& office);

// Recomputes TechStaffCount and the seven cost totals from the staff and expense lists.
void ComputeOfficeTotals(TOfficeData& office);

// The standard's surcharge factor Fe: "A+" 1.6, "A" 1.4, "B" 1.2, anything else 1.0.
float standardFactorOf(QStringView standard);

} // namespace belvane

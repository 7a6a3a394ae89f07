#pragma once
// One budget ("orçamento"): the client, the classification of the commission, the inputs of the
// project page, the resources (tasks, complexity indicators, technical team), the office values in
// force when it was calculated, and every result of the calculation. Each saved budget is one file
// holding this record byte for byte (4744 bytes, little-endian), so the layout is the file format.
#include "core/text/ShortString.h"

#include <cstddef>
#include <cstdint>

namespace belvane {

inline constexpr int kBudgetSlots = 21;   // tasks, indicators and team entries in the record
inline constexpr int kTeamRows = 8;       // rows of the technical team grid

struct TBudgetTask {
    ShortString<40> Name;        // empty = entry not in use (ends the list)
    std::uint8_t Done;
    ShortString<7> Complexity;   // "", "Baixa", "Média" or "Alta"
    std::uint16_t Hxh;           // 0 = no man-hours
};
static_assert(sizeof(TBudgetTask) == 52);
static_assert(offsetof(TBudgetTask, Done) == 41);
static_assert(offsetof(TBudgetTask, Complexity) == 42);
static_assert(offsetof(TBudgetTask, Hxh) == 50);

struct TBudgetIndicator {
    std::uint8_t Number;
    ShortString<40> Name;
    ShortString<7> Complexity;
    std::uint8_t Reserved50[2];
    float IndexValue;            // 0.7, 1.0 or 1.3; 0 = not rated
};
static_assert(sizeof(TBudgetIndicator) == 56);
static_assert(offsetof(TBudgetIndicator, Name) == 1);
static_assert(offsetof(TBudgetIndicator, Complexity) == 42);
static_assert(offsetof(TBudgetIndicator, IndexValue) == 52);

struct TBudgetData {
    float Version;
    std::uint16_t Number;
    ShortString<10> Status;
    std::uint8_t Reserved17[7];
    double CreatedDate;          // days since 30/12/1899
    double EditedDate;
    double CreatedTime;          // time of day as a fraction of a day
    ShortString<100> ClientName;
    ShortString<255> ClientAddress;
    ShortString<20> ClientPhone;
    ShortString<30> ClientEmail;
    std::uint8_t Reserved457[3];
    float Area;
    float MonthlyHours;
    std::uint8_t HxhManual;
    std::uint8_t Reserved469;
    std::uint16_t Hxh;
    std::uint16_t HxhManualValue;
    std::uint16_t HxhAutoValue;
    TBudgetTask Tasks[kBudgetSlots];
    TBudgetIndicator Indicators[kBudgetSlots];
    std::uint8_t TeamCount;
    std::uint8_t Reserved2745;
    ShortString<30> TeamName[kBudgetSlots];
    ShortString<20> TeamRole[kBudgetSlots];
    std::uint8_t Reserved3838[2];
    float TeamCost[kBudgetSlots];
    ShortString<10> TeamType[kBudgetSlots];
    std::uint8_t TeamShare[kBudgetSlots];
    std::uint8_t TeamProductivity[kBudgetSlots];
    std::uint8_t Reserved4197[3];
    float TeamEquivalent;
    float ExecutionHours;
    ShortString<100> BuildingUse;
    ShortString<100> BuildingType;
    ShortString<100> ServiceGroup;
    ShortString<100> Service;
    std::uint8_t ProjectCategory;
    std::uint8_t Reserved4613[3];
    float TeamCostTotal;
    float RRT;
    float TravelExpenses;
    float ThirdParty;
    std::uint8_t Repetitions;
    std::uint8_t Reserved4633[3];
    float RepetitionFactor;
    float ComplexityFactor;
    float StandardFactor;
    float ProfitPercent;
    float TaxRate;
    float QualificationAddition;
    float RepetitionDiscount;
    float OwnExpenses;
    float CostPerHour;
    float OfficeShare;
    float Profit;
    float K2;
    float K1;
    ShortString<2> OfficeStandard;
    std::uint8_t Reserved4691;
    float Taxes;
    float BudgetValue;
    float NegotiatedValue;
    float ValuePerM2;
    ShortString<30> ProjectCode;
    std::uint8_t Reserved4739[5];
};

static_assert(sizeof(TBudgetData) == 4744);
static_assert(offsetof(TBudgetData, Number) == 4);
static_assert(offsetof(TBudgetData, Status) == 6);
static_assert(offsetof(TBudgetData, CreatedDate) == 24);
static_assert(offsetof(TBudgetData, EditedDate) == 32);
static_assert(offsetof(TBudgetData, CreatedTime) == 40);
static_assert(offsetof(TBudgetData, ClientName) == 48);
static_assert(offsetof(TBudgetData, ClientAddress) == 149);
static_assert(offsetof(TBudgetData, ClientPhone) == 405);
static_assert(offsetof(TBudgetData, ClientEmail) == 426);
static_assert(offsetof(TBudgetData, Area) == 460);
static_assert(offsetof(TBudgetData, MonthlyHours) == 464);
static_assert(offsetof(TBudgetData, HxhManual) == 468);
static_assert(offsetof(TBudgetData, Hxh) == 470);
static_assert(offsetof(TBudgetData, HxhManualValue) == 472);
static_assert(offsetof(TBudgetData, HxhAutoValue) == 474);
static_assert(offsetof(TBudgetData, Tasks) == 476);
static_assert(offsetof(TBudgetData, Indicators) == 1568);
static_assert(offsetof(TBudgetData, TeamCount) == 2744);
static_assert(offsetof(TBudgetData, TeamName) == 2746);
static_assert(offsetof(TBudgetData, TeamRole) == 3397);
static_assert(offsetof(TBudgetData, TeamCost) == 3840);
static_assert(offsetof(TBudgetData, TeamType) == 3924);
static_assert(offsetof(TBudgetData, TeamShare) == 4155);
static_assert(offsetof(TBudgetData, TeamProductivity) == 4176);
static_assert(offsetof(TBudgetData, TeamEquivalent) == 4200);
static_assert(offsetof(TBudgetData, ExecutionHours) == 4204);
static_assert(offsetof(TBudgetData, BuildingUse) == 4208);
static_assert(offsetof(TBudgetData, BuildingType) == 4309);
static_assert(offsetof(TBudgetData, ServiceGroup) == 4410);
static_assert(offsetof(TBudgetData, Service) == 4511);
static_assert(offsetof(TBudgetData, ProjectCategory) == 4612);
static_assert(offsetof(TBudgetData, TeamCostTotal) == 4616);
static_assert(offsetof(TBudgetData, RRT) == 4620);
static_assert(offsetof(TBudgetData, TravelExpenses) == 4624);
static_assert(offsetof(TBudgetData, ThirdParty) == 4628);
static_assert(offsetof(TBudgetData, Repetitions) == 4632);
static_assert(offsetof(TBudgetData, RepetitionFactor) == 4636);
static_assert(offsetof(TBudgetData, ComplexityFactor) == 4640);
static_assert(offsetof(TBudgetData, StandardFactor) == 4644);
static_assert(offsetof(TBudgetData, ProfitPercent) == 4648);
static_assert(offsetof(TBudgetData, TaxRate) == 4652);
static_assert(offsetof(TBudgetData, QualificationAddition) == 4656);
static_assert(offsetof(TBudgetData, RepetitionDiscount) == 4660);
static_assert(offsetof(TBudgetData, OwnExpenses) == 4664);
static_assert(offsetof(TBudgetData, CostPerHour) == 4668);
static_assert(offsetof(TBudgetData, OfficeShare) == 4672);
static_assert(offsetof(TBudgetData, Profit) == 4676);
static_assert(offsetof(TBudgetData, K2) == 4680);
static_assert(offsetof(TBudgetData, K1) == 4684);
static_assert(offsetof(TBudgetData, OfficeStandard) == 4688);
static_assert(offsetof(TBudgetData, Taxes) == 4692);
static_assert(offsetof(TBudgetData, BudgetValue) == 4696);
static_assert(offsetof(TBudgetData, NegotiatedValue) == 4700);
static_assert(offsetof(TBudgetData, ValuePerM2) == 4704);
static_assert(offsetof(TBudgetData, ProjectCode) == 4708);

// The record as it stands before anything was read: all zero bytes.
TBudgetData zeroBudget();

// Fills the record with the values of a new, unsaved budget (status "Novo", number 1, today's
// dates, the twelve tasks and ten indicators named). Only length bytes of strings are cleared;
// task entries 12..20, indicator entries 10..20 and the indicators' numbers are left as they were.
void NewBudgetRecord(TBudgetData& budget);

} // namespace belvane

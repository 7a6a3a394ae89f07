#pragma once
// The eight totals of the office's monthly costs as the expenses page shows them while the user
// types: fixed and variable expenses, technical and support staff, the cost without and with the
// technical staff, and both per worked hour.
//
// The same sums serve the lists being edited (every row, named or not) and the stored record
// (ComputeOfficeTotals: only the rows that are stored), so an unnamed staff row with a cost shows
// while the user types but is not in what a budget uses.
#include <QString>

#include <optional>
#include <vector>

namespace belvane {

struct OfficeStaffCostRow {
    QString type;                 // "Técnico", "Apoio" or anything else (counted as neither)
    std::optional<double> cost;   // nullopt: the cell holds no number
};

struct OfficeCostRows {
    std::vector<std::optional<double>> fixed;      // nullopt: the cell holds no number
    std::vector<std::optional<double>> variable;
    std::vector<OfficeStaffCostRow> staff;
    int monthlyHours = 0;
};

struct OfficeCostTotals {
    float fixedTotal = 0;
    float variableTotal = 0;
    float techStaffTotal = 0;
    float supportStaffTotal = 0;
    float costWithoutTech = 0;
    float costWithTech = 0;
    double costPerHour = 0;           // without the technical staff
    double costWithTechPerHour = 0;
};

// The totals of the given rows, or nullopt when a value that must be added is no number (the
// page then keeps showing its previous totals). A staff row's cost is read only when its type
// is "Técnico" or "Apoio".
std::optional<OfficeCostTotals> computeOfficeCosts(const OfficeCostRows& rows);

struct TOfficeData;
// The totals a stored office carries, with the two the record has no field for (the cost with the
// technical staff, and per hour) derived from its rounded fields.
OfficeCostTotals storedOfficeCosts(const TOfficeData& office);

} // namespace belvane

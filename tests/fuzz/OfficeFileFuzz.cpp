// The office file "Office.bvo", carried between machines and offices: any bytes. A whole record
// must be read as it is and written back unchanged; everything the program derives from an
// office — its totals, the statistics panel, the team choices of a budget, K1 and K2 — must
// cope with whatever the record holds.
#include "RecordFuzzSupport.h"

#include "core/budget/BudgetIndices.h"
#include "core/budget/TeamLookup.h"
#include "core/office/OfficeFile.h"
#include "core/stats/OfficeCostStatistics.h"

using namespace belvane;
using namespace belvane::fuzz;

namespace {

void showOffice(const TOfficeData& office)
{
    showText(office.Name);
    showText(office.UpdatedOn);
    showText(office.OfficeStandard);
    for (int i = 0; i < kStaffSlots; ++i) {
        showText(office.StaffName[i]);
        showText(office.StaffRole[i]);
        showText(office.StaffType[i]);
        showFigure(office.StaffCost[i]);
    }
    for (int i = 0; i < kExpenseSlots; ++i) {
        showText(office.FixedExpenseName[i]);
        showText(office.VariableExpenseName[i]);
        showFigure(office.FixedExpenseValue[i]);
        showFigure(office.VariableExpenseValue[i]);
    }
    for (const float figure : {office.TaxRate, office.StandardFactor, office.Utilization,
                               office.CostWithTech, office.CostPerHour})
        showFigure(figure);
}

void deriveFromOffice(const TOfficeData& office)
{
    const OfficeCostStatistics statistics = officeCostStatistics(office);
    for (const CostShare& bar : statistics.expenseBars)
        (void)costTipText(bar, totalOf(statistics.expenseBars));
    for (const CostShare& slice : statistics.groupSlices)
        (void)percentText(slice.value, totalOf(statistics.groupSlices));

    const QStringList names = technicalStaffNames(office);
    for (const QString& name : names)
        check(findStaffMember(office, name) >= 0, "an offered team member must be found by name");
    (void)standardFactorOf(office.OfficeStandard.toQString());

    TBudgetData budget = zeroBudget();
    NewBudgetRecord(budget);
    budget.Hxh = 100;
    budget.BudgetValue = 10000.0f;
    (void)K1AfterGeneration(budget, office);
    (void)K1AfterRenegotiation(budget, office);
    (void)K2Of(budget, office);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    TOfficeData office = zeroOffice();
    if (!readAndWriteBack(office, QString::fromLatin1(kOfficeFileName), bytes, ReadOfficeFile,
                          WriteOfficeFile))
        return 0;
    showOffice(office);
    deriveFromOffice(office);
    // Saving the office page recomputes the totals from the lists before anything uses them.
    ComputeOfficeTotals(office);
    deriveFromOffice(office);
    return 0;
}

#include "support/Records.h"

#include "core/budget/BudgetFile.h"
#include "core/office/OfficeFile.h"

#include <gtest/gtest.h>

namespace belvane::test {

TBudgetData newBudget()
{
    TBudgetData budget = zeroBudget();
    NewBudgetRecord(budget);
    return budget;
}

TOfficeData defaultOffice()
{
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    return office;
}

TStatusColors defaultStatusColors()
{
    TStatusColors colors = zeroStatusColors();
    DefaultStatusColors(colors);
    return colors;
}

TBudgetData storedBudget(const QString& path)
{
    TBudgetData budget = zeroBudget();
    EXPECT_EQ(ReadBudgetFile(budget, path).state, RecordReadState::Read) << path.toStdString();
    return budget;
}

TOfficeData storedOffice(const QString& path)
{
    TOfficeData office = zeroOffice();
    EXPECT_EQ(ReadOfficeFile(office, path).state, RecordReadState::Read) << path.toStdString();
    return office;
}

} // namespace belvane::test

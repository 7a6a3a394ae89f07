#include "core/budget/TaskEstimate.h"
#include "core/budget/TaskHours.h"
#include "core/office/OfficeRecord.h"
#include "core/tables/ReferenceTables.h"

#include <gtest/gtest.h>

using namespace belvane;

TEST(TaskEstimateTest, RatingNeedsACategoryAndTheEstimateSumsTheRatedTasks)
{
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    const QString high = kComplexityLevels[3].toString();
    TaskEstimate tasks;
    tasks.setRows({{QStringLiteral("Estudo"), true, high, {}}, {QStringLiteral("Anteprojeto"), false, high, {}},
                   {QStringLiteral("Executivo"), false, {}, {}}});
    EXPECT_FALSE(tasks.rate(0, 0, office));
    EXPECT_TRUE(tasks.rows()[0].rating.isEmpty());
    EXPECT_FALSE(tasks.rows()[0].hours);

    const int perTask = TaskHxh(high, 3, office);
    ASSERT_GT(perTask, 0);
    EXPECT_TRUE(tasks.rate(1, 3, office));
    EXPECT_EQ(tasks.total(), perTask);
    EXPECT_EQ(tasks.recalculate(3, office), perTask);   // only rated tasks count

    tasks.clear();
    EXPECT_EQ(tasks.total(), 0);
    EXPECT_EQ(TaskEstimate::manHoursWord(65537.9), 1);   // cut to the record's 16-bit word
    EXPECT_EQ(TaskEstimate::manHoursWord(1e300), 0);
}

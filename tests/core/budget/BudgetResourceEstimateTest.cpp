#include "core/budget/ComplexityFactor.h"
#include "core/budget/TaskHours.h"
#include "core/tables/ReferenceTables.h"

#include "support/Offices.h"
#include "support/Records.h"

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::defaultOffice;
using belvane::test::setOfficePageManHours;

namespace {

// An office whose man-hours table is the default table of the office page.
TOfficeData officeWithDefaultTable()
{
    TOfficeData office = defaultOffice();
    setOfficePageManHours(office);
    return office;
}

} // namespace

TEST(BudgetTaskHoursTest, RatingsReadTheOfficeTableByCategory)
{
    TOfficeData office = officeWithDefaultTable();
    EXPECT_EQ(TaskHxh(u"Média", 3, office), 12);
    EXPECT_EQ(TaskHxh(u"Baixa", 1, office), 2);
    EXPECT_EQ(TaskHxh(u"Alta", 4, office), 25);
    office.HxhTable[1][3] = 300;
    EXPECT_EQ(TaskHxh(u"Alta", 2, office), 300);
}

TEST(BudgetTaskHoursTest, UnknownRatingsAndCategoriesGiveNoHours)
{
    const TOfficeData office = officeWithDefaultTable();
    for (QStringView rating : {u"", u"media", u"Media", u"ALTA", u" Baixa"})
        EXPECT_EQ(TaskHxh(rating, 3, office), 0) << rating.toString().toStdString();
    EXPECT_EQ(TaskHxh(u"Média", 0, office), 0);
    EXPECT_EQ(TaskHxh(u"Média", 5, office), 0);
    EXPECT_EQ(TaskHxh(u"Média", -1, office), 0);
}

TEST(BudgetTaskHoursTest, LevelsArePositionsInTheRatingList)
{
    EXPECT_EQ(complexityLevelOf(u""), 0);
    EXPECT_EQ(complexityLevelOf(u"Baixa"), 1);
    EXPECT_EQ(complexityLevelOf(u"Média"), 2);
    EXPECT_EQ(complexityLevelOf(u"Alta"), 3);
    EXPECT_EQ(complexityLevelOf(u"alta"), -1);
}

TEST(BudgetTaskHoursTest, TotalsWrapAroundSixteenBits)
{
    EXPECT_EQ(totalManHours({12, 12, 12}), 36);
    EXPECT_EQ(totalManHours({12, 12}), 24);
    EXPECT_EQ(totalManHours({}), 0);
    EXPECT_EQ(totalManHours({65535, 2}), 1);
    EXPECT_EQ(totalManHours(QList<int>(300, 300)), std::uint16_t(90000 % 65536));
}

TEST(BudgetComplexityFactorTest, IndicesAndTheirAverage)
{
    EXPECT_EQ(indicatorIndex(1), 0.7f);
    EXPECT_EQ(indicatorIndex(2), 1.0f);
    EXPECT_EQ(indicatorIndex(3), 1.3f);
    EXPECT_EQ(indicatorIndex(0), 0.0f);
    EXPECT_EQ(indicatorIndex(4), 0.0f);
    // The grid holds the indices as the text "0,7", "1,0", "1,3": the average reads those numbers.
    EXPECT_EQ(averageIndex({0.7, 1.0, 1.3}), 1.0);
    EXPECT_FLOAT_EQ(float(*averageIndex({1.3})), 1.3f);
    EXPECT_FLOAT_EQ(float(*averageIndex({0.7, 1.0})), 0.85f);
    EXPECT_FALSE(averageIndex({}).has_value());
}

TEST(BudgetComplexityFactorTest, TheSumIsKeptInSinglePrecision)
{
    // Ten "Baixa" ratings: the running sum rounded to single precision drifts away from 7.
    const double average = *averageIndex(QList<double>(10, 0.7));
    EXPECT_NE(average, 0.7);
    EXPECT_NEAR(average, 0.7, 1e-6);
}

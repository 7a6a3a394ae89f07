#include "core/budget/RepetitionFactor.h"

#include <gtest/gtest.h>

using namespace belvane;

TEST(BudgetRepetitionFactorTest, EachPieceAtBothOfItsEnds)
{
    const struct {
        float repetitions;
        float factor;
    } cases[] = {
        {0, 1.0f},       {1, 0.98f},     {2, 0.94f},     {3, 0.89f},     {4, 0.84f},
        {5, 0.82f},      {8, 0.76f},     {9, 0.745f},    {10, 0.73f},    {16, 0.64f},
        {17, 0.6304f},   {32, 0.4984f},  {33, 0.4926f},  {64, 0.2508f},  {65, 0.245f},
        {100, 0.175f},   {187, 0.001f},  {188, -0.001f}, {256, -0.137f}, {257, 1.0f},
        {1000, 1.0f},    {-1, 1.0f},     {-300, 1.0f},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(RepetitionFactorOf(c.repetitions), c.factor) << c.repetitions;
}

TEST(BudgetRepetitionFactorTest, ValuesAreTheNearestSingles)
{
    // The stored factor must be bit-identical to the one older budgets hold.
    EXPECT_EQ(RepetitionFactorOf(17), 0.6304f);
    EXPECT_EQ(RepetitionFactorOf(10), 0.73f);
    EXPECT_EQ(RepetitionFactorOf(188), -0.001f);
    EXPECT_EQ(RepetitionFactorOf(256), -0.137f);
    EXPECT_EQ(RepetitionFactorOf(1), 0.98f);
}

TEST(BudgetRepetitionFactorTest, PiecesDoNotJoinSoTheFactorStepsAtEachBoundary)
{
    for (float boundary : {2.0f, 4.0f, 8.0f, 16.0f, 32.0f, 64.0f, 256.0f})
        EXPECT_NE(RepetitionFactorOf(boundary), RepetitionFactorOf(boundary + 1)) << boundary;
    EXPECT_GT(RepetitionFactorOf(3), RepetitionFactorOf(2) - 0.06f);
    EXPECT_LT(RepetitionFactorOf(9), RepetitionFactorOf(8));
}

TEST(BudgetRepetitionFactorTest, FractionsChooseThePieceByTheWholePartButUseTheFraction)
{
    EXPECT_EQ(RepetitionFactorOf(2.9f), 0.94f);
    EXPECT_FLOAT_EQ(RepetitionFactorOf(3.5f), 0.865f);
    EXPECT_EQ(RepetitionFactorOf(-0.5f), 1.0f);
    EXPECT_EQ(RepetitionFactorOf(0.99f), 1.0f);
}

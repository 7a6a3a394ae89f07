#include "core/budget/ComplexityIndicators.h"

#include <gtest/gtest.h>

using namespace belvane;

TEST(ComplexityIndicatorsTest, FactorIsTheAverageOfTheShownIndicesAndKeepsTheLastOne)
{
    ComplexityIndicators indicators;
    indicators.setRows({{QStringLiteral("Topografia"), QStringLiteral("Alta"), {}},
                        {QStringLiteral("Acessos"), QStringLiteral("Baixa"), {}},
                        {QStringLiteral("Normas"), {}, 1.0}});
    indicators.rate(0);
    indicators.rate(1);
    EXPECT_EQ(indicators.rows()[0].index, 1.3);
    EXPECT_FALSE(indicators.rows()[2].index);   // an unrated indicator shows no index
    EXPECT_NEAR(indicators.factor(), 1.0, 1e-6);

    std::vector<IndicatorRow> none = indicators.rows();
    for (IndicatorRow& row : none)
        row.rating.clear();
    indicators.setRows(none);
    indicators.setFactor(1.15);
    indicators.rate(0);
    EXPECT_EQ(indicators.factor(), 1.15);   // nothing rated: the last average stays
    indicators.clear();
    EXPECT_EQ(indicators.factor(), 1.0);
}

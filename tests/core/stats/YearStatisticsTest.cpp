#include "core/stats/YearStatistics.h"

#include "core/text/DayCount.h"
#include "core/text/NumberFormat.h"

#include "support/Records.h"
#include "support/StatsData.h"

#include <gtest/gtest.h>
#include <limits>

using namespace belvane;
using belvane::test::defaultOffice;
using belvane::test::statRow;

namespace {

TOfficeData officeCosting(float withTech, float withoutTech)
{
    TOfficeData office = defaultOffice();
    office.CostWithTech = withTech;
    office.CostWithoutTech = withoutTech;
    return office;
}

std::array<int, 5> counts(int a, int b, int c, int d, int e) { return {a, b, c, d, e}; }

const TOfficeData kOffice = officeCosting(20000.0f, 12000.0f);

} // namespace

TEST(YearStatisticsTest, WonBudgetsOfTheYearAreSummedByMonthAndAccumulated)
{
    const QList<HistoryStatRow> rows = {statRow("10/03/2021", "1000", "Aprovado"),
                                        statRow("25/03/2021", "500", "Concluído"),
                                        statRow("02/05/2021", "800", "Aguardando")};
    const BudgetYearStatistics figures = budgetYearStatistics(rows, u"2021", kOffice);
    EXPECT_EQ(figures.binCounts, counts(1, 1, 0, 1, 0));
    for (int month = 0; month < kMonthCount; ++month)
        EXPECT_FLOAT_EQ(figures.monthSums[std::size_t(month)], month == 2 ? 1500.0f : 0.0f) << month;
    EXPECT_EQ(MonthLabels()[2], QStringLiteral("Mar"));
    EXPECT_EQ(formatNumber(figures.accumulated, u"#0.00#"), QStringLiteral("1500,00"));
    EXPECT_EQ(figures.monthMarks()[2], QStringLiteral("Mar: 1.500,00"));
    EXPECT_EQ(figures.statusMarks(),
              (QStringList{QStringLiteral("Aprovado: 33,3 %"), QStringLiteral("Aguardando: 33,3 %"),
                           QStringLiteral("Reprovado: 0 %"), QStringLiteral("Concluído: 33,3 %"),
                           QStringLiteral("Editado: 0 %")}));
}

TEST(YearStatisticsTest, OnlyExactWinningWordsAreSummedWhileTheListMatchIgnoresCase)
{
    const QList<HistoryStatRow> rows = {
        statRow("01/02/2022", "700", "aprovado"),   // counted as "Aprovado", not summed
        statRow("01/02/2022", "300", "CONCLUÍDO"),  // counted as "Concluído", not summed
        statRow("01/02/2022", "900", "Editado"),    // the white bar, never summed
        statRow("01/02/2022", "400", "editado"),    // not the exact word: no bar at all
        statRow("01/02/2022", "100", ""),           // no bar
        statRow("01/02/2022", "50", "Reprovado"),
        statRow("01/04/2021", "5000", "Aprovado"),  // another year
    };
    const BudgetYearStatistics figures = budgetYearStatistics(rows, u"2022", kOffice);
    EXPECT_EQ(figures.binCounts, counts(1, 0, 1, 1, 1));
    EXPECT_FLOAT_EQ(figures.accumulated, 0.0f);
    for (float sum : figures.monthSums)
        EXPECT_FLOAT_EQ(sum, 0.0f);
}

TEST(YearStatisticsTest, SumsAreRoundedToSinglePrecisionAfterEveryAddition)
{
    // 16777216 is 2^24: adding 1 is lost in single precision each time, so the sum stays put,
    // where a double sum would reach 16777218.
    const QList<HistoryStatRow> rows = {statRow("01/01/2023", "16777216", "Aprovado"),
                                        statRow("02/01/2023", "1", "Aprovado"),
                                        statRow("03/01/2023", "1", "Aprovado")};
    const BudgetYearStatistics figures = budgetYearStatistics(rows, u"2023", kOffice);
    EXPECT_EQ(figures.monthSums[0], 16777216.0f);
    EXPECT_EQ(figures.accumulated, 16777216.0f);
    // 0.1 is stored as the nearest single each time: ten of them do not make exactly 1.
    QList<HistoryStatRow> tenths(10, statRow("05/06/2023", "0,1", "Concluído"));
    float expected = 0.0f;
    for (int i = 0; i < 10; ++i)
        expected = float(double(expected) + 0.1);
    EXPECT_EQ(budgetYearStatistics(tenths, u"2023", kOffice).monthSums[5], expected);
}

TEST(YearStatisticsTest, UnreadableCellsNeverCountAndNeverBreakTheSums)
{
    const QList<HistoryStatRow> rows = {
        statRow("", "1000", "Aprovado"),               // empty date: no year
        statRow("31/02/2021", "1000", "Aprovado"),     // no such day
        statRow("ontem", "1000", "Aprovado"),
        statRow("15/07/2021", "mil reais", "Aprovado"), // counted, adds 0
        statRow("15/07/2021", "", "Concluído"),         // empty value is 0
    };
    const BudgetYearStatistics figures = budgetYearStatistics(rows, u"2021", kOffice);
    EXPECT_EQ(figures.binCounts, counts(1, 0, 0, 1, 0));
    EXPECT_FLOAT_EQ(figures.accumulated, 0.0f);

    HistoryStatRow broken{std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                          QStringLiteral("Aprovado")};
    HistoryStatRow noNumber{dayCountFromDate(QDate(2021, 1, 1)), std::numeric_limits<double>::quiet_NaN(),
                            QStringLiteral("Aprovado")};
    const BudgetYearStatistics typed = budgetYearStatistics({broken, noNumber}, u"2021", kOffice);
    EXPECT_EQ(typed.binCounts, counts(1, 0, 0, 0, 0));
    EXPECT_FLOAT_EQ(typed.accumulated, 0.0f);
    EXPECT_TRUE(yearChoice({broken}).years.isEmpty());
}

TEST(YearStatisticsTest, AnotherYearsRowIsListedButChangesNothing)
{
    const QList<HistoryStatRow> base = {statRow("10/03/2021", "1000", "Aprovado"), statRow("02/05/2021", "800", "Reprovado")};
    QList<HistoryStatRow> withOther = base;
    withOther.insert(1, statRow("10/03/2020", "7000", "Aprovado"));
    EXPECT_EQ(yearChoice(withOther).years, (QStringList{QStringLiteral("2021"), QStringLiteral("2020")}));
    const BudgetYearStatistics alone = budgetYearStatistics(base, u"2021", kOffice);
    const BudgetYearStatistics mixed = budgetYearStatistics(withOther, u"2021", kOffice);
    EXPECT_EQ(mixed.binCounts, alone.binCounts);
    EXPECT_EQ(mixed.monthSums, alone.monthSums);
    EXPECT_EQ(mixed.accumulated, 1000.0f);
}

TEST(YearStatisticsTest, WithoutAYearNothingIsCountedButTheLinesFollowTheOffice)
{
    const QList<HistoryStatRow> rows = {statRow("10/03/2021", "1000", "Aprovado")};
    for (QStringView text : {u"", u"dois mil", u"2020"}) {
        const BudgetYearStatistics figures = budgetYearStatistics(rows, text, kOffice);
        EXPECT_EQ(figures.binCounts, counts(0, 0, 0, 0, 0)) << text.toString().toStdString();
        EXPECT_FLOAT_EQ(figures.accumulated, 0.0f);
        EXPECT_DOUBLE_EQ(figures.costWithTech, 20000.0);
        EXPECT_DOUBLE_EQ(figures.costWithoutTech, 12000.0);
    }
    const BudgetYearStatistics empty = budgetYearStatistics({}, u"2021", kOffice);
    EXPECT_EQ(empty.costWithTechText(), QStringLiteral("Custo total: R$ 20.000,00"));
    EXPECT_EQ(empty.costWithoutTechText(), QStringLiteral("Custo parcial: R$ 12.000,00"));
    EXPECT_EQ(empty.statusMarks()[0], QStringLiteral("Aprovado: 0 %"));
}

TEST(YearStatisticsTest, YearsAreListedInFirstSeenOrderAndTheLatestIsSelected)
{
    const YearChoice choice = yearChoice({statRow("01/01/2021", "", "Aprovado"), statRow("01/01/2019", "", "x"),
                                          statRow("01/06/2021", "", ""), statRow("", "", "Aprovado")});
    EXPECT_EQ(choice.years, (QStringList{QStringLiteral("2021"), QStringLiteral("2019")}));
    EXPECT_EQ(choice.selected, QStringLiteral("2021"));

    const YearChoice later = yearChoice({statRow("01/01/2019", "", ""), statRow("01/01/2024", "", ""),
                                         statRow("01/01/2020", "", "")});
    EXPECT_EQ(later.years, (QStringList{QStringLiteral("2019"), QStringLiteral("2024"), QStringLiteral("2020")}));
    EXPECT_EQ(later.selected, QStringLiteral("2024"));

    EXPECT_TRUE(yearChoice({}).selected.isEmpty());
}

TEST(YearStatisticsTest, MonthCaptionsSpellAprilAndMayInFull)
{
    EXPECT_EQ(MonthLabels(), (QStringList{"Jan", "Fev", "Mar", "Abril", "Maio", "Jun", "Jul", "Ago", "Set",
                                          "Out", "Nov", "Dez"}));
}

TEST(StatusBinsTest, ExactEditedWinsOverTheCaseFreeList)
{
    EXPECT_EQ(statusBinOf(u"Aprovado"), 0);
    EXPECT_EQ(statusBinOf(u"aGUARDANDO"), 1);
    EXPECT_EQ(statusBinOf(u"reprovado"), 2);
    EXPECT_EQ(statusBinOf(u"concluído"), 3);
    EXPECT_EQ(statusBinOf(u"Editado"), kEditedBin);
    EXPECT_EQ(statusBinOf(u"EDITADO"), std::nullopt);
    EXPECT_EQ(statusBinOf(u"Novo"), std::nullopt);
    EXPECT_EQ(statusBinOf(u"Aprovado "), std::nullopt);
    EXPECT_TRUE(isWonStatus(u"Concluído"));
    EXPECT_FALSE(isWonStatus(u"Concluido"));
    EXPECT_FALSE(isWonStatus(u"aprovado"));
}

TEST(YearStatisticsTest, CountAxisStepsOneByOneUntilTheLabelsWouldCrowd)
{
    EXPECT_EQ(countAxisStep(0), 1);
    EXPECT_EQ(countAxisStep(10), 1);
    EXPECT_EQ(countAxisStep(11), 2);
    EXPECT_EQ(countAxisStep(45), 5);
    EXPECT_EQ(countAxisStep(100), 10);
    EXPECT_EQ(countAxisStep(101), 20);
    EXPECT_EQ(countAxisStep(std::numeric_limits<int>::max()), 500000000);
}

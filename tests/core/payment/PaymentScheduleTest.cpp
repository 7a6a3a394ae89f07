#include "core/payment/PaymentSchedule.h"
#include "support/Records.h"

#include <gtest/gtest.h>

using namespace belvane;

namespace {

// A budget whose tasks are rated with these man-hours (0: listed but not rated).
TBudgetData budgetWithTasks(std::initializer_list<int> hours)
{
    TBudgetData budget = zeroBudget();
    int slot = 0;
    for (const int h : hours) {
        TBudgetTask& task = budget.Tasks[slot];
        task.Name.assign(QStringLiteral("Tarefa %1").arg(++slot));
        if (h > 0) {
            task.Complexity.assign(u"Média");
            task.Hxh = std::uint16_t(h);
        }
    }
    return budget;
}

std::vector<double> sharesOf(const PaymentSchedule& schedule)
{
    std::vector<double> shares;
    for (const Instalment& i : schedule.instalments())
        shares.push_back(i.percent);
    return shares;
}

} // namespace

TEST(PaymentScheduleTest, TheProposedScheduleSharesEightyPercentByManHoursWithTheRemainderLast)
{
    const PaymentSchedule three = PaymentSchedule::proposedFor(budgetWithTasks({100, 0, 100, 100}));
    ASSERT_EQ(three.instalments().size(), 4u);
    EXPECT_EQ(three.instalments()[0].stage, QStringLiteral("Assinatura do contrato"));
    EXPECT_EQ(three.instalments()[1].stage, QStringLiteral("Tarefa 1"));
    EXPECT_EQ(three.instalments()[2].stage, QStringLiteral("Tarefa 3")); // the unrated one is left out
    EXPECT_EQ(sharesOf(three), (std::vector<double>{20, 26.7, 26.7, 26.6}));
    EXPECT_TRUE(three.complete());

    // 80 × 49 / 320 = 12,25 exactly: a half rounds up.
    EXPECT_EQ(sharesOf(PaymentSchedule::proposedFor(budgetWithTasks({49, 271}))),
              (std::vector<double>{20, 12.3, 67.7}));
    EXPECT_EQ(sharesOf(PaymentSchedule::proposedFor(budgetWithTasks({60}))), (std::vector<double>{20, 80}));
    EXPECT_EQ(sharesOf(PaymentSchedule::proposedFor(budgetWithTasks({0, 0}))), (std::vector<double>{100}));
}

TEST(PaymentScheduleTest, ValuesAreRoundedToTheCentavoAndSumExactlyToTheFee)
{
    const PaymentSchedule three = PaymentSchedule::proposedFor(budgetWithTasks({100, 100, 100}));
    EXPECT_EQ(three.values(12750), (std::vector<double>{2550, 3404.25, 3404.25, 3391.5}));
    // Halves of a centavo round up; the last instalment takes what is left.
    const PaymentSchedule halves({{QStringLiteral("A"), 50, {}}, {QStringLiteral("B"), 50, {}}});
    EXPECT_EQ(halves.values(0.25), (std::vector<double>{0.13, 0.12}));
    EXPECT_EQ(roundToCentavo(10.005), 10.01);
    EXPECT_EQ(roundToTenth(0.05), 0.1);

    // An instalment without a stage is not kept; shares that then do not make 100 % are each
    // valued on their own, and saving asks first.
    PaymentSchedule schedule({{QStringLiteral("A"), 20, {}},
                              {QStringLiteral("B"), 70, {}},
                              {QStringLiteral("C"), 0, {}},
                              {QStringLiteral("  "), 10, {}}});
    schedule.dropUnnamed();
    EXPECT_FALSE(schedule.complete());
    EXPECT_EQ(schedule.values(1000.005), (std::vector<double>{200, 700, 0}));
    EXPECT_EQ(schedule.incompleteQuestion(), QStringLiteral("As parcelas somam 90,0 %. Salvar assim mesmo?"));
    EXPECT_FALSE(acceptableShare(-0.1));
    EXPECT_FALSE(acceptableShare(100.1));
}

TEST(PaymentScheduleTest, LargestRemaindersLeaveNoShareNegativeAndNoValueOnAnEmptyRow)
{
    TBudgetData noHours = budgetWithTasks({10, 10, 10, 1});
    noHours.Tasks[3].Hxh = 0; // rated, but without man-hours: no instalment
    EXPECT_EQ(sharesOf(PaymentSchedule::proposedFor(noHours)), (std::vector<double>{20, 26.7, 26.7, 26.6}));
    const PaymentSchedule uneven = PaymentSchedule::proposedFor(budgetWithTasks({8, 8, 240, 240, 240, 1}));
    EXPECT_EQ(sharesOf(uneven), (std::vector<double>{20, 0.9, 0.9, 26.1, 26, 26, 0.1}));
    const std::vector<double> values = uneven.values(48000);
    EXPECT_EQ(values, (std::vector<double>{9600, 432, 432, 12528, 12480, 12480, 48}));

    // The centavo that rounding leaves goes to the last row that has a share.
    const PaymentSchedule zeroLast({{QStringLiteral("A"), 20, {}},
                                    {QStringLiteral("B"), 40, {}},
                                    {QStringLiteral("C"), 40, {}},
                                    {QStringLiteral("D"), 0, {}}});
    EXPECT_EQ(zeroLast.values(10000.01), (std::vector<double>{2000, 4000, 4000.01, 0}));
}

#include "core/budget/StatusWords.h"
#include "core/jobs/InstalmentMarks.h"
#include "core/jobs/JobResult.h"
#include "core/jobs/JobsOverview.h"

#include <gtest/gtest.h>

using namespace belvane;

namespace {

const QDate kToday(2027, 4, 1);

// Fee 10.000,00 in four instalments: two dated before today, one due today, one due on a phrase.
PaymentSchedule fourInstalments()
{
    return PaymentSchedule({{QStringLiteral("Assinatura do contrato"), 20, QStringLiteral("10/01/2027")},
                            {QStringLiteral("Estudo preliminar"), 50, QStringLiteral("10/03/2027")},
                            {QStringLiteral("Anteprojeto"), 20, QStringLiteral("01/04/2027")},
                            {QStringLiteral("Projeto executivo"), 10, QStringLiteral("na entrega")}});
}

// The first received, for less than its 2.000,00; the second billed and never paid.
std::vector<InstalmentMark> someMarks()
{
    return {{2, QDate(2027, 3, 1), {}, 0},
            {1, QDate(2027, 1, 5), QDate(2027, 1, 12), 1950.00},
            {7, QDate(2027, 3, 1), QDate(2027, 3, 2), 999}}; // no such instalment
}

} // namespace

TEST(JobMoneyTest, TheResultIsWorkedToTheCentavoAndOnlyTheProjectionCountsTheEstimate)
{
    // Fee 10.000,00 at 6,5 %; 3.333,33 received; 37,75 h recorded of 120 estimated at R$ 42,70.
    const JobResult result = JobResult::of({10000.00, 6.5, 3333.33, 37.75, 120, 42.70});
    EXPECT_DOUBLE_EQ(result.costOfHours, 1611.93); // 1.611,925
    EXPECT_DOUBLE_EQ(result.taxesOnFee, 650.00);
    EXPECT_DOUBLE_EQ(result.taxesOnReceived, 216.67);  // 216,66645
    EXPECT_DOUBLE_EQ(result.resultSoFar, 1504.74);     // 3.333,33 − 216,66645 − 1.611,925
    EXPECT_DOUBLE_EQ(result.projectedResult, 4226.00); // 10.000 − 650 − 120 × 42,70
    EXPECT_DOUBLE_EQ(*result.marginPercent, 42.3);     // 42,26 %

    // Past the estimate, the hours recorded are what the projection charges.
    const JobResult over = JobResult::of({10000.00, 6.5, 3333.33, 150, 120, 42.70});
    EXPECT_DOUBLE_EQ(over.projectedResult, 2945.00); // 10.000 − 650 − 150 × 42,70
    EXPECT_DOUBLE_EQ(*over.marginPercent, 29.5);     // 29,45 %, halves up

    EXPECT_FALSE(JobResult::of({0, 6.5, 0, 10, 0, 42.70}).marginPercent.has_value());
}

TEST(JobMoneyTest, AnInstalmentIsOverdueWhenItsDateHasPassedUnreceivedAndTheSharesFollowTheMarks)
{
    const InstalmentMarks billing(fourInstalments(), 10000.00, someMarks(), kToday);
    const std::vector<InstalmentState>& states = billing.instalments();
    ASSERT_EQ(states.size(), 4u);
    // Received (late or not): not overdue; billed only: overdue; due today or on a phrase: not.
    EXPECT_FALSE(states[0].overdue);
    EXPECT_TRUE(states[1].overdue);
    EXPECT_FALSE(states[2].overdue);
    EXPECT_FALSE(states[3].overdue);
    EXPECT_EQ(states[0].mark.receivedValue, 1950.00);
    EXPECT_DOUBLE_EQ(billing.overdueTotal(), 5000.00);
    EXPECT_DOUBLE_EQ(billing.billedTotal(), 7000.00);
    EXPECT_DOUBLE_EQ(billing.billedShare(), 70.0);
    // What came in, not the instalment's value.
    EXPECT_DOUBLE_EQ(billing.receivedTotal(), 1950.00);
    EXPECT_DOUBLE_EQ(billing.receivedShare(), 19.5);
    EXPECT_EQ(dueDateOf(QStringLiteral(" 10/03/2027 ")), QDate(2027, 3, 10));
    EXPECT_FALSE(dueDateOf(QStringLiteral("31/02/2027")).has_value());

    // The timeline notes each field that changed, and nothing for a mark set again as it was.
    const QDateTime at(kToday, QTime(9, 0));
    const InstalmentMark billed{2, QDate(2027, 3, 1), {}, 0};
    const InstalmentMark paid{2, QDate(2027, 3, 1), QDate(2027, 4, 1), 4987.5};
    EXPECT_EQ(markChanges(5, billed, paid, at),
              (std::vector<InstalmentMarkChange>{
                  {5, 2, at, QStringLiteral("recebida"), {}, QStringLiteral("01/04/2027")},
                  {5, 2, at, QStringLiteral("valor recebido"), {}, QStringLiteral("4987.50")}}));
    EXPECT_TRUE(markChanges(5, paid, paid, at).empty());
}

TEST(JobMoneyTest, TheJobsListShowsWonBudgetsByNumberWithTheirHoursAndMoney)
{
    HistoryTable history;
    const auto addRow = [&](const char* number, QStringView status, const char* quoted,
                            const char* negotiated) {
        const int row = history.appendRow();
        history.setText(row, kColNumber, QString::fromLatin1(number));
        history.setText(row, kColClient, QStringLiteral("Cliente ") + QString::fromLatin1(number));
        history.setText(row, kColService, QStringLiteral("Residência"));
        history.setText(row, kColStatus, status.toString());
        history.setText(row, kColBudgetValue, QString::fromLatin1(quoted));
        history.setText(row, kColNegotiated, QString::fromLatin1(negotiated));
        history.setText(row, kColHxh, QStringLiteral("120"));
    };
    addRow("12", kStatusApproved, "10500,00", "10000");
    addRow("5", kStatusDone, "8000,00", "0");
    addRow("7", kStatusWaiting, "9000,00", "0");
    addRow("12", kStatusApproved, "1,00", "0"); // listed twice: the first row counts
    addRow("3", kStatusApproved, "4000,00", "0");

    JobBudgetFigures figures;
    figures.number = 12;
    figures.taxRate = 6.5;
    figures.schedule = fourInstalments();
    const QHash<int, JobBudgetFigures> allFigures{{12, figures}};
    const QHash<int, qint64> quarters{{12, 151}, {7, 40}};
    QHash<int, std::vector<InstalmentMark>> marks{{12, someMarks()}};
    marks[12][1].receivedValue = 3333.33;
    const JobSources sources{allFigures, quarters, marks, 42.70, kToday};

    const std::vector<JobRow> rows = jobsOverview(history, sources, JobFilter::Both);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].number, 3);
    EXPECT_FALSE(rows[0].figuresKnown);
    EXPECT_DOUBLE_EQ(rows[0].fee, 4000.00);
    EXPECT_EQ(rows[1].number, 5);
    const JobRow& job = rows[2];
    EXPECT_EQ(job.client, QStringLiteral("Cliente 12"));
    EXPECT_EQ(job.service, QStringLiteral("Residência"));
    EXPECT_DOUBLE_EQ(job.fee, 10000.00); // negotiated
    EXPECT_DOUBLE_EQ(job.recordedHours, 37.75);
    EXPECT_DOUBLE_EQ(*job.hoursShare, 31.5);
    EXPECT_DOUBLE_EQ(job.billedShare, 70.0);
    EXPECT_DOUBLE_EQ(job.receivedShare, 33.3);
    EXPECT_DOUBLE_EQ(job.overdue, 5000.00);
    EXPECT_DOUBLE_EQ(job.resultSoFar, 1504.74);

    EXPECT_EQ(jobsOverview(history, sources, JobFilter::InProgress).size(), 2u);
    ASSERT_EQ(jobsOverview(history, sources, JobFilter::Finished).size(), 1u);
    EXPECT_EQ(jobsOverview(history, sources, JobFilter::Finished)[0].status, kStatusDone);
}

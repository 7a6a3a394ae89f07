#include "core/stats/FinishedJobsYear.h"

#include "core/budget/StatusWords.h"

#include <gtest/gtest.h>

using namespace belvane;

// Three finished jobs of 10.000,00, 5.000,00 and 8.000,00, none taxed, hours at R$ 50,00. The first
// finished in 2026 by its status log though its row was edited in 2027; the second has no log
// and counts by its row's date, 2026; the third finished in 2027.
// 2026: 40 h + 20 h = 60 h; earned (6.000 − 2.000) + (5.000 − 1.000) = 8.000 of 15.000 = 53,3 %.
TEST(FinishedJobsYearTest, AJobCountsInTheYearItsStatusLastMovedToFinishedElseByItsRowsDate)
{
    HistoryTable history;
    const auto addJob = [&](const char* number, const char* edited, const char* fee) {
        const int row = history.appendRow();
        history.setText(row, kColNumber, QString::fromLatin1(number));
        history.setText(row, kColEditedDate, QString::fromLatin1(edited));
        history.setText(row, kColStatus, kStatusDone.toString());
        history.setText(row, kColBudgetValue, QString::fromLatin1(fee));
    };
    addJob("1", "05/01/2027", "10000,00");
    addJob("2", "20/06/2026", "5000,00");
    addJob("3", "10/02/2027", "8000,00");
    const QHash<int, JobBudgetFigures> figures;
    const QHash<int, qint64> quarters{{1, 160}, {2, 80}, {3, 400}};
    const QHash<int, std::vector<InstalmentMark>> marks;
    const QHash<int, QDate> finishedOn{{1, QDate(2026, 12, 18)}, {3, QDate(2027, 3, 1)}};
    // Without schedules, nothing was received: the money comes from the marks alone.
    const JobSources noMoney{figures, quarters, marks, 50.0, QDate(2027, 4, 1)};
    EXPECT_DOUBLE_EQ(finishedJobsYear(2026, history, noMoney, finishedOn).recordedHours, 60.0);

    QHash<int, JobBudgetFigures> scheduled;
    for (const int number : {1, 2, 3}) {
        scheduled[number].number = number;
        scheduled[number].schedule = PaymentSchedule({{QStringLiteral("Entrega"), 100.0, {}}});
    }
    const QHash<int, std::vector<InstalmentMark>> received{{1, {{1, {}, QDate(2026, 12, 1), 6000}}},
                                                           {2, {{1, {}, QDate(2026, 6, 1), 5000}}}};
    const JobSources sources{scheduled, quarters, received, 50.0, QDate(2027, 4, 1)};
    const FinishedJobsYear year = finishedJobsYear(2026, history, sources, finishedOn);
    EXPECT_EQ(year.jobs, 2);
    EXPECT_DOUBLE_EQ(*year.realisedMarginPercent, 53.3);
    EXPECT_EQ(finishedJobsYear(2027, history, sources, finishedOn).jobs, 1);
    EXPECT_FALSE(finishedJobsYear(2025, history, sources, finishedOn).realisedMarginPercent.has_value());
}

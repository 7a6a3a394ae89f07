#include "core/jobs/HxhLearning.h"

#include "support/Records.h"

#include <gtest/gtest.h>

using namespace belvane;

namespace {

HourEntry hours(int job, const char* task, double hours)
{
    return {job, QDate(2026, 5, 4), QStringLiteral("Ana"), QString::fromUtf8(task), int(hours * 4), {}};
}

JobBudgetFigures figures(int number, int category, std::vector<RatedTask> tasks)
{
    JobBudgetFigures job;
    job.number = number;
    job.category = category;
    job.ratedTasks = std::move(tasks);
    return job;
}

} // namespace

// Four finished jobs of category 2 (one of no category) and one in progress. The man-hours table
// has 40, 60 and 80 h for category 2 ("Baixa", "Média", "Alta").
//
//   job 1: "Estudo preliminar" (Média) 30,5 + 20 = 50,5 h; "Anteprojeto" (Média) 71,25 h;
//          "Projeto legal" (Baixa) no hours; "Levantamento" (not rated) 8 h; other activities 10 h
//   job 2: "Estudo preliminar" (Média) 64,25 h; "Projeto executivo" (Alta) 95 h; other 6 h
//   job 3: "Estudo preliminar" (Média) 58,75 h
//   job 4, of no category: "Estudo preliminar" (Média) 12 h
//   job 9, in progress: "Estudo preliminar" (Média) 500 h
//
// Category 2 "Média": records 50,5; 58,75; 64,25; 71,25: median (58,75 + 64,25) / 2 = 61,5,
// suggested 62. "Alta": one record of 95 h, no suggestion. "Baixa": no record. Other activities:
// 16 of the 375,75 h recorded on finished jobs = 4,3 %.
TEST(HxhLearningTest, FinishedJobsSuggestTheMedianOfTheirRatedTasksFromThreeRecordsOn)
{
    TOfficeData office = test::defaultOffice();
    office.HxhTable[1][1] = 40;
    office.HxhTable[1][2] = 60;
    office.HxhTable[1][3] = 80;

    TBudgetData budget = test::newBudget();
    budget.Number = 1;
    budget.ProjectCategory = 2;
    budget.TaxRate = 11.33f;
    const char* tasks[][2] = {{"Estudo preliminar", "Média"},
                              {"Anteprojeto", "Média"},
                              {"Levantamento", ""},
                              {"Projeto legal", "Baixa"}};
    for (int i = 0; i < 4; ++i) {
        budget.Tasks[i].Name.assign(QString::fromUtf8(tasks[i][0]));
        budget.Tasks[i].Complexity.assign(QString::fromUtf8(tasks[i][1]));
    }
    budget.Tasks[4].Name.clear();
    const QHash<int, JobBudgetFigures> finished{
        {1, JobBudgetFigures::of(budget, {})},
        {2,
         figures(2, 2, {{QStringLiteral("Estudo preliminar"), 2}, {QStringLiteral("Projeto executivo"), 3}})},
        {3, figures(3, 2, {{QStringLiteral("Estudo preliminar"), 2}})},
        {4, figures(4, 0, {{QStringLiteral("Estudo preliminar"), 2}})}};
    EXPECT_EQ(finished[1].ratedTasks.size(), 3u);
    EXPECT_EQ(finished[1].taxRate, 11.33);
    const std::vector<HourEntry> entries{
        hours(1, "Estudo preliminar", 30.5),  hours(9, "Estudo preliminar", 500),
        hours(1, "Anteprojeto", 71.25),       hours(1, "Levantamento", 8),
        hours(1, "Outras atividades", 10),    hours(1, "Estudo preliminar", 20),
        hours(2, "Estudo preliminar", 64.25), hours(2, "Projeto executivo", 95),
        hours(2, "Outras atividades", 6),     hours(3, "Estudo preliminar", 58.75),
        hours(4, "Estudo preliminar", 12)};

    const HxhLearning learning = HxhLearning::from(office, finished, entries);
    const HxhCell& average = learning.cell(2, 2);
    EXPECT_EQ(average.inForce, 60);
    EXPECT_EQ(average.records, 4);
    EXPECT_DOUBLE_EQ(*average.median, 61.5);
    EXPECT_EQ(average.suggested, 62);
    const HxhCell& high = learning.cell(2, 3);
    EXPECT_EQ(high.records, 1);
    EXPECT_DOUBLE_EQ(*high.median, 95);
    EXPECT_FALSE(high.suggested.has_value());
    EXPECT_EQ(learning.cell(2, 1).records, 0);
    EXPECT_FALSE(learning.cell(2, 1).median.has_value());
    EXPECT_DOUBLE_EQ(*learning.otherActivitiesShare(), 4.3);

    // Only cells with a suggestion change.
    EXPECT_TRUE(learning.hasSuggestions());
    EXPECT_EQ(learning.applyTo(office), 1);
    EXPECT_EQ(office.HxhTable[1][2], 62);
    EXPECT_EQ(office.HxhTable[1][3], 80);
    EXPECT_EQ(learning.applyTo(office), 0);

    std::vector<double> odd{7, 1, 4};
    EXPECT_EQ(medianOf(odd), 4.0);
}

// The funnel of a hand-worked year of twelve budgets: conversion by month, year and building use,
// what was conceded on the won ones, what still waits and why budgets were lost.
#include "core/stats/PipelineStatistics.h"
#include "core/text/DayCount.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace belvane;

namespace {

PipelineRow budget(int number, QDate edited, const char16_t* status, double quoted, double negotiated = 0.0)
{
    return {number,
            dayCountFromDate(edited),
            QString::fromUtf16(status),
            quoted,
            negotiated,
            QStringLiteral("Cliente %1").arg(number)};
}

} // namespace

TEST(PipelineStatisticsTest, AHandWorkedYearOfTwelveBudgets)
{
    const std::vector<PipelineRow> rows = {
        budget(1, {2026, 1, 15}, u"Aprovado", 10000.0, 9000.0), // conceded 10 %
        budget(2, {2026, 1, 20}, u"Reprovado", 8000.0),
        budget(3, {2026, 2, 3}, u"Concluído", 20000.0, 19000.0), // conceded 5 %
        budget(4, {2026, 2, 9}, u"Reprovado", 4000.0),
        budget(5, {2026, 3, 1}, u"Aprovado", 5000.0), // no negotiated value
        budget(6, {2026, 3, 2}, u"Reprovado", 6000.0),
        budget(7, {2026, 3, 5}, u"aprovado", 6000.0), // not exactly a won status
        budget(8, {2026, 11, 28}, u"Aguardando", 7139.04),
        budget(9, {2026, 6, 13}, u"Aguardando", 3000.0),
        budget(10, {2026, 12, 1}, u"Aguardando", 1000.0),
        budget(11, {2026, 1, 7}, u"Editado", 9000.0), // reopened, still waits
        budget(12, {2025, 12, 30}, u"Aprovado", 9000.0), // another year
    };
    const QHash<int, QString> uses = {{1, u"Residencial"_qs}, {2, u"Residencial"_qs}, {3, u"Saúde"_qs},
                                      {4, u"Saúde"_qs},       {5, u"Residencial"_qs}, {6, u"Comercial"_qs}};
    const QHash<int, QString> reasons = {{2, u"Preço"_qs}, {6, u"Preço"_qs}};
    const PipelineLookups lookups{[&](int number) { return uses.value(number); },
                                  [&](int number) { return reasons.value(number); }, {}};

    const PipelineStatistics f = pipelineStatistics(rows, u"2026", QDate(2026, 12, 10), lookups);
    EXPECT_EQ(f.year.text(), u"50,0 % (3 de 6)"_qs);
    EXPECT_EQ(f.monthMarks().mid(0, 4),
              QStringList({u"Jan: 50,0 %"_qs, u"Fev: 50,0 %"_qs, u"Mar: 50,0 %"_qs, u"Abril: —"_qs}));
    ASSERT_EQ(f.byUse.size(), 3u);
    EXPECT_EQ(f.byUse[0].first, u"Residencial"_qs);
    EXPECT_EQ(f.byUse[0].second.text(), u"66,7 % (2 de 3)"_qs);
    EXPECT_EQ(f.byUse[2].second.text(), u"0,0 % (0 de 1)"_qs);
    EXPECT_EQ(f.concessionText(), u"média 7,5 % · mediana 7,5 % (2 negociados)"_qs);
    EXPECT_EQ(f.openText(), u"4 aguardando · R$ 20.139,04 · mediana 96 dias"_qs);
    ASSERT_EQ(f.oldestOpen.size(), 4u);
    EXPECT_EQ(f.oldestOpen[0].number, 11);
    EXPECT_EQ(f.oldestOpen[0].ageDays, 337);
    EXPECT_EQ(f.lostReasons, (std::vector<std::pair<QString, int>>{{u"Preço"_qs, 2}, {u"sem motivo"_qs, 1}}));

    const QString csv = QString::fromUtf8(pipelineCsv(f, u"2026"));
    EXPECT_TRUE(csv.contains(u"Residencial;2;3;66,7\r\n")) << csv.toStdString();

    // A year without budgets, or no year, is an empty funnel.
    const PipelineStatistics empty = pipelineStatistics(rows, u"2019", QDate(2026, 12, 10), lookups);
    EXPECT_EQ(empty.year.text(), u"sem orçamentos decididos"_qs);
    EXPECT_EQ(empty.openText(), u"nenhum aguardando"_qs);
    EXPECT_EQ(empty.concessionText(), u"sem valores negociados"_qs);
    EXPECT_TRUE(pipelineStatistics(rows, u"", QDate(2026, 12, 10), lookups).byUse.empty());
}

TEST(PipelineStatisticsTest, OnlyWhatWasGivenUpBelowTheQuoteIsAConcession)
{
    // One won at +7,6 % and one at −8,4 %: the concession is 8,4 %, the other counted apart; a
    // quote dated after today (another seat's clock) waits for 0 days.
    const std::vector<PipelineRow> rows = {budget(1, {2026, 3, 1}, u"Aprovado", 10000.0, 10760.0),
                                           budget(2, {2026, 3, 2}, u"Aprovado", 10000.0, 9160.0),
                                           budget(3, {2026, 12, 20}, u"Aguardando", 500.0)};
    const PipelineStatistics f = pipelineStatistics(rows, u"2026", QDate(2026, 12, 10), {});
    EXPECT_EQ(f.concessionText(), u"média 8,4 % · mediana 8,4 % (1 negociado) · 1 acima do valor orçado"_qs);
    EXPECT_EQ(f.openText(), u"1 aguardando · R$ 500,00 · mediana 0 dias"_qs);
}

TEST(PipelineStatisticsTest, ABudgetRevisedAfterItWasWonStaysWonUntilAnotherDecision)
{
    // 1 and 2 were approved, then revised ("Editado", "Aguardando"); 3 was approved and then lost;
    // 4 was never decided.
    const std::vector<PipelineRow> rows = {budget(1, {2026, 5, 4}, u"Editado", 1000.0),
                                           budget(2, {2026, 5, 5}, u"Aguardando", 2000.0),
                                           budget(3, {2026, 5, 6}, u"Reprovado", 3000.0),
                                           budget(4, {2026, 5, 7}, u"Aguardando", 4000.0)};
    PipelineLookups lookups;
    lookups.lastDecisionWon = [](int number) { return number <= 3; };
    const PipelineStatistics f = pipelineStatistics(rows, u"2026", QDate(2026, 12, 10), lookups);
    EXPECT_EQ(f.year.text(), u"66,7 % (2 de 3)"_qs);
    EXPECT_EQ(f.openCount, 1);
    EXPECT_DOUBLE_EQ(f.openValue, 4000.0);
}

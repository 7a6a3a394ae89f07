// The price check on the worked example (area 100 m², quoted 12.750,00 = 127,50 R$/m², zero
// profit at 10.944,44, category 3) against an office history of won budgets of the same service
// at 100, 110, 120, 120, 150, 160 and 200 R$/m²: first quartile 115, median 120, third quartile
// 155; and a CUB of 2.500 R$/m² with 5 % for category 3: 12.500,00 by the work.
#include "core/pricing/PriceCheck.h"
#include "support/Budgets.h"

#include <gtest/gtest.h>

using namespace belvane;

namespace {

struct WonRow {
    int number;
    const char16_t* status;
    const char16_t* service;
    const char16_t* perM2;
};

HistoryTable historyOf(std::initializer_list<WonRow> rows)
{
    HistoryTable table;
    for (const WonRow& r : rows) {
        const int row = table.appendRow();
        table.setText(row, kColNumber, QString::number(r.number));
        table.setText(row, kColStatus, QStringView(r.status));
        table.setText(row, kColService, QStringView(r.service));
        table.setText(row, kColValuePerM2, QStringView(r.perM2));
    }
    return table;
}

const char16_t* const kService = u"Projeto arquitetônico";

HistoryTable officeHistory()
{
    return historyOf({{1, u"Aprovado", kService, u"100,00"},
                      {2, u"Concluído", kService, u"110,00"},
                      {3, u"Aprovado", kService, u"120,00"},
                      {4, u"Aprovado", kService, u"120,00"},
                      {5, u"Concluído", kService, u"150,00"},
                      {6, u"Aprovado", kService, u"160,00"},
                      {7, u"Aprovado", kService, u"200,00"},
                      // none of these counts: another status, lower case, another service, itself
                      {8, u"aprovado", kService, u"500,00"},
                      {9, u"Aguardando", kService, u"10,00"},
                      {10, u"Reprovado", kService, u"1000,00"},
                      {11, u"Aprovado", u"Paisagismo", u"300,00"},
                      {12, u"Aprovado", kService, u"999,00"}});
}

TBudgetData quote(float value)
{
    TBudgetData budget = test::workedExampleBudget();
    budget.ProjectCategory = 3;
    budget.BudgetValue = value;
    budget.ValuePerM2 = value / budget.Area;
    return budget;
}

PriceReferences references(double cub)
{
    PriceReferences refs;
    refs.cubPerM2 = cub;
    refs.cubSource = QStringLiteral("PR, novembro/2026");
    refs.percentOfWork = {4, 4.5, 5, 6};
    return refs;
}

} // namespace

TEST(PriceCheckTest, QuartilesInterpolateBetweenOrderStatistics)
{
    EXPECT_DOUBLE_EQ(quantile({7}, 0.25), 7);
    EXPECT_DOUBLE_EQ(quantile({10, 20}, 0.25), 12.5);
    EXPECT_DOUBLE_EQ(quantile({10, 20}, 0.75), 17.5);
    EXPECT_DOUBLE_EQ(quantile({5, 5, 5, 9}, 0.5), 5);
    EXPECT_DOUBLE_EQ(quantile({5, 5, 5, 9}, 0.75), 6);
    EXPECT_DOUBLE_EQ(quantile({}, 0.5), 0);
}

TEST(PriceCheckTest, OwnPricesCountOnlyWonBudgetsOfTheSameServiceThenOfTheSameUse)
{
    const OwnPrices own = ownPricesFor(quote(12750), officeHistory(), nullptr);
    EXPECT_EQ(own.basis, OwnPrices::Basis::SameService);
    EXPECT_EQ(own.count, 7);
    EXPECT_DOUBLE_EQ(own.lowerQuartile, 115);
    EXPECT_DOUBLE_EQ(own.median, 120);
    EXPECT_DOUBLE_EQ(own.upperQuartile, 155);

    // Two of the same service are too few: the won budgets of the same building use are taken.
    const HistoryTable few = historyOf({{1, u"Aprovado", kService, u"100,00"},
                                        {2, u"Aprovado", kService, u"140,00"},
                                        {3, u"Concluído", u"Interiores", u"90,00"},
                                        {4, u"Aprovado", u"Interiores", u"400,00"}});
    auto useOf = [](int number) {
        return number == 4 ? QStringLiteral("Comercial") : QStringLiteral("Residencial");
    };
    const OwnPrices sameUse = ownPricesFor(quote(12750), few, useOf);
    EXPECT_EQ(sameUse.basis, OwnPrices::Basis::SameUse);
    EXPECT_EQ(sameUse.count, 3);
    EXPECT_DOUBLE_EQ(sameUse.median, 100);
    // Fewer than three even so, or no history at all: nothing to compare with.
    EXPECT_EQ(ownPricesFor(quote(12750), few, [](int) { return QStringLiteral("Outro"); }).basis,
              OwnPrices::Basis::None);
    EXPECT_EQ(ownPricesFor(quote(12750), HistoryTable(), useOf).basis, OwnPrices::Basis::None);
}

TEST(PriceCheckTest, TheVerdictNamesTheGravestDeparture)
{
    const OwnPrices own = ownPricesFor(quote(12750), officeHistory(), nullptr);
    const PriceCheck fair = checkPrice(quote(12750), references(2500), own);
    EXPECT_EQ(fair.floorText(), QStringLiteral("10944,44"));
    EXPECT_EQ(fair.workReferenceText(), QStringLiteral("12500,00"));
    EXPECT_EQ(fair.ownText(), QStringLiteral("mediana 120,00 (115,00–155,00), 7 orçamentos"));
    EXPECT_EQ(fair.verdictText(), QStringLiteral("Dentro das referências"));
    EXPECT_EQ(
        fair.hint(),
        QStringLiteral("Conferido com: preço mínimo, referência pela obra e histórico do mesmo serviço."));

    EXPECT_EQ(checkPrice(quote(10900), references(2500), own).verdict, PriceCheck::Verdict::BelowFloor);
    EXPECT_EQ(checkPrice(quote(10900), references(2500), own).departureText(),
              QStringLiteral("0,4 % abaixo do preço mínimo"));
    EXPECT_EQ(checkPrice(quote(16000), references(2500), own).verdict, PriceCheck::Verdict::OutsideOwnRange);
    EXPECT_EQ(checkPrice(quote(16000), references(2500), own).departureText(),
              QStringLiteral("acima do 3º quartil (155,00)"));
    // 12.750,00 lies 41,7 % above 9.000,00 by the work (a CUB of 1.800).
    EXPECT_EQ(checkPrice(quote(12750), references(1800), own).verdict,
              PriceCheck::Verdict::FarFromWorkReference);
    EXPECT_EQ(checkPrice(quote(12750), references(1800), own).departureText(),
              QStringLiteral("41,7 % acima da referência pela obra"));
    EXPECT_EQ(checkPrice(quote(12750), references(1800), own).verdictWithDeparture(),
              QStringLiteral("Longe da referência pela obra: 41,7 % acima"));
    EXPECT_TRUE(fair.departureText().isEmpty());
    EXPECT_EQ(checkPrice(quote(12750), references(2300), own).verdict, PriceCheck::Verdict::WithinReferences);

    // Nothing set in the office and no history: only the floor speaks.
    const PriceCheck bare = checkPrice(quote(12750), PriceReferences(), OwnPrices());
    EXPECT_EQ(bare.workReferenceText(), QStringLiteral("configure no escritório"));
    EXPECT_EQ(bare.ownText(), QStringLiteral("sem histórico suficiente"));
    EXPECT_EQ(bare.verdict, PriceCheck::Verdict::WithinReferences);
    EXPECT_EQ(bare.hint(), QStringLiteral("Conferido com: preço mínimo."));
}

TEST(PriceCheckTest, ReferencesAreRefusedWhenNegativeOrAPercentageAbove100AndSurviveTheSettings)
{
    EXPECT_TRUE(acceptableReference(0, true));
    EXPECT_TRUE(acceptableReference(100, true));
    EXPECT_FALSE(acceptableReference(100.01, true));
    EXPECT_TRUE(acceptableReference(3500, false));
    EXPECT_FALSE(acceptableReference(-1, false));
    EXPECT_FALSE(acceptableReference(std::nan(""), false));
    const PriceReferences refs = references(2731.45);
    EXPECT_EQ(PriceReferences::fromSettings(refs.toSettings()), refs);
    QMap<QString, QString> damaged = refs.toSettings();
    damaged[QStringLiteral("preco.percentual_categoria_2")] = QStringLiteral("150");
    damaged[QStringLiteral("preco.cub")] = QStringLiteral("abc");
    const PriceReferences read = PriceReferences::fromSettings(damaged);
    EXPECT_EQ(read.percentFor(2), 0);
    EXPECT_FALSE(read.hasCub());
}

TEST(PriceCheckTest, FiguresAreComparedAtTheCentavoAndABudgetIsLeftOutOfItsOwnHistoryByNumber)
{
    // A quote that reads as the floor (profit 0 %) is not below it.
    const double floor = *checkPrice(quote(12750), PriceReferences(), OwnPrices()).floor;
    EXPECT_EQ(checkPrice(quote(float(floor - 0.003)), PriceReferences(), OwnPrices()).verdict,
              PriceCheck::Verdict::WithinReferences);
    EXPECT_EQ(checkPrice(quote(float(floor) - 0.02f), PriceReferences(), OwnPrices()).verdict,
              PriceCheck::Verdict::BelowFloor);

    // 123,45 R$/m² against quartiles of 123,45 lies inside; the budget's own row, spelt " 012",
    // is not one of its own prices.
    const HistoryTable even = historyOf({{1, u"Aprovado", kService, u"123,45"},
                                         {2, u"Aprovado", kService, u"123,45"},
                                         {3, u"Aprovado", kService, u"123,45"}});
    TBudgetData budget = quote(12345);
    budget.ValuePerM2 = 123.45f;
    EXPECT_EQ(checkPrice(budget, PriceReferences(), ownPricesFor(budget, even, nullptr)).verdict,
              PriceCheck::Verdict::WithinReferences);
    HistoryTable withItself = officeHistory();
    withItself.setText(withItself.appendRow(), kColNumber, QStringLiteral(" 012"));
    budget.Number = 12;
    withItself.setText(withItself.rowCount() - 1, kColStatus, u"Aprovado");
    withItself.setText(withItself.rowCount() - 1, kColService, kService);
    withItself.setText(withItself.rowCount() - 1, kColValuePerM2, u"900,00");
    EXPECT_EQ(ownPricesFor(budget, withItself, nullptr).count, 7);
}

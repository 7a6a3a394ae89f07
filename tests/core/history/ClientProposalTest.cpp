#include "support/Budgets.h"

#include "core/history/BudgetReport.h"
#include "core/history/ClientProposal.h"

#include <gtest/gtest.h>

using namespace belvane;
using namespace belvane::test;

TEST(ClientProposalTest, TheScheduleEndsInItsTotalAndTheClientReadsNoInternalFigure)
{
    TBudgetData budget = listedBudget(12, QStringLiteral("Ana"), 100.0f, 10000.01f);
    budget.ExecutionHours = 51.3f;
    const PaymentSchedule payments({{QStringLiteral("Assinatura do contrato"), 20.0, QStringLiteral("na assinatura")},
                                    {QStringLiteral("Estudo preliminar"), 40.0, {}},
                                    {QStringLiteral("Projeto executivo"), 40.0, QStringLiteral("10/05/2026")}});
    const ClientProposal proposal = clientProposal(budget, QDate(2026, 3, 14), {}, {{}, 0.0, payments});
    for (const ProposalItem& item : proposal.items)
        EXPECT_FALSE(item.label.contains(QStringLiteral("Tempo")) || item.value.contains(QStringLiteral("horas")))
            << item.label.toStdString();

    const PaymentTable& table = proposal.instalments;
    ASSERT_EQ(table.rows.size(), 3);
    EXPECT_EQ(table.rows[2].value, QStringLiteral("R$ 4.000,01"));
    EXPECT_EQ(table.total.stage, QStringLiteral("Total"));
    EXPECT_EQ(table.total.share, QStringLiteral("100,0 %"));
    EXPECT_EQ(table.total.value, QStringLiteral("R$ 10.000,01"));

    // The report's lines carry the same rows and total, each value after its own tab.
    QList<ReportLine> lines = BudgetReportLines(budget, u"Aguardando", u"");
    const int reportEnd = int(lines.size());
    EXPECT_EQ(paymentLinesStart(lines), -1);
    appendPaymentLines(lines, payments, 10000.01);
    EXPECT_EQ(paymentLinesStart(lines), reportEnd);
    EXPECT_EQ(lines[reportEnd + 2].text, QStringLiteral("Assinatura do contrato (20,0 %): \tR$ 2.000,00\tna assinatura"));
    EXPECT_EQ(lines.last().text, QStringLiteral("Total (100,0 %): \tR$ 10.000,01"));
    EXPECT_EQ(lines.last().kind, ReportLine::Kind::Instalment);
}

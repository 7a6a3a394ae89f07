// The payment sub-page: the schedule proposed at generation for three rated tasks, edited by the
// user, saved with the budget, dropped by "Novo" and shown again when the budget is reopened.
#include "support/BudgetFixture.h"

#include "core/text/NumberFormat.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryControls.h"

#include <QLabel>

using namespace belvane;
using namespace belvane::test;

namespace {

class PaymentTabTest : public BudgetFixture {
protected:
    QStringList column(int col)
    {
        QStringList texts;
        EditableGrid* payments = grid("NgPag");
        for (int row = 0; row < payments->rowCount(); ++row)
            texts << payments->cellText({row, col});
        return texts;
    }
};

} // namespace

TEST_F(PaymentTabTest, TheProposedScheduleIsEditedSavedAndComesBackWithTheBudget)
{
    start();
    window().show();
    setUpOffice();
    window().openPage(kProjectPage);
    enterOneMemberBudget();
    click(controls::project::kResourcesSelector);
    for (int task : {0, 3, 4})
        ASSERT_TRUE(grid("Ng5")->userEdit({task, 2}, QStringLiteral("Média")));
    click(controls::project::kSummarySelector);
    ASSERT_EQ(subPage(), QStringLiteral("TabP_resumo"));
    const QString fee = text("R_orca");

    click(controls::project::kPaymentSelector);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_pagamento"));
    EXPECT_EQ(column(0),
              (QStringList{u"Assinatura do contrato"_qs, u"Levantamento de dados"_qs, u"Estudo preliminar"_qs,
                           u"Projeto para execução"_qs}));
    EXPECT_EQ(column(1), (QStringList{u"20,0"_qs, u"26,7"_qs, u"26,7"_qs, u"26,6"_qs}));
    EXPECT_TRUE(find<QLabel>("PagTotal")->text().startsWith(QStringLiteral("Total: 100,0 %")));

    EditableGrid* payments = grid("NgPag");
    EXPECT_FALSE(payments->userEdit({1, 1}, QStringLiteral("101"))); // a share above 100 % is refused
    ASSERT_TRUE(payments->userEdit({3, 0}, QStringLiteral("Projeto legal")));
    ASSERT_TRUE(payments->userEdit({3, 3}, QStringLiteral("na aprovação da prefeitura")));
    ASSERT_TRUE(payments->userEdit({0, 1}, QStringLiteral("10")));
    EXPECT_TRUE(find<QLabel>("PagTotal")->text().startsWith(QStringLiteral("Total: 90,0 %")));
    click("PagAdd"); // an instalment left without a stage is not kept

    // Shares of 90 % are saved only when the user agrees.
    Prompts::queueAnswer(QMessageBox::No);
    click(controls::project::kSaveBudget);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("As parcelas somam 90,0 %. Salvar assim mesmo?"));
    ASSERT_TRUE(payments->userEdit({0, 1}, QStringLiteral("20")));
    click(controls::project::kSaveBudget);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("O orçamento foi salvo."));
    const int number = window().state().budget().record().Number;

    click(controls::project::kNewBudget);
    EXPECT_EQ(payments->rowCount(), 0);
    ASSERT_TRUE(closeWindow());
    m_window.reset();

    start();
    window().show();
    window().openPage(kHistoryPage);
    historyPage()->selectRow(0);
    ASSERT_EQ(history().text(0, kColNumber), QString::number(number));
    click(controls::history::kReopen);
    click(controls::project::kPaymentSelector);
    EXPECT_EQ(column(0),
              (QStringList{u"Assinatura do contrato"_qs, u"Levantamento de dados"_qs, u"Estudo preliminar"_qs,
                           u"Projeto legal"_qs}));
    EXPECT_EQ(column(3).last(), QStringLiteral("na aprovação da prefeitura"));
    // The values make the fee to the centavo.
    double sum = 0;
    EditableGrid* reopened = grid("NgPag");
    for (int row = 0; row < reopened->rowCount(); ++row)
        sum += reopened->cellNumber({row, 2}).value_or(0);
    EXPECT_EQ(formatNumber(sum, u"#0.00"), fee);
}

TEST_F(PaymentTabTest, AnEditOfThePaymentsNeverSavesABudgetThatWasNotPriced)
{
    start();
    window().show();
    setUpOffice();
    window().openPage(kProjectPage);
    click(controls::project::kPaymentSelector);
    click("PagAdd");
    EXPECT_FALSE(project()->saveButton()->isEnabled());
    // The instalment is work all the same: "Novo" asks before dropping it.
    Prompts::queueAnswer(QMessageBox::No);
    click(controls::project::kNewBudget);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("As modificações no orçamento atual serão apagadas. Continuar?"));
    EXPECT_EQ(grid("NgPag")->rowCount(), 1);
}

#include "support/BudgetFixture.h"

#include "core/budget/BudgetCounter.h"
#include "ui/budget/ProjectControls.h"

#include <QRadioButton>

using namespace belvane;
using belvane::test::BudgetFixture;

using BudgetGenerationTest = BudgetFixture;

TEST_F(BudgetGenerationTest, OneMemberBudgetIsPricedAndSummarised)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    click(controls::project::kSummarySelector);
    EXPECT_TRUE(Prompts::messages().isEmpty()) << Prompts::messages().join(" | ").toStdString();
    EXPECT_EQ(subPage(), QStringLiteral("TabP_resumo"));
    EXPECT_TRUE(find<QPushButton>(controls::project::kSummarySelector)->isChecked());
    EXPECT_TRUE(find<QPushButton>(controls::project::kSaveBudget)->isEnabled());
    EXPECT_TRUE(window().state().budget().modified());

    const TBudgetData& b = window().state().budget().record();
    EXPECT_EQ(b.BudgetValue, 12750.0f);
    EXPECT_EQ(b.ValuePerM2, 127.5f);
    EXPECT_EQ(b.Taxes, 1275.0f);
    EXPECT_EQ(b.QualificationAddition, 1625.0004f);
    EXPECT_EQ(b.TeamCount, 1);
    EXPECT_EQ(b.TeamCost[0], 5000.0f);   // refreshed from the office before collecting
    EXPECT_EQ(b.Number, 1);
    EXPECT_EQ(b.ProjectCategory, 4);

    const struct { const char* name; const char* shown; } displays[] = {
        {"R_orca", "12750,00"}, {"R_orcaM2", "127,50"}, {"R_impostosR", "1275,00"}, {"R_lucroR", "1625,00"},
        {"R_bonus", "1625,00"}, {"R_desconto", "0,00"}, {"R_ART", "100,00"}, {"R_despesas", "8125,00"},
        {"R_k1", "45,9"}, {"R_K2", "20,8"}, {"R_Hxh", "0100"}, {"R_repet", "0000"}, {"R_Fr", "1,00"},
        {"R_Fcomplex", "1,00"}, {"R_area", "100,0"}, {"R_tempo", "100,0"}, {"R_despTec", "3125,00"},
        {"R_rateio", "5000,00"}, {"R_CustoHEscr", "50,00"}, {"R_lucro", "20,0"}, {"R_impostos", "10,0"},
        {"R_numero", "1"}, {"R_status", "Novo"}, {"R_padraoE", "B"}, {"R_cat", "Saúde"},
        {"R_Subtipo", "Projeto Arquitetônico"}, {"R_Prop", "Clínica Boa Vista"},
    };
    for (const auto& d : displays)
        EXPECT_EQ(text(d.name), QString::fromUtf8(d.shown)) << d.name;
    EXPECT_FLOAT_EQ(b.K1, 45.9f);
    EXPECT_FLOAT_EQ(b.K2, 20.833334f);
}

TEST_F(BudgetGenerationTest, RequiredFieldsAreNamedInOrderOnTheirSubPage)
{
    start();
    setUpOffice();
    const QString tail = QStringLiteral(" não foi preenchido ou está incorreto.");
    click(controls::project::kSummarySelector);
    EXPECT_EQ(Prompts::messages().last(), u"O campo \"Nome do Cliente\""_qs + tail);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_dados"));
    EXPECT_TRUE(find<QPushButton>(controls::project::kDataSelector)->isChecked());
    EXPECT_FALSE(find<QPushButton>(controls::project::kSaveBudget)->isEnabled());

    enterOneMemberBudget();
    type("P_area", QStringLiteral("0"));
    click(controls::project::kSummarySelector);
    EXPECT_EQ(Prompts::messages().last(), u"O campo \"Área\""_qs + tail);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_dados"));

    type("P_area", QStringLiteral("100"));
    // Manual man-hours of 0 count, whatever the estimate says.
    type("P_HxhManValue", QStringLiteral("0"));
    click(controls::project::kSummarySelector);
    EXPECT_EQ(Prompts::messages().last(), u"O campo \"Hxh\""_qs + tail);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_Recursos"));
    EXPECT_TRUE(find<QPushButton>(controls::project::kResourcesSelector)->isChecked());

    type("P_HxhManValue", QStringLiteral("100"));
    ASSERT_TRUE(grid("Ng10")->userEdit({0, 1}, QString()));
    click(controls::project::kSummarySelector);
    // No team: nothing is priced, so the team cost is named before the member list.
    EXPECT_EQ(Prompts::messages().last(), u"O campo \"Equipe técnica - custos \""_qs + tail);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_Recursos"));
    EXPECT_FALSE(window().state().budget().modified());
}

TEST_F(BudgetGenerationTest, PressingAgainOnTheSummaryDoesNothing)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    click(controls::project::kSummarySelector);
    {
        TOfficeData changed = window().state().currentOffice();
        changed.TaxRate = 20.0f;
        window().state().setCurrentOffice(changed);
    }
    click(controls::project::kSummarySelector);
    EXPECT_EQ(window().state().budget().record().TaxRate, 10.0f);
    EXPECT_TRUE(Prompts::messages().isEmpty());
}

TEST_F(BudgetGenerationTest, ReopenedBudgetWarnsBeforeEveryGeneration)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    window().state().editBudget().setReopened(true);
    click(controls::project::kSummarySelector);
    click(controls::project::kDataSelector);
    click(controls::project::kSummarySelector);
    EXPECT_EQ(Prompts::messages(),
              QStringList(2, u"O orçamento será recalculado com os dados atuais do projeto e escritório."_qs));
}

TEST_F(BudgetGenerationTest, CancellingAtAMissingMemberStopsOnTheResources)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    {
        TOfficeData changed = window().state().currentOffice();
        changed.StaffName[0].assign(u"Ana Maria");
        window().state().setCurrentOffice(changed);
    }
    Prompts::queueAnswer(QMessageBox::Cancel);
    click(controls::project::kSummarySelector);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_Recursos"));
    EXPECT_EQ(window().state().budget().record().BudgetValue, 0.0f);
    EXPECT_EQ(Prompts::messages().size(), 1);
}

TEST_F(BudgetGenerationTest, ImpossibleOfficeFiguresAreRefusedWithAClearMessage)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    TOfficeData office = window().state().currentOffice();
    office.TaxRate = 100.0f;
    window().state().setCurrentOffice(office);
    click(controls::project::kSummarySelector);
    ASSERT_EQ(Prompts::messages().size(), 1);
    EXPECT_TRUE(Prompts::messages().last().startsWith(QStringLiteral("Os impostos precisam ser menores que 100 %")));
    EXPECT_EQ(subPage(), QStringLiteral("TabP_dados"));
    EXPECT_TRUE(find<QPushButton>(controls::project::kDataSelector)->isChecked());
    EXPECT_FALSE(find<QPushButton>(controls::project::kSaveBudget)->isEnabled());
    EXPECT_FALSE(window().state().budget().modified());

    office.TaxRate = 10.0f;
    office.MonthlyHours = 0;
    window().state().setCurrentOffice(office);
    click(controls::project::kSummarySelector);
    EXPECT_TRUE(Prompts::messages().last().contains(QStringLiteral("0 horas de trabalho por mês")));

    office.MonthlyHours = 160;
    window().state().setCurrentOffice(office);
    grid("Ng10")->setCellText({0, 3}, QStringLiteral("0"));
    click(controls::project::kSummarySelector);
    EXPECT_TRUE(Prompts::messages().last().contains(QStringLiteral("participação da equipe técnica")));
    EXPECT_EQ(subPage(), QStringLiteral("TabP_Recursos"));
    EXPECT_EQ(window().state().budget().record().BudgetValue, 0.0f);
}

TEST_F(BudgetGenerationTest, DamagedCounterFileStillNumbersAboveTheStoredBudgets)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    const QString projects = window().state().folders().projectsDir;
    QFile counter(projects + QLatin1String(kBudgetCounterFileName));
    ASSERT_TRUE(counter.open(QIODevice::WriteOnly));
    counter.write("\x05", 1);
    counter.close();
    QFile stored(projects + QStringLiteral("ORC000004.bvp"));
    ASSERT_TRUE(stored.open(QIODevice::WriteOnly));
    stored.close();
    click(controls::project::kSummarySelector);
    EXPECT_TRUE(Prompts::messages().isEmpty());
    EXPECT_EQ(subPage(), QStringLiteral("TabP_resumo"));
    EXPECT_EQ(window().state().budget().record().Number, 5);
}

TEST_F(BudgetGenerationTest, NewBudgetIsNumberedAfterTheCounterFile)
{
    start();
    ASSERT_TRUE(WriteBudgetCounter(window().state().folders().projectsDir, 41).ok());
    setUpOffice();
    enterOneMemberBudget();
    click(controls::project::kSummarySelector);
    EXPECT_EQ(window().state().budget().record().Number, 42);
    EXPECT_EQ(text("R_numero"), QStringLiteral("42"));
    // "Novo" after a generation asks first; No keeps everything.
    Prompts::queueAnswer(QMessageBox::No);
    click(controls::project::kNewBudget);
    EXPECT_EQ(Prompts::messages().last(), QStringLiteral("As modificações no orçamento atual serão apagadas. Continuar?"));
    EXPECT_EQ(text("P_Prop"), QStringLiteral("Clínica Boa Vista"));
    EXPECT_EQ(subPage(), QStringLiteral("TabP_resumo"));
    Prompts::queueAnswer(QMessageBox::Yes);
    click(controls::project::kNewBudget);
    EXPECT_EQ(text("P_Prop"), QString());
    EXPECT_EQ(subPage(), QStringLiteral("TabP_dados"));
    EXPECT_FALSE(find<QPushButton>(controls::project::kSaveBudget)->isEnabled());
    EXPECT_FALSE(window().state().budget().modified());
    EXPECT_EQ(window().state().budgetCounter(), 42);
    EXPECT_EQ(text("R_numero"), QStringLiteral("42"));
    EXPECT_EQ(text("R_orca"), QStringLiteral("12750,00"));   // the summary keeps what it showed
}

TEST_F(BudgetGenerationTest, ComplexityFactorIsStoredExactlyAndSurvivesRegeneration)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    const char* ratings[] = {"Baixa", "Baixa", "Baixa", "Alta", "Média", "Baixa", "Média"};
    for (int row = 0; row < 7; ++row)
        ASSERT_TRUE(grid("NG7")->userEdit({row, 2}, QString::fromUtf8(ratings[row])));
    click(controls::project::kSummarySelector);
    const TBudgetData& b = window().state().budget().record();
    // The average of the indices, not the six decimals the field shows.
    EXPECT_EQ(b.ComplexityFactor, 0.87142849f);
    const float firstValue = b.BudgetValue;

    // Shown again as a reopened budget is, then generated anew: nothing moves.
    project()->ShowBudget();
    click(controls::project::kDataSelector);
    click(controls::project::kSummarySelector);
    EXPECT_EQ(b.ComplexityFactor, 0.87142849f);
    EXPECT_EQ(b.BudgetValue, firstValue);
}

#include "support/BudgetFixture.h"

#include "core/text/NumberFormat.h"
#include "ui/app/AppControls.h"
#include "ui/budget/CompositionChart.h"
#include "ui/budget/ProjectControls.h"
#include "ui/budget/ZeroProfitLine.h"

#include <QApplication>

using namespace belvane;
using belvane::test::BudgetFixture;

using BudgetFlowTest = BudgetFixture;

// A user prices a hospital project from the menu to a renegotiated summary.
TEST_F(BudgetFlowTest, ClassifyRateStaffGenerateAndRenegotiate)
{
    TForm1& w = start();
    w.show();
    QApplication::setActiveWindow(&w);
    setUpOffice();
    click(controls::app::kMenuBudget);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_dados"));

    type("P_Prop", QStringLiteral("Hospital São Lucas"));
    chooseByKeys("P_cat", QStringLiteral("Saúde"));
    chooseByKeys("P_SubCat", QStringLiteral("Hospitais"));
    EXPECT_EQ(text("P_classif"), QStringLiteral("4"));
    chooseByKeys("P_tipo", QStringLiteral("Projeto"));
    chooseByKeys("P_SubTipo", QStringLiteral("Projeto Arquitetônico"));
    type("P_area", QStringLiteral("1200"));
    type("P_DespART", QStringLiteral("150"));
    type("P_rep", QStringLiteral("2"));
    EXPECT_EQ(text("P_fatorR"), QStringLiteral("0,94"));

    click(controls::project::kResourcesSelector);
    EXPECT_EQ(subPage(), QStringLiteral("TabP_Recursos"));
    for (int task : {0, 3, 4})
        ASSERT_TRUE(grid("Ng5")->userEdit({task, 2}, QStringLiteral("Média")));
    EXPECT_EQ(text("P_HxhAutoValue"), QStringLiteral("54"));
    ASSERT_TRUE(grid("NG7")->userEdit({0, 2}, QStringLiteral("Alta")));
    ASSERT_TRUE(grid("NG7")->userEdit({4, 2}, QStringLiteral("Média")));
    EXPECT_EQ(text("P_Fcomplex"), QStringLiteral("1,15"));
    ASSERT_TRUE(grid("Ng10")->userEdit({0, 1}, QStringLiteral("Ana")));
    ASSERT_TRUE(grid("Ng10")->userEdit({1, 1}, QStringLiteral("Bruno")));
    ASSERT_TRUE(grid("Ng10")->userEdit({1, 3}, QStringLiteral("50")));

    click(controls::project::kSummarySelector);
    ASSERT_TRUE(Prompts::messages().isEmpty()) << Prompts::messages().join(" | ").toStdString();
    EXPECT_EQ(subPage(), QStringLiteral("TabP_resumo"));
    // 54 man-hours over 1,5 members take 36 h; weighted by Fc 1,15 they are 41,4 h, which cost
    // 1811,25 of team and 2070 of office: own expenses 3881,25. With Fe 1,2, a repetition factor
    // of 0,94 (a discount of 232,875), 20 % profit, RRT 150 and 10 % taxes on top the value is
    // (3881,25 + 776,25 + 776,25 - 232,875 + 150) / 0,9 = 5945,42.
    EXPECT_EQ(text("R_Hxh"), QStringLiteral("0054"));
    EXPECT_EQ(text("R_tempo"), QStringLiteral("36,0"));
    EXPECT_EQ(text("R_despTec"), QStringLiteral("1811,25"));
    EXPECT_EQ(text("R_rateio"), QStringLiteral("2070,00"));
    EXPECT_EQ(text("R_despesas"), QStringLiteral("3881,25"));
    EXPECT_EQ(text("R_desconto"), QStringLiteral("232,88"));
    EXPECT_EQ(text("R_orca"), QStringLiteral("5945,42"));
    EXPECT_EQ(text("R_orcaM2"), QStringLiteral("4,95"));
    auto* chart = find<CompositionChart>("ch2");
    EXPECT_EQ(chart->marks().last(), QStringLiteral("Orçamento\n5.945"));
    EXPECT_LT(chart->barValues()[6], 0.0);

    QTest::keyClick(find<QAbstractSpinBox>("R_lucro"), Qt::Key_Up);
    QTest::keyClick(find<QAbstractSpinBox>("R_lucro"), Qt::Key_Up);
    QTest::keyClick(find<QAbstractSpinBox>("R_impostos"), Qt::Key_Down);
    const TBudgetData& b = window().state().budget().record();
    EXPECT_EQ(b.ProfitPercent, 21.0f);
    EXPECT_FLOAT_EQ(b.TaxRate, 9.9f);
    EXPECT_NEAR(b.BudgetValue, (3881.25 * 1.21 + 776.25 - 232.875 + 150) / 0.901, 0.01);
    EXPECT_EQ(text("R_orca"), formatNumber(b.BudgetValue, u"#0.00"));
    EXPECT_EQ(chart->zeroProfitLine()->caption().section(u' ', 1), QStringLiteral("-> lucro=0"));
    EXPECT_TRUE(find<QPushButton>(controls::project::kSaveBudget)->isEnabled());

    click(controls::project::kDataSelector);
    EXPECT_EQ(text("P_lucropc"), QStringLiteral("21,0"));
}

#include "support/BudgetFixture.h"

#include <QRadioButton>

using namespace belvane;
using belvane::test::BudgetFixture;

using ProjectPageTransferTest = BudgetFixture;

TEST_F(ProjectPageTransferTest, CollectingCopiesThePagesAndTheOfficeValuesInForce)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    type("P_tel", QStringLiteral("(11) 5555-0101"));
    type("P_email", QStringLiteral("obra@exemplo.com.br"));
    type("P_Ender", QStringLiteral("Rua da Consolação, 12"));
    type("P_Codigo", QStringLiteral("HX-07"));
    type("P_terceiros", QStringLiteral("250,5"));
    type("P_DespDesloc", QStringLiteral("80"));
    type("P_rep", QStringLiteral("300"));
    ASSERT_TRUE(grid("Ng10")->userEdit({4, 1}, QStringLiteral("Bruno")));
    ASSERT_TRUE(grid("Ng10")->userEdit({4, 3}, QStringLiteral("50")));
    ASSERT_TRUE(grid("Ng5")->userEdit({1, 2}, QStringLiteral("Alta")));
    ASSERT_TRUE(grid("NG7")->userEdit({3, 2}, QStringLiteral("Alta")));
    ASSERT_TRUE(project()->CollectProjectPages());

    const TBudgetData& b = window().state().budget().record();
    EXPECT_EQ(b.ClientPhone.toQString(), QStringLiteral("(11) 5555-0101"));
    EXPECT_EQ(b.ClientAddress.toQString(), QStringLiteral("Rua da Consolação, 12"));
    EXPECT_EQ(b.ProjectCode.toQString(), QStringLiteral("HX-07"));
    EXPECT_EQ(b.ThirdParty, 250.5f);
    EXPECT_EQ(b.TravelExpenses, 80.0f);
    EXPECT_EQ(b.Repetitions, 300 % 256);   // one byte
    EXPECT_EQ(b.RepetitionFactor, 1.0f);
    EXPECT_EQ(b.HxhManual, 1);
    EXPECT_EQ(b.HxhManualValue, 100);
    EXPECT_EQ(b.HxhAutoValue, 25);
    EXPECT_EQ(b.Hxh, 100);
    EXPECT_EQ(b.Tasks[1].Complexity.toQString(), QStringLiteral("Alta"));
    EXPECT_EQ(b.Tasks[1].Hxh, 25);
    EXPECT_EQ(b.Tasks[0].Hxh, 0);
    EXPECT_EQ(b.Indicators[3].Number, 4);
    EXPECT_EQ(b.Indicators[3].IndexValue, 1.3f);
    EXPECT_EQ(b.Indicators[2].IndexValue, 0.0f);
    EXPECT_FLOAT_EQ(b.ComplexityFactor, 1.3f);
    // Named rows 0 and 4 become entries 0 and 1.
    EXPECT_EQ(b.TeamCount, 2);
    EXPECT_EQ(b.TeamName[1].toQString(), QStringLiteral("Bruno"));
    EXPECT_EQ(b.TeamRole[1].toQString(), QStringLiteral("Desenhista"));
    EXPECT_EQ(b.TeamShare[1], 50);
    EXPECT_EQ(b.TeamCost[1], 4000.0f);
    EXPECT_EQ(b.TeamProductivity[1], 100);
    EXPECT_EQ(b.MonthlyHours, 160.0f);
    EXPECT_EQ(b.StandardFactor, 1.2f);
    EXPECT_EQ(b.OfficeStandard.toQString(), QStringLiteral("B"));
    EXPECT_EQ(b.TaxRate, 10.0f);
    EXPECT_EQ(b.CostPerHour, 50.0f);
}

TEST_F(ProjectPageTransferTest, LongTextsAreCutAndAccentsSurvive)
{
    start();
    type("P_Prop", QString(120, u'ç'));
    ASSERT_TRUE(project()->CollectProjectPages());
    EXPECT_EQ(window().state().budget().record().ClientName.toQString(), QString(100, u'ç'));
    EXPECT_EQ(window().state().budget().record().ClientName.bytes(), QByteArray(100, '\xE7'));
}

TEST_F(ProjectPageTransferTest, ShowingARecordPutsItBackOnThePages)
{
    start();
    setUpOffice();
    TBudgetData b = window().state().budget().record();
    b.Number = 17;
    b.Status.assign(u"Editado");
    b.ClientName.assign(u"João Araújo");
    b.Area = 250.0f;
    b.BuildingUse.assign(u"Habitacional");
    b.BuildingType.assign(u"Quartéis");
    b.ProjectCategory = 2;   // the stored category wins over the type's own
    b.ServiceGroup.assign(u"Execução");
    b.Service.assign(u"Execução de Obras por Empreitada");
    b.HxhManual = 1;
    b.HxhManualValue = 77;
    b.HxhAutoValue = 30;
    b.Tasks[0].Complexity.assign(u"Média");
    b.Tasks[0].Hxh = 30;
    b.Indicators[1].Complexity.assign(u"Alta");
    b.Indicators[1].IndexValue = 1.3f;
    b.ComplexityFactor = 1.3f;
    b.TaxRate = 12.5f;
    b.Repetitions = 10;
    b.RepetitionFactor = 0.73f;
    b.TeamCount = 2;
    b.TeamName[0].assign(u"Ana");
    b.TeamName[1].assign(u"Zé");
    b.TeamShare[1] = 40;
    b.TeamCost[1] = 1234.5f;
    window().state().editBudget().record() = b;
    project()->ShowBudget();

    EXPECT_EQ(text("P_Prop"), QStringLiteral("João Araújo"));
    EXPECT_EQ(text("P_area"), QStringLiteral("250,0"));
    EXPECT_EQ(find<QComboBox>("P_SubCat")->currentText(), QStringLiteral("Quartéis"));
    EXPECT_EQ(find<QComboBox>("P_SubCat")->count(), 11);
    EXPECT_EQ(find<QComboBox>("P_SubTipo")->currentText(), QStringLiteral("Execução de Obras por Empreitada"));
    EXPECT_EQ(text("P_classif"), QStringLiteral("2"));
    EXPECT_TRUE(find<QRadioButton>("P_HxhMan")->isChecked());
    EXPECT_EQ(text("P_HxhManValue"), QStringLiteral("77"));
    EXPECT_EQ(text("P_HxhAutoValue"), QStringLiteral("30"));
    EXPECT_EQ(text("P_fatorR"), QStringLiteral("0,73"));
    EXPECT_EQ(text("P_rep"), QStringLiteral("10"));
    EXPECT_EQ(text("R_numero"), QStringLiteral("17"));
    EXPECT_EQ(text("R_impostos"), QStringLiteral("12,5"));
    EXPECT_EQ(grid("Ng5")->cellText({0, 3}), QStringLiteral("30"));
    EXPECT_EQ(grid("Ng5")->cellText({1, 3}), QString());
    EXPECT_EQ(grid("NG7")->cellText({1, 3}), QStringLiteral("1,30"));
    EXPECT_EQ(grid("NG7")->cellText({1, 0}), QStringLiteral("2"));
    EXPECT_EQ(grid("Ng10")->cellText({1, 1}), QStringLiteral("Zé"));
    EXPECT_EQ(grid("Ng10")->cellText({1, 3}), QStringLiteral("40"));
    EXPECT_EQ(grid("Ng10")->cellText({1, 4}), QStringLiteral("1234,5"));
    EXPECT_EQ(grid("Ng10")->cellText({2, 1}), QString());
    EXPECT_EQ(grid("Ng10")->cellText({7, 0}), QStringLiteral("8"));
    EXPECT_TRUE(Prompts::messages().isEmpty());

    // Collecting again gives the record back.
    ASSERT_TRUE(project()->CollectProjectPages());
    const TBudgetData& again = window().state().budget().record();
    EXPECT_EQ(again.Number, 17);   // "Novo" is renewed from the counter file; this one is not new
    EXPECT_EQ(again.ProjectCategory, 2);
    EXPECT_EQ(again.TeamCost[1], 1234.5f);
    EXPECT_EQ(again.Indicators[1].IndexValue, 1.3f);
    EXPECT_EQ(again.RepetitionFactor, 0.73f);
    EXPECT_EQ(again.Tasks[1].Hxh, 0);
}

TEST_F(ProjectPageTransferTest, TeamBeyondEightRowsShowsTheFirstEightAndSaysSo)
{
    start();
    TBudgetData b = window().state().budget().record();
    b.TeamCount = 11;
    for (int i = 0; i < 11; ++i)
        b.TeamName[i].assign(QStringLiteral("Membro %1").arg(i + 1));
    window().state().editBudget().record() = b;
    project()->ShowBudget();
    EXPECT_EQ(grid("Ng10")->rowCount(), 8);
    EXPECT_EQ(grid("Ng10")->cellText({7, 1}), QStringLiteral("Membro 8"));
    ASSERT_EQ(Prompts::messages().size(), 1);
    EXPECT_TRUE(Prompts::messages().first().contains(QStringLiteral("11 integrantes")));
    EXPECT_TRUE(Prompts::messages().first().contains(QStringLiteral("não foram mostrados")));
}

#include "support/BudgetFixture.h"

#include "ui/budget/FieldCaption.h"
#include "ui/budget/ProjectControls.h"
#include "ui/budget/ResourcesTab.h"
#include "ui/budget/TechnicalTeamPanel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace belvane;
using belvane::test::BudgetFixture;

using ProjectResourcesTest = BudgetFixture;

namespace {

QStringList headersOf(EditableGrid* grid)
{
    QStringList headers;
    for (int c = 0; c < grid->columnCount(); ++c)
        headers << grid->horizontalHeaderItem(c)->text();
    return headers;
}

QStringList hiddenOf(EditableGrid* grid)
{
    QStringList hidden;
    for (int c = 0; c < grid->columnCount(); ++c) {
        if (grid->isColumnHidden(c))
            hidden << grid->horizontalHeaderItem(c)->text();
    }
    return hidden;
}

} // namespace

TEST_F(ProjectResourcesTest, GridsRadiosAndDisplaysAsANewBudgetHasThem)
{
    start();
    EditableGrid* tasks = grid("Ng5");
    EXPECT_EQ(headersOf(tasks), (QStringList{u"Tarefas"_qs, u"OK"_qs, u"Complexidade"_qs, u"H x h"_qs}));
    EXPECT_EQ(hiddenOf(tasks), QStringList{u"OK"_qs});
    EXPECT_EQ(tasks->rowCount(), 12);
    EXPECT_EQ(tasks->cellText({11, 0}), QStringLiteral("As built"));
    EXPECT_EQ(tasks->columnItems(2), (QStringList{QString(), u"Baixa"_qs, u"Média"_qs, u"Alta"_qs}));

    EditableGrid* indicators = grid("NG7");
    EXPECT_EQ(headersOf(indicators), (QStringList{u"N"_qs, u"Indicadores"_qs, u"Complexidade"_qs, u"Indice"_qs}));
    EXPECT_EQ(hiddenOf(indicators), QStringList{u"N"_qs});
    EXPECT_EQ(indicators->rowCount(), 10);
    EXPECT_EQ(indicators->cellText({9, 0}), QStringLiteral("10"));
    EXPECT_EQ(indicators->cellText({9, 1}), QStringLiteral("Definição do prazo"));

    EditableGrid* team = grid("Ng10");
    EXPECT_EQ(headersOf(team), (QStringList{u"N"_qs, u"Nome"_qs, u"Função"_qs, u"Partic. [%]"_qs, u"Custo"_qs,
                                            u"Prodt.[%]"_qs}));
    EXPECT_EQ(hiddenOf(team), (QStringList{u"Custo"_qs, u"Prodt.[%]"_qs}));
    EXPECT_EQ(team->rowCount(), 8);
    EXPECT_EQ(team->cellText({7, 0}), QStringLiteral("8"));
    EXPECT_EQ(team->columnItems(3).first(), QStringLiteral("10"));
    EXPECT_EQ(team->columnItems(3).last(), QStringLiteral("100"));
    EXPECT_EQ(team->columnItems(5), (QStringList{u"50"_qs, u"60"_qs, u"70"_qs, u"80"_qs, u"90"_qs, u"100"_qs}));

    const QChar marker(0xE10B);
    EXPECT_EQ(find<QRadioButton>("P_HxhAuto")->text(), u"Estim.Hxh calculada"_qs + marker);
    EXPECT_EQ(find<QRadioButton>("P_HxhMan")->text(), u"Estim. Hxh manual"_qs + marker);
    // A new budget is not manual: showing it switches the estimate on.
    EXPECT_TRUE(find<QRadioButton>("P_HxhAuto")->isChecked());
    EXPECT_EQ(captionOf(find<NumberEdit>("P_Fcomplex"))->text(), u"Fc"_qs + marker);
    EXPECT_EQ(text("P_Fcomplex"), QStringLiteral("1,00"));
    EXPECT_EQ(text("P_HxhManValue"), QStringLiteral("0"));
    for (const char* glyph : {"Label61", "Label62", "Label82"})
        EXPECT_EQ(find<QLabel>(glyph)->toolTip(), QStringLiteral("Limpar campos")) << glyph;
}

TEST_F(ProjectResourcesTest, RatedTasksSumTheirManHours)
{
    start();
    setUpOffice();
    choose("P_cat", QStringLiteral("Habitacional"));
    choose("P_SubCat", QStringLiteral("Quartéis"));   // category 3
    EditableGrid* tasks = grid("Ng5");
    for (int row : {0, 3, 4})
        ASSERT_TRUE(tasks->userEdit({row, 2}, QStringLiteral("Média")));
    EXPECT_EQ(tasks->cellText({0, 3}), QStringLiteral("12"));
    EXPECT_EQ(tasks->cellText({4, 3}), QStringLiteral("12"));
    EXPECT_EQ(text("P_HxhAutoValue"), QStringLiteral("36"));
    ASSERT_TRUE(tasks->userEdit({3, 2}, QString()));
    EXPECT_EQ(tasks->cellText({3, 3}), QString());
    EXPECT_EQ(text("P_HxhAutoValue"), QStringLiteral("24"));

    TOfficeData office = window().state().currentOffice();
    office.HxhTable[2][3] = 300;
    window().state().setCurrentOffice(office);
    ASSERT_TRUE(tasks->userEdit({5, 2}, QStringLiteral("Alta")));
    EXPECT_EQ(tasks->cellText({5, 3}), QStringLiteral("300"));
    EXPECT_EQ(text("P_HxhAutoValue"), QStringLiteral("324"));
}

TEST_F(ProjectResourcesTest, RatingATaskBeforeTheBuildingTypeIsRefused)
{
    start();
    EditableGrid* tasks = grid("Ng5");
    ASSERT_TRUE(tasks->userEdit({2, 2}, QStringLiteral("Alta")));
    EXPECT_EQ(Prompts::messages(), QStringList{u"É preciso definir a Categoria do projeto"_qs});
    EXPECT_EQ(tasks->cellText({2, 2}), QString());
    EXPECT_EQ(tasks->cellText({2, 3}), QString());
}

TEST_F(ProjectResourcesTest, ClearingTheTasksAlsoClearsTheManualManHours)
{
    start();
    setUpOffice();
    choose("P_cat", QStringLiteral("Saúde"));
    choose("P_SubCat", QStringLiteral("Hospitais"));
    ASSERT_TRUE(grid("Ng5")->userEdit({0, 2}, QStringLiteral("Baixa")));
    type("P_HxhManValue", QStringLiteral("40"));
    QTest::mouseClick(find<QLabel>("Label61"), Qt::LeftButton);
    EXPECT_EQ(grid("Ng5")->cellText({0, 2}), QString());
    EXPECT_EQ(grid("Ng5")->cellText({0, 3}), QString());
    EXPECT_EQ(text("P_HxhManValue"), QStringLiteral("0"));
    EXPECT_EQ(text("P_HxhAutoValue"), QStringLiteral("0"));
}

TEST_F(ProjectResourcesTest, IndicatorsAverageIntoTheComplexityFactor)
{
    start();
    EditableGrid* indicators = grid("NG7");
    ASSERT_TRUE(indicators->userEdit({0, 2}, QStringLiteral("Baixa")));
    EXPECT_EQ(indicators->cellText({0, 3}), QStringLiteral("0,7"));
    ASSERT_TRUE(indicators->userEdit({1, 2}, QStringLiteral("Média")));
    ASSERT_TRUE(indicators->userEdit({2, 2}, QStringLiteral("Alta")));
    EXPECT_EQ(text("P_Fcomplex"), QStringLiteral("1,00"));
    ASSERT_TRUE(indicators->userEdit({0, 2}, QString()));
    ASSERT_TRUE(indicators->userEdit({1, 2}, QString()));
    EXPECT_EQ(indicators->cellText({0, 3}), QString());
    EXPECT_EQ(text("P_Fcomplex"), QStringLiteral("1,30"));
    // Unrating the last one keeps the last average.
    ASSERT_TRUE(indicators->userEdit({2, 2}, QString()));
    EXPECT_EQ(text("P_Fcomplex"), QStringLiteral("1,30"));
    ASSERT_TRUE(indicators->userEdit({5, 2}, QStringLiteral("Alta")));
    QTest::mouseClick(find<QLabel>("Label62"), Qt::LeftButton);
    EXPECT_EQ(indicators->cellText({5, 2}), QString());
    EXPECT_EQ(indicators->cellText({5, 3}), QString());
    EXPECT_EQ(text("P_Fcomplex"), QStringLiteral("1,00"));
}

TEST_F(ProjectResourcesTest, TeamMembersComeFromTheTechnicalStaff)
{
    start();
    setUpOffice();
    EditableGrid* team = grid("Ng10");
    EXPECT_EQ(team->columnItems(1), (QStringList{QString(), u"Ana"_qs, u"Bruno"_qs, u"Carla"_qs}));
    ASSERT_TRUE(team->userEdit({0, 1}, QStringLiteral("Bruno")));
    EXPECT_EQ(team->cellText({0, 2}), QStringLiteral("Desenhista"));
    EXPECT_EQ(team->cellText({0, 3}), QStringLiteral("100"));
    EXPECT_EQ(team->cellText({0, 4}), QStringLiteral("4000"));
    EXPECT_EQ(team->cellText({0, 5}), QStringLiteral("100"));
    // A participation chosen before is kept when the member is chosen.
    ASSERT_TRUE(team->userEdit({1, 1}, QStringLiteral("Ana")));
    ASSERT_TRUE(team->userEdit({1, 3}, QStringLiteral("50")));
    ASSERT_TRUE(team->userEdit({1, 1}, QStringLiteral("Carla")));
    EXPECT_EQ(team->cellText({1, 3}), QStringLiteral("50"));
    EXPECT_EQ(team->cellText({1, 4}), QStringLiteral("1500"));

    // The same member twice, or a participation without a member, clears the row.
    ASSERT_TRUE(team->userEdit({2, 1}, QStringLiteral("Bruno")));
    EXPECT_EQ(team->cellText({2, 1}), QString());
    EXPECT_EQ(team->cellText({2, 2}), QString());
    EXPECT_EQ(team->cellText({2, 0}), QStringLiteral("3"));
    ASSERT_TRUE(team->userEdit({4, 3}, QStringLiteral("30")));
    EXPECT_EQ(team->cellText({4, 3}), QString());
    EXPECT_EQ(team->cellText({4, 0}), QStringLiteral("5"));
    // Emptying a member's name takes the row with it.
    ASSERT_TRUE(team->userEdit({1, 1}, QString()));
    EXPECT_EQ(team->cellText({1, 3}), QString());
    EXPECT_EQ(team->cellText({1, 0}), QStringLiteral("2"));
}

TEST_F(ProjectResourcesTest, ClearingTheTeamAsksFirst)
{
    start();
    setUpOffice();
    EditableGrid* team = grid("Ng10");
    ASSERT_TRUE(team->userEdit({0, 1}, QStringLiteral("Ana")));
    Prompts::queueAnswer(QMessageBox::No);
    QTest::mouseClick(find<QLabel>("Label82"), Qt::LeftButton);
    EXPECT_EQ(team->cellText({0, 1}), QStringLiteral("Ana"));
    Prompts::queueAnswer(QMessageBox::Yes);
    QTest::mouseClick(find<QLabel>("Label82"), Qt::LeftButton);
    EXPECT_EQ(team->cellText({0, 1}), QString());
    EXPECT_EQ(team->cellText({0, 0}), QStringLiteral("1"));
    EXPECT_EQ(Prompts::messages(), QStringList(2, u"A lista da equipe técnica será apagada. Continuar?"_qs));
}

TEST_F(ProjectResourcesTest, TeamNoteSwitch)
{
    TForm1& w = start();
    w.show();
    w.openPage(kProjectPage);
    click(controls::project::kResourcesSelector);
    auto* note = find<QPlainTextEdit>("NxMemo1");
    auto* toggle = find<QPushButton>(controls::project::kTeamNoteSwitch);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(toggle->text(), QStringLiteral("- Anotações da Equipe Técnica"));
    EXPECT_TRUE(note->toPlainText().startsWith(
        QStringLiteral("Anote na tabela a composição da equipe técnica deste projeto específico.")));
    click(controls::project::kTeamNoteSwitch);
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(toggle->text(), QStringLiteral("+ Anotações da Equipe Técnica"));
    click(controls::project::kTeamNoteSwitch);
    EXPECT_TRUE(note->isVisible());
}

TEST_F(ProjectResourcesTest, TeamIsCheckedAgainstTheCurrentOffice)
{
    start();
    setUpOffice();
    EditableGrid* team = grid("Ng10");
    ASSERT_TRUE(team->userEdit({0, 1}, QStringLiteral("Ana")));
    ASSERT_TRUE(team->userEdit({1, 1}, QStringLiteral("Bruno")));
    ASSERT_TRUE(team->userEdit({2, 1}, QStringLiteral("Carla")));
    TOfficeData office = window().state().currentOffice();
    // Ana is now support staff with a new cost: still found, her cost refreshed. Bruno and Carla
    // left the office.
    office.StaffType[0].assign(u"Apoio");
    office.StaffCost[0] = 5200.0f;
    office.StaffName[1].assign(u"Bruna");
    office.StaffName[2].assign(u"Cássia");
    window().state().setCurrentOffice(office);
    TechnicalTeamPanel* panel = project()->resourcesTab()->team();
    Prompts::queueAnswer(QMessageBox::Cancel);
    Prompts::queueAnswer(QMessageBox::Yes);
    EXPECT_FALSE(panel->CheckTeamAgainstOffice());
    EXPECT_EQ(Prompts::messages(),
              (QStringList{u"O colaborador Bruno não está listado no escritório atual.Deseja retirá-lo deste projeto?"_qs,
                           u"O colaborador Carla não está listado no escritório atual.Deseja retirá-lo deste projeto?"_qs}));
    EXPECT_EQ(team->cellText({0, 4}), QStringLiteral("5200,00"));
    EXPECT_EQ(team->cellText({1, 1}), QStringLiteral("Bruno"));   // Cancel keeps the row
    EXPECT_EQ(team->cellText({2, 1}), QString());                 // Yes takes it out
    EXPECT_EQ(team->cellText({2, 0}), QStringLiteral("3"));
    Prompts::queueAnswer(QMessageBox::No);
    EXPECT_TRUE(panel->CheckTeamAgainstOffice());
    EXPECT_EQ(team->cellText({1, 1}), QStringLiteral("Bruno"));
}

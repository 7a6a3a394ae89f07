#include "support/GridDriver.h"
#include "support/OfficeFixture.h"

#include "ui/office/MonthlyHoursSpin.h"
#include "ui/office/OfficeControls.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace belvane;
using namespace belvane::test;

namespace {

class OfficeCostsPageTest : public OfficeFixture {
protected:
    void SetUp() override
    {
        OfficeFixture::SetUp();
        click(controls::office::kCostsSelector);
    }

    void addStaff(const char* name, const char* type, const char* cost)
    {
        click(controls::office::kAddStaff);
        EditableGrid* staff = grid("NG9");
        const int row = staff->rowCount() - 1;
        staff->userEdit({row, 0}, QString::fromUtf8(name));
        staff->userEdit({row, 2}, QString::fromUtf8(type));
        staff->userEdit({row, 3}, QString::fromUtf8(cost));
    }

    QStringList allTotals()
    {
        QStringList texts;
        for (const char* name : {"E_CustoFix", "E_custoVar", "E_CustoTec", "E_CustoApoio", "E_CustoParcial",
                                 "E_custoHor", "E_CustoTotalEqTec", "E_CustoTotalHEqTec"})
            texts << shown(name);
        return texts;
    }

};

} // namespace

TEST_F(OfficeCostsPageTest, WorkedExampleTypedIntoTheLists)
{
    EditableGrid* fixed = grid("NG1");
    EditableGrid* variable = grid("Ng2");
    EditableGrid* staff = grid("NG9");
    ASSERT_TRUE(typeIntoCell(*fixed, 1, 0, QStringLiteral("1000")));
    EXPECT_TRUE(modified());
    ASSERT_TRUE(typeIntoCell(*fixed, 1, 1, QStringLiteral("500,5")));
    ASSERT_TRUE(typeIntoCell(*variable, 1, 0, QStringLiteral("250,25")));
    for (const auto& [name, type, cost] : {std::tuple{"Beatriz Conceição", "Apoio", "2000"},
                                           std::tuple{"João Araújo", "Técnico", "5000"}}) {
        click(controls::office::kAddStaff);
        const int row = staff->rowCount() - 1;
        ASSERT_TRUE(typeIntoCell(*staff, 0, row, QString::fromUtf8(name)));
        ASSERT_TRUE(chooseInCell(*staff, 2, row, QString::fromUtf8(type)));
        ASSERT_TRUE(typeIntoCell(*staff, 3, row, QString::fromUtf8(cost)));
    }
    EXPECT_EQ(fixed->cellText({1, 1}), QStringLiteral("500,50"));
    EXPECT_EQ(allTotals(), (QStringList{"1500,50", "250,25", "5000,00", "2000,00", "3750,75", "23,44",
                                        "8750,75", "54,69"}));
}

TEST_F(OfficeCostsPageTest, AddButtonsStopAtTheRecordLimitsWithoutMarking)
{
    const QStringList before = allTotals();
    for (const auto& [gridName, button, limit] :
         {std::tuple{"NG1", controls::office::kAddFixedExpense, 100},
          std::tuple{"Ng2", controls::office::kAddVariableExpense, 100},
          std::tuple{"NG9", controls::office::kAddStaff, 20}}) {
        for (int i = 0; i < limit + 2; ++i)
            click(button);
        EXPECT_EQ(grid(gridName)->rowCount(), limit) << gridName;
    }
    EXPECT_EQ(grid("NG9")->cellText({19, 2}), QString());        // a new staff row has no type yet
    EXPECT_EQ(grid("NG9")->cellText({19, 3}), QStringLiteral("0,00"));
    EXPECT_FALSE(modified());
    EXPECT_EQ(allTotals(), before);
}

TEST_F(OfficeCostsPageTest, RepeatedStaffNamesAreRefused)
{
    addStaff("Ana", "Técnico", "1000");
    EXPECT_EQ(shown("E_CustoTec"), QStringLiteral("1000,00"));
    state().editOfficeDraft().setModified(false);

    addStaff("ANA", "Técnico", "700");
    EXPECT_EQ(Prompts::messages(), QStringList{QStringLiteral("Os nomes devem ser diferentes")});
    EXPECT_EQ(column("NG9", 0), QStringList{QStringLiteral("Ana")});
    // The refused row is gone from the totals and the office is marked at once.
    EXPECT_EQ(shown("E_CustoTec"), QStringLiteral("1000,00"));
    EXPECT_TRUE(modified());

    Prompts::clearLog();
    addStaff("José", "Apoio", "300");
    addStaff("JOSÉ", "Apoio", "200");
    addStaff("josé", "Apoio", "100");   // equal to "José" once A to Z are folded
    EXPECT_EQ(Prompts::messages(), QStringList{QStringLiteral("Os nomes devem ser diferentes")});
    EXPECT_EQ(column("NG9", 0), (QStringList{"Ana", "José", "JOSÉ"}));
    EXPECT_EQ(shown("E_CustoApoio"), QStringLiteral("500,00"));
}

TEST_F(OfficeCostsPageTest, UnnamedStaffRowsWaitForAName)
{
    addStaff("Ana", "Técnico", "1000");
    state().editOfficeDraft().setModified(false);
    click(controls::office::kAddStaff);
    EditableGrid* staff = grid("NG9");
    ASSERT_TRUE(chooseInCell(*staff, 2, 1, QStringLiteral("Apoio")));
    ASSERT_TRUE(typeIntoCell(*staff, 3, 1, QStringLiteral("400")));
    EXPECT_EQ(shown("E_CustoApoio"), QStringLiteral("0,00"));
    EXPECT_FALSE(modified());
    // The next recomputation counts the unnamed row on the page.
    ASSERT_TRUE(typeIntoCell(*grid("NG1"), 1, 0, QStringLiteral("10")));
    EXPECT_EQ(shown("E_CustoApoio"), QStringLiteral("400,00"));
    EXPECT_TRUE(modified());
}

TEST_F(OfficeCostsPageTest, DeleteAsksOnlyWithASelection)
{
    enterRows("NG1", controls::office::kAddFixedExpense, {{"Aluguel", "3000"}, {"Água", "120"}});
    EditableGrid* fixed = grid("NG1");
    fixed->clearRowSelection();
    state().editOfficeDraft().setModified(false);

    click(
        controls::office::kDeleteFixedExpense); // nothing selected: no question, still recomputed and marked
    EXPECT_TRUE(Prompts::messages().isEmpty());
    EXPECT_EQ(shown("E_CustoFix"), QStringLiteral("3120,00"));
    EXPECT_TRUE(modified());

    fixed->setCurrentCell(1, 0);
    Prompts::queueAnswer(QMessageBox::Cancel);
    click(controls::office::kDeleteFixedExpense);
    EXPECT_EQ(Prompts::messages(), QStringList{QStringLiteral("O item selecionado será apagado. Continuar?")});
    EXPECT_EQ(fixed->rowCount(), 2);

    Prompts::queueAnswer(QMessageBox::Ok);
    click(controls::office::kDeleteFixedExpense);
    EXPECT_EQ(column("NG1", 0), QStringList{QStringLiteral("Aluguel")});
    EXPECT_EQ(fixed->selectedRow(), -1);
    fixed->setCurrentCell(0, 1);
    Prompts::queueAnswer(QMessageBox::Ok);
    click(controls::office::kDeleteFixedExpense);
    EXPECT_EQ(fixed->rowCount(), 0);
    EXPECT_EQ(shown("E_CustoFix"), QStringLiteral("0,00"));
    EXPECT_EQ(shown("E_custoHor"), QStringLiteral("0,00"));

    // The other two buttons act on their own lists.
    grid("Ng2")->setCurrentCell(3, 0);
    Prompts::queueAnswer(QMessageBox::Ok);
    click(controls::office::kDeleteVariableExpense);
    EXPECT_EQ(grid("Ng2")->rowCount(), 10);
    addStaff("Ana", "Apoio", "10");
    grid("NG9")->setCurrentCell(0, 0);
    Prompts::queueAnswer(QMessageBox::Ok);
    click(controls::office::kDeleteStaff);
    EXPECT_EQ(grid("NG9")->rowCount(), 0);
}

TEST_F(OfficeCostsPageTest, HoursSpinStopsAtTenAndTakesNoTyping)
{
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    office.MonthlyHours = 11;
    office.FixedExpenseName[0].assign(u"Aluguel");
    office.FixedExpenseValue[0] = 1000;
    ComputeOfficeTotals(office);
    page()->ShowOffice(office);
    EXPECT_EQ(shown("E_custoHor"), QStringLiteral("90,91"));
    auto* hours = find<MonthlyHoursSpin>("E_HoraMensal");

    QTest::keyClicks(hours, QStringLiteral("250"));
    EXPECT_EQ(hours->value(), 11);
    EXPECT_FALSE(state().officeDraft().modified());
    QTest::keyClick(hours, Qt::Key_Down);
    EXPECT_EQ(hours->value(), 10);
    EXPECT_EQ(shown("E_custoHor"), QStringLiteral("100,00"));
    EXPECT_TRUE(state().officeDraft().modified());
    QTest::keyClick(hours, Qt::Key_Down);
    EXPECT_EQ(hours->value(), 10);
    EXPECT_EQ(hours->minimum(), 10);
    EXPECT_EQ(hours->maximum(), 400);
}

TEST_F(OfficeCostsPageTest, ValueThatIsNoNumberKeepsTheTotals)
{
    ASSERT_TRUE(typeIntoCell(*grid("NG1"), 1, 0, QStringLiteral("800")));
    const QStringList before = allTotals();
    grid("NG1")->setCellText({1, 1}, QStringLiteral("oito"));   // a value the page cannot read
    ASSERT_TRUE(typeIntoCell(*grid("Ng2"), 1, 0, QStringLiteral("50")));
    EXPECT_EQ(allTotals(), before);
    addStaff("Ana", "Técnico", "100");
    EXPECT_EQ(allTotals(), before);

    ASSERT_TRUE(typeIntoCell(*grid("NG1"), 1, 1, QStringLiteral("8")));
    EXPECT_EQ(shown("E_CustoFix"), QStringLiteral("808,00"));
    EXPECT_EQ(shown("E_CustoTotalEqTec"), QStringLiteral("958,00"));
}

TEST_F(OfficeCostsPageTest, ListsCaptionsAndStaffNote)
{
    const auto headers = [&](const char* name) {
        QStringList texts;
        for (int c = 0; c < grid(name)->columnCount(); ++c)
            texts << grid(name)->horizontalHeaderItem(c)->text();
        return texts;
    };
    EXPECT_EQ(headers("NG1"), (QStringList{"Descrição", " [R$]"}));
    EXPECT_EQ(headers("Ng2"), (QStringList{"Descrição", "[R$]"}));
    EXPECT_EQ(headers("NG9"), (QStringList{"Nome / Cargo", "Função", "Tipo", "Custos [R$]"}));
    EXPECT_EQ(grid("NG9")->columnItems(2), (QStringList{"Técnico", "Apoio"}));
    EXPECT_FALSE(grid("NG1")->column(1).pasteAllowed);

    QStringList captions;
    for (const QLabel* label : find<QWidget>("TabE_despesas")->findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : {"CUSTOS FIXOS", "CUSTOS VARIÁVEIS", "CUSTOS - QUADRO DE PESSOAL DO ESCRITÓRIO",
                                "Total [R$]", "Total Equipe Técnica  [R$]", "Total Equipe de Apoio [R$]",
                                "Custo Total sem Equipe Técnica [R$]", "[R$/h]",
                                "Custo Total com Equipe Técnica [R$]"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(captions.count(QStringLiteral("Total [R$]")), 2);
    for (const char* button : {controls::office::kAddFixedExpense, controls::office::kAddVariableExpense,
                               controls::office::kAddStaff})
        EXPECT_EQ(find<QPushButton>(button)->text(), QStringLiteral("+"));
    for (const char* button : {controls::office::kDeleteFixedExpense,
                               controls::office::kDeleteVariableExpense, controls::office::kDeleteStaff})
        EXPECT_EQ(find<QPushButton>(button)->text(), QStringLiteral("✘"));

    auto* note = find<QPlainTextEdit>("NxMemo2");
    auto* noteSwitch = find<QPushButton>(controls::office::kStaffNoteSwitch);
    EXPECT_EQ(noteSwitch->text(), QStringLiteral("- Anotações do Quadro de Pessoal "));
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->isReadOnly());
    const QStringList lines = note->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], QString());
    EXPECT_EQ(lines[6], QStringLiteral("Tipo:        Técnico (Arquiteto, Designer, Engenheiro etc)        "));
    click(controls::office::kStaffNoteSwitch);
    EXPECT_EQ(noteSwitch->text(), QStringLiteral("+ Anotações do Quadro de Pessoal "));
    EXPECT_FALSE(note->isVisible());
    EXPECT_FALSE(state().officeDraft().modified());
}

TEST_F(OfficeCostsPageTest, ClearingANameMarksTheOfficeAndMoneyIsNeverNegative)
{
    addStaff("Ana", "Técnico", "1000");
    state().editOfficeDraft().setModified(false);
    ASSERT_TRUE(grid("NG9")->userEdit({0, 0}, QString()));
    EXPECT_TRUE(modified());

    // Money in the lists is never negative.
    EXPECT_FALSE(grid("NG9")->userEdit({0, 3}, QStringLiteral("-100")));
    EXPECT_FALSE(grid("NG1")->userEdit({0, 1}, QStringLiteral("-1,5")));
}

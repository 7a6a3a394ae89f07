#include "support/BudgetFixture.h"

#include "ui/budget/FieldCaption.h"

#include <QLabel>

using namespace belvane;
using belvane::test::BudgetFixture;

using ProjectDataTest = BudgetFixture;

namespace {

QStringList itemsOf(QComboBox* selector)
{
    QStringList items;
    for (int i = 0; i < selector->count(); ++i)
        items << selector->itemText(i);
    return items;
}

} // namespace

TEST_F(ProjectDataTest, ControlsCarryTheirCaptionsAndStartAsANewBudgetShowsThem)
{
    start();
    const QChar marker(0xE10B);
    const struct { const char* name; QString caption; QString initial; } fields[] = {
        {"P_Prop", u"Nome"_qs + marker, {}},
        {"P_tel", u"Tel"_qs, {}},
        {"P_email", u"Email"_qs, {}},
        {"P_Ender", u"Endereço"_qs, {}},
        {"P_classif", u"Categoria"_qs, u"0"_qs},
        {"P_Codigo", u"Código do projeto"_qs, {}},
        {"P_area", u"Área do projeto [m2]"_qs + marker, u"0,0"_qs},
        {"P_lucropc", u"Lucro líquido desejado [%]"_qs + marker, u"20,0"_qs},
        {"P_DespART", u"RRT [R$]"_qs, u"0,00"_qs},
        {"P_terceiros", u"Serviços de terceiros  [R$]"_qs, u"0,00"_qs},
        {"P_DespDesloc", u"Despesas de deslocamento [R$]"_qs, u"0,00"_qs},
        {"P_rep", u"Repetições"_qs, u"0"_qs},
        {"P_fatorR", u"Fator de Repetição"_qs, u"1,00"_qs},
    };
    for (const auto& f : fields) {
        QWidget* control = window().findChild<QWidget*>(QString::fromLatin1(f.name));
        ASSERT_NE(control, nullptr) << f.name;
        ASSERT_NE(captionOf(control), nullptr) << f.name;
        EXPECT_EQ(captionOf(control)->text(), f.caption) << f.name;
        EXPECT_EQ(text(f.name), f.initial) << f.name;
    }
    const struct { const char* name; QString caption; } selectors[] = {
        {"P_cat", u"Categoria"_qs + marker}, {"P_SubCat", u"Sub categoria"_qs + marker},
        {"P_tipo", u"Tipo"_qs + marker}, {"P_SubTipo", u"Sub Tipo"_qs + marker}};
    for (const auto& s : selectors) {
        auto* selector = find<QComboBox>(s.name);
        EXPECT_EQ(captionOf(selector)->text(), s.caption) << s.name;
        EXPECT_FALSE(selector->isEditable()) << s.name;
        EXPECT_EQ(selector->maxVisibleItems(), 20) << s.name;
        EXPECT_EQ(selector->currentIndex(), -1) << s.name;
    }
    EXPECT_TRUE(find<QLineEdit>("P_classif")->isReadOnly());
    EXPECT_TRUE(find<NumberEdit>("P_fatorR")->isReadOnly());
    EXPECT_EQ(itemsOf(find<QComboBox>("P_cat")).size(), 7);
    EXPECT_EQ(itemsOf(find<QComboBox>("P_tipo")).first(), QStringLiteral("Projeto"));
}

TEST_F(ProjectDataTest, BuildingUseOffersItsTypesAndTheTypeGivesTheCategory)
{
    start();
    choose("P_cat", QStringLiteral("Saúde"));
    EXPECT_EQ(itemsOf(find<QComboBox>("P_SubCat")),
              (QStringList{u"Ambulatórios e postos de Saúde"_qs, u"Clínicas e consultórios"_qs, u"Hospitais"_qs}));
    EXPECT_EQ(find<QComboBox>("P_SubCat")->currentIndex(), -1);
    choose("P_SubCat", QStringLiteral("Hospitais"));
    EXPECT_EQ(text("P_classif"), QStringLiteral("4"));

    // A new use empties the types but deliberately keeps the category of the type chosen before.
    choose("P_cat", QStringLiteral("Habitacional"));
    EXPECT_EQ(find<QComboBox>("P_SubCat")->currentText(), QString());
    EXPECT_EQ(find<QComboBox>("P_SubCat")->count(), 11);
    EXPECT_EQ(text("P_classif"), QStringLiteral("4"));
}

TEST_F(ProjectDataTest, ServiceGroupOffersItsServices)
{
    start();
    choose("P_tipo", QStringLiteral("Execução"));
    EXPECT_EQ(itemsOf(find<QComboBox>("P_SubTipo")),
              (QStringList{u"Execução de Obras por Empreitada"_qs, u"Execução de Obras por Administração"_qs}));
    choose("P_SubTipo", QStringLiteral("Execução de Obras por Administração"));
    choose("P_tipo", QStringLiteral("Gestão"));
    EXPECT_EQ(find<QComboBox>("P_SubTipo")->currentText(), QString());
    EXPECT_EQ(find<QComboBox>("P_SubTipo")->count(), 6);
}

TEST_F(ProjectDataTest, OnlyAChangeOfCategoryRecomputesTheTaskManHours)
{
    start();
    setUpOffice();
    choose("P_cat", QStringLiteral("Habitacional"));
    choose("P_SubCat", QStringLiteral("Hotéis de luxo"));   // category 4
    EditableGrid* tasks = grid("Ng5");
    ASSERT_TRUE(tasks->userEdit({0, 2}, QStringLiteral("Média")));
    EXPECT_EQ(tasks->cellText({0, 3}), QStringLiteral("18"));
    // A hand-made figure in the cell shows whether the man-hours were recomputed.
    tasks->setCellText({0, 3}, QStringLiteral("99"));
    choose("P_SubCat", QStringLiteral("Presídios e penitenciárias"));   // category 4 as well
    EXPECT_EQ(tasks->cellText({0, 3}), QStringLiteral("99"));
    choose("P_SubCat", QStringLiteral("Quartéis"));                     // category 3
    EXPECT_EQ(text("P_classif"), QStringLiteral("3"));
    EXPECT_EQ(tasks->cellText({0, 3}), QStringLiteral("12"));
    EXPECT_EQ(tasks->cellText({1, 3}), QString());   // unrated tasks stay empty
    EXPECT_EQ(text("P_HxhAutoValue"), QStringLiteral("12"));
}

TEST_F(ProjectDataTest, RepetitionsGiveTheRepetitionFactor)
{
    start();
    auto* factor = find<NumberEdit>("P_fatorR");
    const struct { const char* typed; float factor; const char* shown; } cases[] = {
        {"1", 0.98f, "0,98"},   {"10", 0.73f, "0,73"},     {"17", 0.6304f, "0,63"},
        {"188", -0.001f, "0,00"}, {"256", -0.137f, "-0,14"}, {"257", 1.0f, "1,00"},
        {"-4", 1.0f, "1,00"},   {"0", 1.0f, "1,00"},
    };
    for (const auto& c : cases) {
        type("P_rep", QString::fromLatin1(c.typed));
        EXPECT_EQ(float(factor->value()), c.factor) << c.typed;
        EXPECT_EQ(factor->text(), QString::fromLatin1(c.shown)) << c.typed;
    }
}

TEST_F(ProjectDataTest, AreaBeyondWhatTheRecordHoldsIsRefusedAsTyped)
{
    start();
    type("P_area", QStringLiteral("99999999"));
    EXPECT_EQ(text("P_area"), QStringLiteral("9999999,0"));
    type("P_area", QStringLiteral("-5"));
    EXPECT_EQ(text("P_area"), QStringLiteral("5,0"));
}

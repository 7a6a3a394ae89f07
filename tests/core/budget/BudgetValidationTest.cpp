#include "core/budget/BudgetValidation.h"

#include "support/Records.h"

#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::newBudget;

namespace {

TBudgetData completeBudget()
{
    TBudgetData b = newBudget();
    b.ClientName.assign(u"Ana");
    b.Area = 100.0f;
    b.BuildingUse.assign(u"Saúde");
    b.BuildingType.assign(u"Hospitais");
    b.ServiceGroup.assign(u"Projeto");
    b.Service.assign(u"Projeto Arquitetônico");
    b.Hxh = 36;
    b.TeamCostTotal = 3125.0f;
    b.TeamCount = 1;
    return b;
}

} // namespace

TEST(BudgetValidationTest, FieldsAreCheckedInOrderAndTheFirstMissingOneIsNamed)
{
    TBudgetData b = completeBudget();
    EXPECT_EQ(ValidateBudget(b), kBudgetValid);
    // Emptying the fields from the last to the first makes each one in turn the first missing.
    b.TeamCount = 0;
    EXPECT_EQ(ValidateBudget(b), 8);
    b.TeamCostTotal = 0.0f;
    EXPECT_EQ(ValidateBudget(b), 7);
    b.Hxh = 0;
    EXPECT_EQ(ValidateBudget(b), 6);
    b.Service.clear();
    EXPECT_EQ(ValidateBudget(b), 5);
    b.ServiceGroup.clear();
    EXPECT_EQ(ValidateBudget(b), 4);
    b.BuildingType.clear();
    EXPECT_EQ(ValidateBudget(b), 3);
    b.BuildingUse.clear();
    EXPECT_EQ(ValidateBudget(b), 2);
    b.Area = 0.0f;
    EXPECT_EQ(ValidateBudget(b), 1);
    b.ClientName.clear();
    EXPECT_EQ(ValidateBudget(b), 0);
}

TEST(BudgetValidationTest, ZeroIsComparedExactly)
{
    TBudgetData b = completeBudget();
    b.Area = 1e-30f;
    b.TeamCostTotal = -0.01f;
    EXPECT_EQ(ValidateBudget(b), kBudgetValid);
}

TEST(BudgetValidationTest, MessagesQuoteTheFieldNames)
{
    const char16_t* expected[] = {
        u"O campo \"Nome do Cliente\" não foi preenchido ou está incorreto.",
        u"O campo \"Área\" não foi preenchido ou está incorreto.",
        u"O campo \"Categoria\" não foi preenchido ou está incorreto.",
        u"O campo \"SubCategoria\" não foi preenchido ou está incorreto.",
        u"O campo \"Tipo\" não foi preenchido ou está incorreto.",
        u"O campo \"SubTipo\" não foi preenchido ou está incorreto.",
        u"O campo \"Hxh\" não foi preenchido ou está incorreto.",
        u"O campo \"Equipe técnica - custos \" não foi preenchido ou está incorreto.",
        u"O campo \"Equipe técnica- integrantes\" não foi preenchido ou está incorreto.",
    };
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(validationMessage(i), QString::fromUtf16(expected[i])) << i;
    EXPECT_TRUE(validationMessage(kBudgetValid).isEmpty());
    EXPECT_TRUE(validationMessage(9).isEmpty());
}

#include "core/budget/BudgetDraft.h"
#include "core/budget/BudgetIndices.h"
#include "core/budget/RegenerationNotice.h"
#include "core/history/HistoryBudgetRow.h"
#include "core/history/HistoryTable.h"
#include "core/office/OfficeRecord.h"

#include "support/Budgets.h"

#include <gtest/gtest.h>

using namespace belvane;

namespace {

// The one-member worked example with every required field filled, priced with the office.
BudgetDraft pricedDraft(const TOfficeData& office)
{
    BudgetDraft draft;
    TBudgetData& b = draft.record();
    b = test::oneMemberBudget();
    b.ClientName.assign(u"Construtora Ípsilon");
    b.BuildingUse.assign(u"Residencial");
    b.BuildingType.assign(u"Casa");
    b.ServiceGroup.assign(u"Edificações");
    b.Service.assign(u"Projeto");
    draft.completeCollected(office);
    return draft;
}

TOfficeData officeOf160Hours()
{
    TOfficeData office = zeroOffice();
    DefaultOffice(office);
    office.MonthlyHours = 160;
    office.CostPerHour = 50.0f;
    office.StandardFactor = 1.2f;
    office.TaxRate = 10.0f;
    return office;
}

} // namespace

TEST(BudgetDraftTest, GenerationPricesWritesTheIndicesOrSaysWhereToMend)
{
    const TOfficeData office = officeOf160Hours();
    BudgetDraft draft = pricedDraft(office);
    EXPECT_EQ(draft.record().Hxh, 100);   // the estimate is the man-hours in force
    ASSERT_TRUE(draft.generate(office).ok());
    EXPECT_TRUE(draft.modified());
    EXPECT_EQ(draft.record().BudgetValue, 12750.0f);
    EXPECT_EQ(draft.record().K1, K1AfterGeneration(draft.record(), office));
    EXPECT_EQ(draft.record().K2, K2Of(draft.record(), office));

    BudgetDraft noClient = pricedDraft(office);
    noClient.record().ClientName.assign(u"");
    const BudgetGeneration missing = noClient.generate(office);
    EXPECT_EQ(missing.mend, BudgetMend::Data);
    EXPECT_FALSE(missing.message.isEmpty());
    EXPECT_FALSE(noClient.modified());

    BudgetDraft noTeamCost = pricedDraft(office);
    noTeamCost.record().TeamCost[0] = 0.0f;
    EXPECT_EQ(noTeamCost.generate(office).mend, BudgetMend::Resources);
}

TEST(BudgetDraftTest, RefusedRenegotiationKeepsTheLastValidRatesAndFigures)
{
    const TOfficeData office = officeOf160Hours();
    BudgetDraft draft = pricedDraft(office);
    ASSERT_TRUE(draft.generate(office).ok());
    draft.setModified(false);
    EXPECT_TRUE(draft.renegotiate(100.0f, 30.0f, office).refused());
    EXPECT_EQ(draft.record().TaxRate, 10.0f);
    EXPECT_EQ(draft.record().ProfitPercent, 20.0f);
    EXPECT_EQ(draft.record().BudgetValue, 12750.0f);
    EXPECT_FALSE(draft.modified());

    EXPECT_TRUE(draft.renegotiate(10.0f, 30.0f, office).ok());
    EXPECT_TRUE(draft.modified());
    EXPECT_EQ(draft.record().K1, K1AfterRenegotiation(draft.record(), office));
}

TEST(BudgetDraftTest, NumbersOnlyABudgetNeverSavedAndReopensAsEdited)
{
    BudgetDraft draft;
    draft.startNew(3);
    draft.numberIfNeverSaved(9);
    EXPECT_EQ(draft.record().Number, 9);

    TBudgetData stored = draft.record();
    stored.Status.assign(u"Aguardando");
    HistoryTable history;
    draft.reopen(stored, history, StoreHistoryRow(history, stored));
    EXPECT_TRUE(draft.reopened());
    EXPECT_EQ(draft.record().Status.toQString(), QStringLiteral("Editado"));
    draft.numberIfNeverSaved(20);
    EXPECT_EQ(draft.record().Number, 9);
}

TEST(BudgetDraftTest, TypingSinceThePagesWereShownIsUnsavedWorkAndOnlyAPricedBudgetIsSaved)
{
    BudgetDraft draft;
    TBudgetData pages = zeroBudget();
    draft.markPagesShown(pages);
    EXPECT_FALSE(draft.hasUnsavedWork(pages));
    pages.Area = 120.0f;
    EXPECT_TRUE(draft.hasUnsavedWork(pages));
    EXPECT_TRUE(draft.mustGenerateBeforeSaving(pages));
    draft.markPagesShown(pages);
    // An instalment added to a budget never generated is work, but no budget to save.
    draft.setModified(true);
    EXPECT_TRUE(draft.hasUnsavedWork(pages));
    EXPECT_TRUE(draft.mustGenerateBeforeSaving(pages));

    BudgetDraft priced = pricedDraft(officeOf160Hours());
    ASSERT_TRUE(priced.generate(officeOf160Hours()).ok());
    priced.markPagesShown(pages);
    EXPECT_FALSE(priced.mustGenerateBeforeSaving(pages));
}

TEST(BudgetDraftTest, ARegenerationSaysWhichFiguresTheOfficeReplaces)
{
    const TOfficeData office = officeOf160Hours();
    BudgetDraft draft = pricedDraft(office);
    EXPECT_TRUE(regenerationReplacements(draft.record(), office).isEmpty());
    draft.record().TaxRate = 11.7f; // renegotiated
    EXPECT_EQ(regenerationReplacements(draft.record(), office),
              QStringList{QStringLiteral("Imposto: 11,7 % → 10,0 % (escritório)")});
}

// The price references typed on the office page reach the database with the office, come back at
// the next start, and the summary checks a generated budget against them: the one-member budget
// (12.750,00 for 100 m² of a hospital, category 4) beside a CUB of 2.500,00 with 6 % for
// category 4, a reference of 15.000,00 by the work, 15 % away: within the references.
#include "support/BudgetFixture.h"

#include "core/store/ExtensionStore.h"
#include "ui/office/OfficeControls.h"

#include <QLabel>

using namespace belvane;
using namespace belvane::test;

namespace {
class PriceCheckPanelTest : public BudgetFixture {};
} // namespace

TEST_F(PriceCheckPanelTest, ReferencesAreSavedWithTheOfficeAndCheckTheSummary)
{
    start();
    window().show();
    window().openPage(kOfficePage);
    type("E_cub", QStringLiteral("2500"));
    type("E_cubRef", QStringLiteral("PR, novembro/2026"));
    type("E_obraCat4", QStringLiteral("6"));
    type("E_obraCat2", QStringLiteral("101")); // the key that passes 100 % is refused
    click(controls::office::kSave);
    ASSERT_TRUE(QFile::exists(projects() + ExtensionDatabase::fileName()));
    m_window.reset();

    start();
    EXPECT_EQ(window().state().priceReferences().cubPerM2, 2500.0);
    EXPECT_EQ(window().state().priceReferences().cubSource, QStringLiteral("PR, novembro/2026"));
    EXPECT_EQ(window().state().priceReferences().percentFor(2), 10.0);
    EXPECT_EQ(text("E_obraCat4"), QStringLiteral("6,00"));
    setUpOffice();
    generate();
    EXPECT_EQ(find<QLineEdit>("PC_cau")->text(), QStringLiteral("15000,00"));
    EXPECT_EQ(find<QLineEdit>("PC_own")->text(), QStringLiteral("sem histórico suficiente"));
    EXPECT_EQ(find<QLabel>("PC_verdict")->text(), QStringLiteral("Dentro das referências"));
    EXPECT_FALSE(find<QLineEdit>("PC_floor")->text().isEmpty());
}

// The funnel on the statistics page reads the history, the building uses and the reasons the
// database keeps, and exports what it shows.
#include "support/AppFixture.h"

#include "core/budget/StatusWords.h"
#include "core/store/ExtensionStore.h"
#include "core/text/Clock.h"
#include "core/text/DayCount.h"
#include "support/Budgets.h"
#include "support/Files.h"
#include "ui/stats/StatsPage.h"

#include <QLabel>

using namespace belvane;
using namespace belvane::test;

namespace {
class PipelinePanelTest : public AppFixture {};
} // namespace

TEST_F(PipelinePanelTest, TheFunnelShowsTheYearAndExportsIt)
{
    // Two won and one lost budget of 2026, the lost one for its price, and one still waiting.
    const struct {
        int number;
        const char16_t* status;
    } budgets[] = {{1, u"Aprovado"}, {2, u"Concluído"}, {3, u"Reprovado"}, {4, u"Aguardando"}};
    for (const auto& b : budgets) {
        TBudgetData budget =
            listedBudget(b.number, QStringLiteral("Cliente %1").arg(b.number), 100.0f, 7139.04f);
        budget.Status.assign(b.status);
        budget.BuildingUse.assign(u"Residencial");
        budget.EditedDate = dayCountFromDate(QDate(2026, 11, 28));
        saveBudgetTo(projects(), budget);
    }
    start();
    ASSERT_TRUE(window()
                    .state()
                    .workspace()
                    .store()
                    .statusLog()
                    .record(
                        {{3, Clock::now(), u"status"_qs, u"Aguardando"_qs, u"Reprovado"_qs, u"Preço"_qs}})
                    .ok());
    auto* page = find<StatsPage>("TabEstatistica");
    page->showStatistics();
    EXPECT_EQ(find<QLabel>("PF_rate")->text(), u"66,7 % (2 de 3)"_qs);
    EXPECT_EQ(find<QLabel>("PF_open")->text(), u"1 aguardando · R$ 7.139,04 · mediana 11 dias"_qs);

    const QString path = appDir() + QStringLiteral("Funil.csv");
    Prompts::queueFileName(path);
    click("PF_export");
    const QString csv = QString::fromUtf8(fileContents(path));
    EXPECT_TRUE(csv.contains(u"Residencial;2;3;66,7"_qs)) << csv.toStdString();
    EXPECT_TRUE(csv.contains(u"Preço;1"_qs));
}

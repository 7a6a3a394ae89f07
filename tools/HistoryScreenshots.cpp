#include "support/BudgetFixture.h"
#include "tools/ScreenshotFolder.h"

#include "core/history/HistoryColumns.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryControls.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryPage.h"

#include <QTableView>

using namespace belvane;
using belvane::test::BudgetFixture;

// A tool, not a check: renders the save-as panel and the history page's states to PNG files for a
// person to look at (see ScreenshotFolder.h for where they go).
using HistoryScreenshots = BudgetFixture;

TEST_F(HistoryScreenshots, SavingAndTheHistoryPage)
{
    const QString folder = tools::screenshotFolder();
    TForm1& w = start();
    w.show();
    w.splash()->hide();
    const auto shot = [&](const char* name) { w.grab().save(folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")); };
    setUpOffice();
    const QString statuses[] = {u"Aprovado"_qs, u"Aguardando"_qs, u"Reprovado"_qs, u"Concluído"_qs};
    for (int i = 0; i < 4; ++i) {
        w.openPage(kProjectPage);
        click(controls::project::kNewBudget);
        enterOneMemberBudget();
        type("P_area", QString::number(100 + 40 * i));
        click(controls::project::kSummarySelector);
        if (i == 3)
            shot("4-summary");
        click(controls::project::kSaveBudget);
    }
    QTest::mouseClick(find<QLineEdit>("R_codigo"), Qt::LeftButton);
    project()->showSubPage(kDataSubPage);
    click(controls::project::kSummarySelector);
    click(controls::project::kSaveBudget);
    shot("5-save-as");

    w.openPage(kHistoryPage);
    HistoryPage* page = historyPage();
    auto* model = page->model();
    for (int i = 0; i < 4; ++i) {
        page->grid()->setCurrentIndex(model->index(i, kColStatus));
        model->setData(model->index(i, kColStatus), statuses[i], Qt::EditRole);
        model->setData(model->index(i, kColNegotiated), QString::number(11000 + 1000 * i), Qt::EditRole);
    }
    click(controls::history::kHighlight); // "Grifar"
    shot("6-history-highlighted");
    click(controls::history::kColors); // "Cores"
    shot("7-history-colours");
    click(controls::history::kColorsOk); // "OK"
    page->selectRow(0);
    click(controls::history::kReport); // "Resumo"
    shot("8-history-report");
    w.openPage(kStatsPage);
    shot("9-stats-with-history");
}

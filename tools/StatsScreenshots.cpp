#include "support/StatsData.h"
#include "support/AppFixture.h"
#include "tools/ScreenshotFolder.h"

#include "ui/stats/StatsControls.h"
#include "ui/stats/StatsPage.h"

#include <QCoreApplication>
#include <QPushButton>

using namespace belvane;
using belvane::test::AppFixture;

// A tool, not a check: renders the statistics page of an office with realistic costs and a
// two-year history, in several chart looks, to PNG files for a person to look at (see
// ScreenshotFolder.h for where they go).
using StatsScreenshots = AppFixture;

TEST_F(StatsScreenshots, StatisticsPageInSeveralLooks)
{
    const QString folder = tools::screenshotFolder();
    TForm1& w = start();
    w.state().setCurrentOffice(test::statsOffice());
    auto* page = w.findChild<StatsPage*>(QStringLiteral("TabEstatistica"));
    ASSERT_NE(page, nullptr);
    page->setHistoryProvider([] { return test::statsHistory(); });
    w.show();
    w.splash()->hide();
    w.openPage(kStatsPage);
    const auto shot = [&](const char* name) {
        QCoreApplication::processEvents();
        w.grab().save(folder + QStringLiteral("/stats-%1.png").arg(QString::fromLatin1(name)));
    };
    const auto press = [&](const char* name) { w.findChild<QPushButton*>(QString::fromLatin1(name))->click(); };
    shot("1-default");
    press(controls::stats::kMonochrome);
    shot("2-each-point");
    press(controls::stats::kGradient);
    shot("3-each-point-gradient");
    press(controls::stats::kMonochrome);
    shot("4-mono-gradient");
    press(controls::stats::kGradient);
    press(controls::stats::kMonochrome);
    for (int palette = 1; palette < 20; ++palette) {
        press(controls::stats::kNextPalette);
        shot(QStringLiteral("p%1").arg(palette, 2, 10, QLatin1Char('0')).toLatin1().constData());
    }
}

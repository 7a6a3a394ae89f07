#include "support/StatsData.h"

#include "ui/app/AppState.h"
#include "ui/budget/CompositionChart.h"
#include "ui/budget/SummaryTab.h"
#include "ui/stats/BudgetYearPanel.h"
#include "ui/stats/CostBreakdownChart.h"
#include "ui/stats/CostRingChart.h"
#include "ui/stats/MonthlyWonChart.h"
#include "ui/stats/OfficeCostPanel.h"
#include "ui/stats/StatsControls.h"
#include "ui/stats/StatsPage.h"
#include "ui/stats/StatusBarsChart.h"
#include "ui/widgets/ChartPalettes.h"

#include <QBarSet>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTest>
#include <gtest/gtest.h>

using namespace belvane;

namespace {

class StatsChartLookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.setCurrentOffice(test::statsOffice());
        page.setHistoryProvider([] { return test::statsHistory(); });
        page.showStatistics();
    }
    void press(const char* name)
    {
        auto* button = page.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QList<QColor> barColours(const QAbstractBarSeries* series)
    {
        QList<QColor> colours;
        for (const QBarSet* set : series->barSets())
            colours << (set->brush().gradient() ? set->brush().gradient()->stops()[2].second : set->brush().color());
        return colours;
    }
    QList<QColor> sliceColours()
    {
        QList<QColor> colours;
        for (const QPieSlice* slice : page.costPanel()->ring()->series()->slices())
            colours << slice->brush().color();
        return colours;
    }
    QList<QChart*> followers()
    {
        return {page.yearPanel()->statusChart()->chart(), page.yearPanel()->monthChart()->chart(),
                page.costPanel()->ring()->chart()};
    }
    CostBreakdownChart* ch1() { return page.costPanel()->breakdown(); }

    AppState state;
    StatsPage page{state, nullptr};
};

} // namespace

TEST_F(StatsChartLookTest, TheThreeButtonsCarryTheirCaptionsAndHints)
{
    EXPECT_EQ(ch1()->paletteButton()->objectName(), QLatin1String(controls::stats::kNextPalette));
    EXPECT_EQ(ch1()->paletteButton()->text(), QStringLiteral("◨"));
    EXPECT_EQ(ch1()->paletteButton()->toolTip(), QStringLiteral("Esquema de cores"));
    EXPECT_EQ(ch1()->gradientButton()->text(), QStringLiteral("⬗"));
    EXPECT_EQ(ch1()->gradientButton()->toolTip(), QStringLiteral("Gradiente"));
    EXPECT_EQ(ch1()->monochromeButton()->text(), QStringLiteral("●"));
    EXPECT_EQ(ch1()->monochromeButton()->toolTip(), QStringLiteral("Monocromático"));
}

TEST_F(StatsChartLookTest, TwentyPalettePressesComeBackAndNineteenWrapsToZero)
{
    page.setChartLook({3, true, false});
    page.ApplyChartStyle();
    for (int i = 1; i <= 20; ++i) {
        press(controls::stats::kNextPalette);
        const int expected = (3 + i) % 20;
        ASSERT_EQ(page.chartLook().palette, expected);
        for (QChart* chart : followers())
            EXPECT_EQ(ChartLook::paletteOf(chart), expected);
        EXPECT_EQ(barColours(ch1()->series())[1], ChartPalettes::color(expected, 1));
    }
    page.setChartLook({19, false, false});
    press(controls::stats::kNextPalette);
    EXPECT_EQ(page.chartLook().palette, 0);
    EXPECT_EQ(sliceColours()[0], ChartPalettes::color(0, 0));
}

TEST_F(StatsChartLookTest, MonochromeSwitchReachesEveryChartIncludingTheRing)
{
    ASSERT_FALSE(page.chartLook().colorEachPoint);
    EXPECT_EQ(sliceColours(), QList<QColor>(4, ChartPalettes::color(0, 0)));
    press(controls::stats::kMonochrome);
    EXPECT_TRUE(page.chartLook().colorEachPoint);
    EXPECT_EQ(sliceColours()[3], ChartPalettes::color(0, 3));
    EXPECT_EQ(barColours(page.yearPanel()->monthChart()->series())[5], ChartPalettes::color(0, 5));
    EXPECT_EQ(barColours(ch1()->series())[9], ChartPalettes::color(0, 9));
    EXPECT_TRUE(ChartLook::colorEachPointOf(page.yearPanel()->statusChart()->series()));
    // The status bars keep the swatch colours either way.
    EXPECT_EQ(barColours(page.yearPanel()->statusChart()->series())[4], QColor(Qt::white));

    press(controls::stats::kMonochrome);
    EXPECT_EQ(barColours(page.yearPanel()->monthChart()->series()), QList<QColor>(10, ChartPalettes::color(0, 0)));
    EXPECT_FALSE(ChartLook::colorEachPointOf(page.costPanel()->ring()->series()));
}

TEST_F(StatsChartLookTest, GradientSwitchReachesEveryBarChartButNotTheRing)
{
    press(controls::stats::kGradient);
    EXPECT_TRUE(page.chartLook().barGradient);
    for (const QAbstractBarSeries* series :
         {static_cast<QAbstractBarSeries*>(ch1()->series()), static_cast<QAbstractBarSeries*>(page.yearPanel()->statusChart()->series()),
          static_cast<QAbstractBarSeries*>(page.yearPanel()->monthChart()->series())}) {
        for (const QBarSet* set : series->barSets())
            EXPECT_EQ(set->brush().style(), Qt::LinearGradientPattern) << series->objectName().toStdString();
    }
    EXPECT_EQ(page.costPanel()->ring()->series()->slices()[0]->brush().style(), Qt::SolidPattern);
    press(controls::stats::kGradient);
    EXPECT_FALSE(page.chartLook().barGradient);
    EXPECT_EQ(page.yearPanel()->monthChart()->series()->barSets()[0]->brush().style(), Qt::SolidPattern);
}

TEST_F(StatsChartLookTest, TheLookSurvivesARefillAndAStoredLookComesBackOnANewPage)
{
    press(controls::stats::kNextPalette);
    press(controls::stats::kNextPalette);
    press(controls::stats::kMonochrome);
    press(controls::stats::kGradient);
    const ChartLook changed = page.chartLook();
    EXPECT_EQ(changed, (ChartLook{2, true, true}));
    page.showStatistics();
    EXPECT_EQ(barColours(ch1()->series())[1], ChartPalettes::color(2, 1));

    // What a restart does: a new page takes the three stored values, then spreads them.
    AppState other;
    other.setCurrentOffice(test::statsOffice());
    StatsPage restarted(other, nullptr);
    restarted.setChartLook(changed);
    restarted.ApplyChartStyle();
    restarted.showStatistics();
    EXPECT_EQ(restarted.chartLook(), changed);
    EXPECT_EQ(ChartLook::paletteOf(restarted.costPanel()->ring()->chart()), 2);
    EXPECT_EQ(restarted.yearPanel()->monthChart()->series()->barSets()[0]->brush().style(), Qt::LinearGradientPattern);
}

TEST_F(StatsChartLookTest, TheBudgetSummaryChartFollowsTheSharedLook)
{
    SummaryTab summaryTab(state, nullptr);
    CompositionChart* summary = summaryTab.chart();
    press(controls::stats::kNextPalette);
    press(controls::stats::kMonochrome);
    press(controls::stats::kGradient);
    EXPECT_EQ(ChartLook::of(summary->chart(), summary->bars()), (ChartLook{1, true, true}));
    summary->showComposition(state.budget().record());
    ASSERT_GE(summary->bars()->barSets().size(), 3);
    ASSERT_TRUE(summary->bars()->barSets()[2]->brush().gradient());
    EXPECT_EQ(summary->bars()->barSets()[2]->brush().gradient()->stops()[2].second, ChartPalettes::color(1, 2));
}

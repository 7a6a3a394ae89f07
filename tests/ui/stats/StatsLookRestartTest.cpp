#include "support/AppFixture.h"
#include "support/Files.h"

#include "ui/budget/CompositionChart.h"
#include "ui/stats/StatsControls.h"
#include "ui/stats/StatsPage.h"
#include "ui/widgets/ChartLook.h"

#include <QBarSet>
#include <QPushButton>
#include <QStackedBarSeries>

using namespace belvane;
using belvane::test::AppFixture;

namespace {

class StatsLookRestartTest : public AppFixture {
protected:
    StatsPage* stats() { return find<StatsPage>("TabEstatistica"); }
    QByteArray colorsFile() { return test::fileContents(officeFolder() + QStringLiteral("Colors.bin"), QByteArray()); }
};

} // namespace

TEST_F(StatsLookRestartTest, TheChartLookIsKeptInTheColoursFileAndComesBackAtStart)
{
    start();
    EXPECT_EQ(stats()->chartLook(), ChartLook{});
    find<QPushButton>(controls::stats::kNextPalette)->click(); // next palette
    find<QPushButton>(controls::stats::kNextPalette)->click();
    find<QPushButton>(controls::stats::kMonochrome)->click(); // one colour per point
    find<QPushButton>(controls::stats::kGradient)->click();   // gradient
    ASSERT_TRUE(closeWindow());
    const QByteArray saved = colorsFile();
    ASSERT_EQ(saved.size(), 28);
    EXPECT_EQ(saved.mid(24, 3), QByteArray("\x01\x02\x01", 3));

    start();
    EXPECT_EQ(stats()->chartLook(), (ChartLook{2, true, true}));
    // The budget summary chart follows the statistics' look from the start.
    auto* summary = find<CompositionChart>("ch2");
    EXPECT_EQ(ChartLook::paletteOf(summary->chart()), 2);
    EXPECT_TRUE(ChartLook::colorEachPointOf(summary->bars()));
}

#include "support/StatsData.h"

#include "core/stats/CostShare.h"
#include "ui/app/AppState.h"
#include "ui/stats/BudgetYearPanel.h"
#include "ui/stats/CostBreakdownChart.h"
#include "ui/stats/CostRingChart.h"
#include "ui/stats/MonthlyWonChart.h"
#include "ui/stats/OfficeCostPanel.h"
#include "ui/stats/StatsPage.h"
#include "ui/stats/StatusBarsChart.h"
#include "ui/widgets/BarMarks.h"
#include "ui/widgets/ChartTip.h"
#include "ui/widgets/NumberEdit.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QTest>
#include <QToolTip>
#include <QValueAxis>
#include <gtest/gtest.h>

using namespace belvane;
using belvane::test::statRow;

namespace {

class StatsPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.setCurrentOffice(test::statsOffice());
        page.setHistoryProvider([this] { return history; });
        page.resize(1254, 650);
    }
    QString boxText(const char* name)
    {
        auto* box = page.findChild<NumberEdit*>(QString::fromLatin1(name));
        return box ? box->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
    }
    QComboBox* years() { return page.findChild<QComboBox*>(QStringLiteral("NxComboBox1")); }
    StatusBarsChart* ch3() { return page.yearPanel()->statusChart(); }
    MonthlyWonChart* ch4() { return page.yearPanel()->monthChart(); }

    AppState state;
    StatsPage page{state, nullptr};
    QList<HistoryStatRow> history;
};

QColor flatColour(const QBarSet* set)
{
    return set->brush().color();
}

} // namespace

TEST_F(StatsPageTest, TheYearExampleIsDrawnWithStatusColoursMarksAndAccumulatedValue)
{
    history = {statRow("10/03/2021", "1000", "Aprovado"), statRow("25/03/2021", "500", "Concluído"),
               statRow("02/05/2021", "800", "Aguardando"), statRow("12/03/2019", "9000", "Aprovado")};
    page.showStatistics();

    EXPECT_EQ(years()->currentText(), QStringLiteral("2021"));
    EXPECT_EQ(ch3()->values(), (QList<double>{1, 1, 0, 1, 0}));
    const QList<QBarSet*> sets = ch3()->series()->barSets();
    ASSERT_EQ(sets.size(), 5);
    const auto swatches = StatsPage::firstStartStatusColours();
    for (int bar = 0; bar < 4; ++bar)
        EXPECT_EQ(flatColour(sets[bar]), swatches[std::size_t(bar)]) << bar;
    EXPECT_EQ(flatColour(sets[4]), QColor(Qt::white));
    EXPECT_EQ(ch3()->marks()->texts()[0], QStringLiteral("Aprovado: 33,3 %"));

    EXPECT_EQ(ch4()->labels(), MonthLabels());
    EXPECT_EQ(ch4()->values()[2], 1500.0);
    EXPECT_EQ(ch4()->values()[4], 0.0);
    EXPECT_EQ(ch4()->marks()->texts()[2], QStringLiteral("Mar: 1.500,00"));
    EXPECT_EQ(boxText("g_acum"), QStringLiteral("1500,00"));
}

TEST_F(StatsPageTest, ChoosingAnotherYearRecomputesAndTheListKeepsFirstSeenOrder)
{
    history = {statRow("01/02/2021", "100", "Aprovado"), statRow("01/02/2019", "700", "Concluído"),
               statRow("01/03/2021", "50", "Aprovado")};
    page.showStatistics();
    ASSERT_EQ(years()->count(), 2);
    EXPECT_EQ(years()->itemText(0), QStringLiteral("2021"));
    EXPECT_EQ(years()->itemText(1), QStringLiteral("2019"));
    EXPECT_EQ(years()->currentText(), QStringLiteral("2021"));
    EXPECT_EQ(boxText("g_acum"), QStringLiteral("150,00"));

    years()->setCurrentIndex(1);
    EXPECT_EQ(boxText("g_acum"), QStringLiteral("700,00"));
    EXPECT_EQ(ch3()->values(), (QList<double>{0, 0, 0, 1, 0}));
    EXPECT_EQ(ch4()->values()[1], 700.0);
}

TEST_F(StatsPageTest, AHistoryThatBecameEmptyClearsTheYearButTheLinesFollowTheOffice)
{
    history = {statRow("10/03/2021", "1000", "Aprovado")};
    page.showStatistics();
    history.clear();
    TOfficeData office = state.currentOffice();
    office.CostWithTech = 30000.0f;
    office.CostWithoutTech = 18000.0f;
    state.setCurrentOffice(office);
    page.showStatistics();

    EXPECT_EQ(years()->count(), 0);
    EXPECT_EQ(ch3()->values(), (QList<double>{0, 0, 0, 0, 0}));
    EXPECT_EQ(ch4()->values(), QList<double>(12, 0.0));
    EXPECT_EQ(boxText("g_acum"), QStringLiteral("0,00"));
    EXPECT_EQ(ch4()->withTechLine()->at(0).y(), 30000.0);
    EXPECT_EQ(ch4()->withoutTechLine()->at(1).y(), 18000.0);
    EXPECT_EQ(ch4()->withTechCaption(), QStringLiteral("Custo total: R$ 30.000,00"));
    EXPECT_EQ(ch4()->withTechLine()->pen().color(), QColor(255, 0, 0));
    EXPECT_EQ(ch4()->withoutTechLine()->pen().color(), QColor(0, 0x80, 0xFF));
    EXPECT_GE(ch4()->valueAxis()->max(), 30000.0);
}

TEST_F(StatsPageTest, StatusBarsTakeTheSwatchesOfTheMomentOfDrawing)
{
    history = {statRow("10/03/2021", "1000", "Aprovado")};
    std::array<QColor, 4> swatches{QColor(Qt::magenta), QColor(Qt::cyan), QColor(Qt::yellow), QColor(Qt::gray)};
    page.setStatusColoursProvider([&swatches] { return swatches; });
    page.showStatistics();
    EXPECT_EQ(flatColour(ch3()->series()->barSets()[0]), QColor(Qt::magenta));
    swatches[0] = QColor(Qt::darkGreen);
    page.showChosenYear();
    EXPECT_EQ(flatColour(ch3()->series()->barSets()[0]), QColor(Qt::darkGreen));
}

TEST_F(StatsPageTest, UpperPanelShowsTheSixTotalsTheExpenseBarsAndTheRing)
{
    TOfficeData office = state.currentOffice();
    // A gap after the third fixed expense: the fourth and later ones get no bar.
    office.FixedExpenseName[3].clear();
    state.setCurrentOffice(office);
    page.showStatistics();

    EXPECT_EQ(boxText("g_fixo"), QStringLiteral("8210,50"));
    EXPECT_EQ(boxText("G_variavel"), QStringLiteral("1210,00"));
    EXPECT_EQ(boxText("G_apoio"), QStringLiteral("5400,00"));
    EXPECT_EQ(boxText("G_parcial"), QStringLiteral("14820,50"));
    EXPECT_EQ(boxText("g_tec"), QStringLiteral("22100,00"));
    EXPECT_EQ(boxText("g_total"), QStringLiteral("36920,50"));

    CostBreakdownChart* ch1 = page.costPanel()->breakdown();
    EXPECT_EQ(ch1->labels(), (QStringList{"Aluguel", "Condomínio", "Energia elétrica", "Plotagens e cópias",
                                          "Deslocamentos", "Material de escritório", "Taxas e RRT"}));
    EXPECT_EQ(ch1->categoryAxis()->count(), 7);
    QPieSeries* ring = page.costPanel()->ring()->series();
    ASSERT_EQ(ring->count(), 4);
    EXPECT_EQ(ring->slices()[1]->label(), QStringLiteral("Variável"));
    EXPECT_EQ(ring->slices()[3]->value(), 22100.0);
}

TEST_F(StatsPageTest, ExpensesOfTheSameNameInBothListsEachKeepTheirBar)
{
    TOfficeData renamed = state.currentOffice();
    renamed.VariableExpenseName[0].assign(u"Aluguel");
    state.setCurrentOffice(renamed);
    page.ShowOfficeCostStatistics();
    CostBreakdownChart* ch1 = page.costPanel()->breakdown();
    ASSERT_EQ(ch1->barCount(), 11);
    EXPECT_EQ(ch1->categoryAxis()->count(), 11);
    EXPECT_EQ(ch1->labels()[7], QStringLiteral("Aluguel"));
}

TEST_F(StatsPageTest, TipsNameTheHoveredPointItsShareAndTheTotal)
{
    page.showStatistics();
    CostBreakdownChart* ch1 = page.costPanel()->breakdown();
    QBarSet* set = ch1->series()->barSets()[0];
    emit ch1->series()->hovered(true, 0, set);
    EXPECT_EQ(ch1->tip()->text(), QStringLiteral("Aluguel\n44,6 % do total de R$ 9.420,50"));
    // The tip waits a moment before it shows.
    EXPECT_FALSE(QToolTip::isVisible());
    QTest::qWait(150);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), ch1->tip()->text());
    // Left alone, it goes away after two seconds.
    QElapsedTimer shown;
    shown.start();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 4000));
    EXPECT_GE(shown.elapsed(), 1500);
    emit ch1->series()->hovered(false, 0, set);
    EXPECT_TRUE(ch1->tip()->text().isEmpty());

    CostRingChart* ch5 = page.costPanel()->ring();
    emit ch5->series()->hovered(ch5->series()->slices()[3], true);
    EXPECT_EQ(ch5->tip()->text(), QStringLiteral("Técnico\n59,9 % do total de R$ 36.920,50"));
}

TEST_F(StatsPageTest, StatusMarksStandUprightAndCentredOnTheirBars)
{
    history = {statRow("01/01/2021", "1", "Aprovado"), statRow("02/01/2021", "1", "Aprovado"),
               statRow("03/01/2021", "1", "Aprovado"), statRow("04/01/2021", "1", "Aprovado"),
               statRow("05/01/2021", "1", "Reprovado")};
    page.show();
    page.showStatistics();
    QCoreApplication::processEvents();
    for (int bar : {0, 2}) {
        const QRectF mark = ch3()->marks()->markRect(bar);
        const QPointF base = ch3()->barPoint(bar, 0.0);
        EXPECT_GT(mark.height(), mark.width()) << bar;
        EXPECT_NEAR(mark.center().x(), base.x(), 1.0) << bar;
        EXPECT_LE(mark.bottom(), base.y() + 0.5) << bar;
    }
    // The tall bar holds its mark; the short one carries it on top.
    EXPECT_NEAR(ch3()->marks()->markRect(0).center().y(), ch3()->barPoint(0, 2.0).y(), 1.0);
    EXPECT_LE(ch3()->marks()->markRect(2).bottom(), ch3()->barPoint(2, 1.0).y());
}

TEST_F(StatsPageTest, PanelsAndControlsCarryTheirCaptions)
{
    QStringList groups;
    for (const QGroupBox* box : page.findChildren<QGroupBox*>())
        groups << box->title();
    EXPECT_TRUE(groups.contains(QStringLiteral("Custo mensal do escritório")));
    EXPECT_TRUE(groups.contains(QStringLiteral("Distribuição dos orçamentos ")));

    QStringList captions;
    for (const QLabel* label : page.costPanel()->findChildren<QLabel*>())
        captions << label->text();
    EXPECT_EQ(captions, (QStringList{"Custo fixo [R$]", "Custo variável  [R$]", "Custo equipe de apoio [R$]",
                                     "Custo parcial [R$]", "Custo equipe técnica [R$]", "Custo total  [R$]"}));
    EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("LabelEstatistica"))->text(), QStringLiteral("ESTATÍSTICA"));

    CostBreakdownChart* ch1 = page.costPanel()->breakdown();
    EXPECT_EQ(ch1->chart()->title(), QStringLiteral("Estratificação dos custos fixos e variáveis"));
    EXPECT_EQ(ch1->categoryAxis()->labelsAngle(), -90);
    EXPECT_EQ(ch1->valueAxis()->titleText(), QStringLiteral("R$"));
    const QPieSeries* ring = page.costPanel()->ring()->series();
    EXPECT_DOUBLE_EQ(ring->holeSize() / ring->pieSize(), 0.85);
    EXPECT_EQ(ch3()->valueAxis()->tickInterval(), 1.0);
    EXPECT_FALSE(ch3()->categoryAxis()->labelsVisible());
    EXPECT_EQ(ch4()->valueAxis()->titleText(), QStringLiteral("R$"));
    const struct { const char* chart; QStringList series; } charts[] = {
        {"Ch1", {"BarSeries3"}}, {"ch3", {"BarSeries1"}}, {"ch4", {"BarSeries2", "ChartTool5", "ChartTool7"}},
        {"ch5", {"Series3"}}};
    for (const auto& expected : charts) {
        auto* view = page.findChild<QChartView*>(QString::fromLatin1(expected.chart));
        ASSERT_NE(view, nullptr) << expected.chart;
        QStringList names;
        for (const QAbstractSeries* series : view->chart()->series())
            names << series->objectName();
        EXPECT_EQ(names, expected.series) << expected.chart;
    }
}

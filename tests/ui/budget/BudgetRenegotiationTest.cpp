#include "support/BudgetFixture.h"

#include "ui/budget/CompositionChart.h"
#include "ui/budget/ProjectControls.h"
#include "ui/budget/ZeroProfitLine.h"
#include "ui/stats/StatsControls.h"

#include <QApplication>
#include <QBarSet>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>

using namespace belvane;
using belvane::test::BudgetFixture;

using BudgetRenegotiationTest = BudgetFixture;

namespace {

void spin(QAbstractSpinBox* box, int clicks)
{
    for (int i = 0; i < std::abs(clicks); ++i)
        QTest::keyClick(box, clicks > 0 ? Qt::Key_Up : Qt::Key_Down);
}

} // namespace

TEST_F(BudgetRenegotiationTest, ChartShowsTheCompositionAndTheZeroProfitLine)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    type("P_rep", QStringLiteral("10"));
    click(controls::project::kSummarySelector);
    auto* chart = find<CompositionChart>("ch2");
    EXPECT_EQ(chart->chart()->title(), QStringLiteral("Composição do orçamento"));
    EXPECT_FALSE(chart->chart()->legend()->isVisible());
    EXPECT_EQ(chart->bars()->objectName(), QStringLiteral("Series2"));
    EXPECT_EQ(chart->zeroProfitLine()->objectName(), QStringLiteral("ChartTool4"));
    EXPECT_EQ(chart->barLabels(), (QStringList{u"RRT"_qs, u"Terceiros"_qs, u"Despesa própria"_qs, u"Imposto"_qs,
                                               u"Lucro"_qs, u"Ad.Qualificação"_qs, u"Desc.Repetição"_qs,
                                               u"Orçamento"_qs}));
    const TBudgetData& b = window().state().budget().record();
    ASSERT_EQ(chart->barValues().size(), 8);
    EXPECT_EQ(chart->barValues()[2], b.OwnExpenses);
    EXPECT_LT(chart->barValues()[6], 0.0);   // the repetition discount is drawn below the axis
    EXPECT_EQ(chart->barValues()[6], -double(b.RepetitionDiscount));
    EXPECT_EQ(chart->marks()[2], QStringLiteral("Despesa própria\n8.125"));
    // Each bar is its own set: in the first-start look ("Monocromático") they share one colour,
    // and with one colour per point each takes its own colour of the palette.
    const QList<QBarSet*> sets = chart->bars()->barSets();
    EXPECT_EQ(sets[0]->color(), sets[1]->color());
    find<QPushButton>(controls::stats::kMonochrome)->click(); // the statistics page's "Monocromático"
    EXPECT_NE(sets[0]->color(), sets[1]->color());
    EXPECT_LE(chart->valueAxis()->min(), chart->barValues()[6]);
    EXPECT_TRUE(chart->zeroProfitLine()->isVisible());
    EXPECT_EQ(chart->zeroProfitLine()->pen().color(), QColor(Qt::red));
    EXPECT_LT(chart->zeroProfitLine()->zValue(), 4.0);   // behind the bars
}

TEST_F(BudgetRenegotiationTest, ZeroProfitLineOfTheOneMemberBudget)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    auto* chart = find<CompositionChart>("ch2");
    EXPECT_EQ(chart->zeroProfitLine()->caption(), QStringLiteral("Lucro=0"));
    EXPECT_FALSE(chart->zeroProfitLine()->isVisible());
    click(controls::project::kSummarySelector);
    EXPECT_EQ(chart->zeroProfitLine()->caption(), QStringLiteral("10944 -> lucro=0"));
    ASSERT_TRUE(chart->zeroProfitLine()->value().has_value());
    EXPECT_FLOAT_EQ(*chart->zeroProfitLine()->value(), 10944.445f);
    EXPECT_EQ(chart->marks()[7], QStringLiteral("Orçamento\n12.750"));
}

TEST_F(BudgetRenegotiationTest, ChartReadsWellOnScreen)
{
    TForm1& w = start();
    w.show();
    setUpOffice();
    w.openPage(kProjectPage);
    enterOneMemberBudget();
    type("P_rep", QStringLiteral("10"));
    click(controls::project::kSummarySelector);
    QApplication::processEvents();
    auto* chart = find<CompositionChart>("ch2");
    const qreal axis = chart->chart()->mapToPosition(QPointF(0, 0), chart->bars()).y();
    const qreal line = chart->chart()->mapToPosition(QPointF(0, *chart->zeroProfitLine()->value()), chart->bars()).y();
    EXPECT_GT(chart->barEnd(6).y(), axis);   // the discount hangs below the axis
    EXPECT_LT(chart->barEnd(7).y(), line);   // the quoted value stands above the zero-profit line
    // The caption sits on its line, clear of every bar and mark.
    const QRectF caption = chart->zeroProfitLine()->captionBox();
    EXPECT_TRUE(std::abs(caption.bottom() - line) <= 4.0 || std::abs(caption.top() - line) <= 4.0);
    EXPECT_TRUE(chart->chart()->plotArea().contains(caption.center()));
    const QList<QRectF> marks = chart->markBoxes();
    for (const QRectF& taken : marks + chart->barBoxes())
        EXPECT_FALSE(caption.intersects(taken));
    for (int i = 0; i < int(marks.size()); ++i) {
        EXPECT_TRUE(chart->chart()->plotArea().adjusted(-30, -30, 30, 30).contains(marks[i])) << i;
        for (int j = i + 1; j < int(marks.size()); ++j)
            EXPECT_FALSE(marks[i].intersects(marks[j])) << i << " and " << j;
    }
    EXPECT_GT(marks[6].top(), axis);

    // Hovering over a bar shows its mark as a tip, after a short delay.
    emit chart->bars()->hovered(true, 7, chart->bars()->barSets().last());
    EXPECT_FALSE(QToolTip::isVisible());
    QTest::qWait(120);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), chart->marks().last());
    emit chart->bars()->hovered(false, 7, chart->bars()->barSets().last());
    QTest::qWait(400);
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(BudgetRenegotiationTest, ProfitSpinRepricesAndK1KeepsTheTaxes)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    click(controls::project::kSummarySelector);
    window().state().editBudget().setModified(false);
    auto* profit = find<QAbstractSpinBox>("R_lucro");
    spin(profit, 1);
    EXPECT_EQ(text("R_lucro"), QStringLiteral("20,5"));
    EXPECT_EQ(text("P_lucropc"), QStringLiteral("20,5"));
    EXPECT_TRUE(window().state().budget().modified());
    EXPECT_GT(window().state().budget().record().BudgetValue, 12750.0f);
    EXPECT_EQ(text("R_K2"), QStringLiteral("20,8"));   // not recomputed
    spin(profit, -1);
    EXPECT_EQ(text("R_orca"), QStringLiteral("12750,00"));
    EXPECT_EQ(text("R_lucroR"), QStringLiteral("1625,00"));
    // After a renegotiation K1 relates the value with its taxes to the office cost.
    EXPECT_EQ(text("R_k1"), QStringLiteral("51,0"));
    EXPECT_FLOAT_EQ(window().state().budget().record().K1, 51.0f);
}

TEST_F(BudgetRenegotiationTest, SpinsTakeNoTyping)
{
    start();
    for (const char* name : {"R_lucro", "R_impostos"}) {
        auto* box = find<QDoubleSpinBox>(name);
        EXPECT_EQ(box->buttonSymbols(), QAbstractSpinBox::UpDownArrows) << name;
        box->setValue(5.0);
        QTest::keyClicks(box, QStringLiteral("9"));
        EXPECT_EQ(box->value(), 5.0) << name;
    }
    EXPECT_EQ(find<QDoubleSpinBox>("R_lucro")->singleStep(), 0.5);
    EXPECT_EQ(find<QDoubleSpinBox>("R_impostos")->singleStep(), 0.1);
}

TEST_F(BudgetRenegotiationTest, RenegotiatedTaxLastsUntilTheNextGenerationButTheProfitSurvives)
{
    start();
    setUpOffice();
    enterOneMemberBudget();
    click(controls::project::kSummarySelector);
    spin(find<QAbstractSpinBox>("R_impostos"), 5);
    spin(find<QAbstractSpinBox>("R_lucro"), 4);
    EXPECT_EQ(text("R_impostos"), QStringLiteral("10,5"));
    EXPECT_FLOAT_EQ(window().state().budget().record().TaxRate, 10.5f);
    EXPECT_EQ(find<CompositionChart>("ch2")->zeroProfitLine()->caption().section(u' ', 1), QStringLiteral("-> lucro=0"));
    click(controls::project::kDataSelector);
    click(controls::project::kSummarySelector);
    EXPECT_EQ(window().state().budget().record().TaxRate, 10.0f);
    EXPECT_EQ(window().state().budget().record().ProfitPercent, 22.0f);
    EXPECT_EQ(text("R_impostos"), QStringLiteral("10,0"));
    EXPECT_EQ(text("R_lucro"), QStringLiteral("22,0"));
}

TEST_F(BudgetRenegotiationTest, TaxOfAHundredPercentIsRefusedAndTheLastFiguresStay)
{
    start();
    setUpOffice();
    {
        TOfficeData changed = window().state().currentOffice();
        changed.TaxRate = 99.8f;
        window().state().setCurrentOffice(changed);
    }
    enterOneMemberBudget();
    click(controls::project::kSummarySelector);
    const TBudgetData before = window().state().budget().record();
    auto* chart = find<CompositionChart>("ch2");
    const QString caption = chart->zeroProfitLine()->caption();
    auto* tax = find<QAbstractSpinBox>("R_impostos");
    spin(tax, 1);
    EXPECT_TRUE(Prompts::messages().isEmpty());
    const float valueAt999 = window().state().budget().record().BudgetValue;
    spin(tax, 1);
    ASSERT_EQ(Prompts::messages().size(), 1);
    EXPECT_TRUE(Prompts::messages().first().startsWith(QStringLiteral("Os impostos precisam ser menores que 100 %")));
    EXPECT_EQ(text("R_impostos"), QStringLiteral("99,9"));
    EXPECT_EQ(window().state().budget().record().BudgetValue, valueAt999);
    EXPECT_FLOAT_EQ(window().state().budget().record().TaxRate, 99.9f);
    EXPECT_NE(chart->zeroProfitLine()->caption(), caption);
    EXPECT_GT(valueAt999, before.BudgetValue);
}

TEST_F(BudgetRenegotiationTest, K1AndK2FallBackToAHundredWithoutOfficeFigures)
{
    start();
    setUpOffice();
    TOfficeData office = window().state().currentOffice();
    office.CostWithTech = 0.0f;
    office.TechStaffCount = 0;
    window().state().setCurrentOffice(office);
    enterOneMemberBudget();
    click(controls::project::kSummarySelector);
    EXPECT_EQ(text("R_k1"), QStringLiteral("100,0"));
    EXPECT_EQ(text("R_K2"), QStringLiteral("100,0"));
    spin(find<QAbstractSpinBox>("R_lucro"), 1);
    EXPECT_EQ(text("R_k1"), QStringLiteral("100,0"));
}

TEST_F(BudgetRenegotiationTest, ClickOnTheCodeMarksTheBudgetAsStored)
{
    start();
    EXPECT_FALSE(window().state().budget().reopened());
    QTest::mouseClick(find<QLineEdit>("R_codigo"), Qt::LeftButton);
    EXPECT_TRUE(window().state().budget().reopened());
}

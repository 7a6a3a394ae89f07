#include "ui/stats/CostBreakdownChart.h"

#include "ui/stats/StatsChartStyle.h"
#include "ui/stats/StatsControls.h"
#include "ui/widgets/ChartTip.h"
#include "ui/widgets/Theme.h"

#include <QBarCategoryAxis>
#include <QPushButton>
#include <QValueAxis>

namespace belvane {
namespace {

constexpr int kButtonSize = 24;
// The tallest bar leaves this share of the axis free above it.
constexpr double kHeadRoom = 0.08;

} // namespace

CostBreakdownChart::CostBreakdownChart(QWidget* parent)
    : BarChartView(QStringLiteral("Ch1"), QStringLiteral("BarSeries3"),
                   QStringLiteral("Estratificação dos custos fixos e variáveis"),
                   &statschart::dressBarChart, parent)
    , m_tip(new ChartTip(this))
{
    categoryAxis()->setLabelsAngle(-90);
    categoryAxis()->setLabelsFont(statschart::chartFont(10));
    valueAxis()->setTitleText(QStringLiteral("R$"));
    m_paletteButton =
        lookButton(controls::stats::kNextPalette, QStringLiteral("◨"), QStringLiteral("Esquema de cores"));
    m_gradientButton =
        lookButton(controls::stats::kGradient, QStringLiteral("⬗"), QStringLiteral("Gradiente"));
    m_monochromeButton =
        lookButton(controls::stats::kMonochrome, QStringLiteral("●"), QStringLiteral("Monocromático"));
    connect(this, &BarChartView::barHovered, this, &CostBreakdownChart::onBarHovered);
}

QPushButton* CostBreakdownChart::lookButton(const char* name, const QString& caption, const QString& hint)
{
    auto* button = new QPushButton(caption, viewport());
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(theme::accented(QStringLiteral(
        "QPushButton { padding: 0; font-size: 14px; background: #45454c; border: 1px solid #5e5e66; border-radius: 3px; }"
        "QPushButton:hover { background: @accent; }")));
    return button;
}

void CostBreakdownChart::showExpenses(const QList<CostShare>& expenses)
{
    m_expenses = expenses;
    QStringList labels;
    QList<double> values;
    for (const CostShare& expense : expenses) {
        labels << expense.label;
        values << expense.value;
    }
    setBars(labels, values);
    fitValueAxis(0.0, kHeadRoom);
}

void CostBreakdownChart::resizeEvent(QResizeEvent* event)
{
    BarChartView::resizeEvent(event);
    int x = viewport()->width() - 6 - kButtonSize;
    for (QPushButton* button : {m_monochromeButton, m_gradientButton, m_paletteButton}) {
        button->move(x, 4);
        x -= kButtonSize + 3;
    }
}

void CostBreakdownChart::onBarHovered(bool entered, int bar)
{
    if (entered && bar < m_expenses.size())
        m_tip->enter(costTipText(m_expenses[bar], totalOf(m_expenses)));
    else
        m_tip->leave();
}

} // namespace belvane

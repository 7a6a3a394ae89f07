#include "ui/stats/StatsPage.h"

#include "core/settings/StatusColors.h"
#include "core/stats/OfficeCostStatistics.h"
#include "ui/app/AppState.h"
#include "ui/stats/BudgetYearPanel.h"
#include "ui/stats/CostBreakdownChart.h"
#include "ui/stats/CostRingChart.h"
#include "ui/stats/MonthlyWonChart.h"
#include "ui/stats/OfficeCostPanel.h"
#include "ui/stats/StatusBarsChart.h"
#include "ui/widgets/ChartPalettes.h"
#include "ui/widgets/Theme.h"

#include <QChart>
#include <QLabel>
#include <QPieSeries>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QVBoxLayout>

namespace belvane {

StatsPage::StatsPage(AppState& state, QWidget* parent)
    : Page(parent)
    , m_state(state)
    , m_costs(new OfficeCostPanel(this))
    , m_year(new BudgetYearPanel(this))
    , m_history([] { return QList<HistoryStatRow>(); })
    , m_statusColours(&StatsPage::firstStartStatusColours)
{
    setObjectName(QStringLiteral("TabEstatistica"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(2);
    layout->addWidget(buildHeading());
    layout->addWidget(m_costs, 13);
    layout->addWidget(m_year, 11);

    CostBreakdownChart* breakdown = m_costs->breakdown();
    connect(breakdown->paletteButton(), &QPushButton::clicked, this, &StatsPage::SpeedButton27Click);
    connect(breakdown->gradientButton(), &QPushButton::clicked, this, &StatsPage::SpeedButton4Click);
    connect(breakdown->monochromeButton(), &QPushButton::clicked, this, &StatsPage::SpeedButton26Click);
    connect(m_year, &BudgetYearPanel::yearChosen, this, &StatsPage::NxComboBox1Change);

    connect(&m_state, &AppState::chartLookChanged, this, &StatsPage::ApplyChartStyle);
    ApplyChartStyle();
}

QWidget* StatsPage::buildHeading()
{
    auto* heading = new QLabel(QStringLiteral("ESTATÍSTICA"), this);
    heading->setObjectName(QStringLiteral("LabelEstatistica"));
    heading->setFont(theme::displayFont(18, QFont::Bold));
    heading->setStyleSheet(theme::accented(QStringLiteral("color: @accent-light;")));
    return heading;
}

void StatsPage::setHistoryProvider(HistoryProvider provider)
{
    m_history = std::move(provider);
}

void StatsPage::setStatusColoursProvider(StatusColoursProvider provider)
{
    m_statusColours = std::move(provider);
}

std::array<QColor, 4> StatsPage::firstStartStatusColours()
{
    // The swatches as they are on a first start.
    return {theme::fromBgr(kDefaultAprovado), theme::fromBgr(kDefaultAguardando), theme::fromBgr(kDefaultReprovado),
            theme::fromBgr(kDefaultConcluido)};
}

void StatsPage::TabEstatisticaShow()
{
    FillYearSelector();
    ShowOfficeCostStatistics();
    ShowBudgetStatistics();
}

void StatsPage::FillYearSelector()
{
    m_year->setYears(yearChoice(m_history()));
}

void StatsPage::ShowOfficeCostStatistics()
{
    m_costs->showCosts(officeCostStatistics(m_state.CurrentOffice));
}

void StatsPage::ShowBudgetStatistics()
{
    const std::array<QColor, 4> swatches = m_statusColours();
    const std::array<QColor, kStatusBinCount> colours{swatches[0], swatches[1], swatches[2], swatches[3],
                                                      QColor(Qt::white)};
    // An empty history draws the empty year: the panel never keeps figures of rows that are gone.
    m_year->showYear(budgetYearStatistics(m_history(), m_year->yearText(), m_state.CurrentOffice), colours);
}

void StatsPage::NxComboBox1Change()
{
    ShowBudgetStatistics();
}

QChart* StatsPage::masterChart() const
{
    return m_costs->breakdown()->chart();
}

QAbstractSeries* StatsPage::masterGradientSeries() const
{
    return m_year->statusChart()->series();
}

ChartLook StatsPage::chartLook() const
{
    return m_state.chartLook();
}

void StatsPage::setChartLook(const ChartLook& look)
{
    m_state.setChartLook(look);
}

void StatsPage::ApplyChartStyle()
{
    const ChartLook& look = m_state.chartLook();
    const QList<std::pair<QChart*, QAbstractSeries*>> charts = {
        {masterChart(), m_costs->breakdown()->series()},
        {m_year->statusChart()->chart(), m_year->statusChart()->series()},
        {m_year->monthChart()->chart(), m_year->monthChart()->series()},
        {m_costs->ring()->chart(), m_costs->ring()->series()},
    };
    for (const auto& [chart, series] : charts) {
        ChartLook::setPalette(chart, look.palette);
        ChartLook::setColorEachPoint(series, look.colorEachPoint);
    }
    // Gradients are for bars only: the ring keeps flat slices.
    for (QAbstractSeries* bars : std::initializer_list<QAbstractSeries*>{masterGradientSeries(), m_year->monthChart()->series(),
                                                                      m_costs->breakdown()->series()})
        ChartLook::setBarGradient(bars, look.barGradient);
}

void StatsPage::SpeedButton27Click()
{
    ChartLook look = m_state.chartLook();
    look.palette = look.palette + 1 > ChartPalettes::kCount - 1 ? 0 : look.palette + 1;
    m_state.setChartLook(look);
}

void StatsPage::SpeedButton4Click()
{
    ChartLook look = m_state.chartLook();
    look.barGradient = !look.barGradient;
    m_state.setChartLook(look);
}

void StatsPage::SpeedButton26Click()
{
    ChartLook look = m_state.chartLook();
    look.colorEachPoint = !look.colorEachPoint;
    m_state.setChartLook(look);
}

} // namespace belvane

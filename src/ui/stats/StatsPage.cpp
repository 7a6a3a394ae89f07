#include "ui/stats/StatsPage.h"

#include "core/settings/StatusColors.h"
#include "core/stats/OfficeCostStatistics.h"
#include "core/storage/SafeFile.h"
#include "core/store/ExtensionStore.h"
#include "core/text/Clock.h"
#include "ui/app/AppState.h"
#include "ui/stats/BudgetYearPanel.h"
#include "ui/stats/ConversionChart.h"
#include "ui/stats/CostBreakdownChart.h"
#include "ui/stats/CostRingChart.h"
#include "ui/stats/MonthlyWonChart.h"
#include "ui/stats/OfficeCostPanel.h"
#include "ui/stats/PipelinePanel.h"
#include "ui/stats/StatusBarsChart.h"
#include "ui/widgets/ChartPalettes.h"
#include "ui/widgets/ExportPath.h"
#include "ui/widgets/Prompts.h"
#include "ui/widgets/Theme.h"

#include <QChart>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QPieSeries>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <algorithm>

namespace belvane {
namespace {

constexpr int kPipelineHeight = 360;

} // namespace

StatsPage::StatsPage(AppState& state, QWidget* parent)
    : Page(parent),
      m_state(state),
      m_costs(new OfficeCostPanel(this)),
      m_year(new BudgetYearPanel(this)),
      m_pipeline(new PipelinePanel(this)),
      m_history([] { return QList<HistoryStatRow>(); }),
      m_statusColours(&StatsPage::firstStartStatusColours)
{
    setObjectName(QStringLiteral("TabEstatistica"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(2);
    layout->addWidget(buildHeading());
    // The cost and year panels fill the window; the funnel lies below them, reached by scrolling.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("StatsScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->viewport()->setObjectName(QStringLiteral("StatsViewport"));
    auto* panels = new QWidget(scroll);
    panels->setObjectName(QStringLiteral("StatsPanels"));
    // The page's own dark background shows around the panels, the scroll area's included.
    scroll->setStyleSheet(QStringLiteral("#StatsScroll, #StatsViewport, #StatsPanels { background: %1; }")
                              .arg(QString::fromLatin1(theme::kPageBackground)));
    auto* column = new QVBoxLayout(panels);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(m_costs, 13);
    column->addWidget(m_year, 11);
    column->addWidget(m_pipeline, 0);
    m_pipeline->setFixedHeight(kPipelineHeight);
    scroll->setWidget(panels);
    scroll->viewport()->installEventFilter(this);
    m_scroll = scroll;
    layout->addWidget(scroll, 1);
    connect(m_pipeline, &PipelinePanel::exportClicked, this, &StatsPage::exportPipeline);

    CostBreakdownChart* breakdown = m_costs->breakdown();
    connect(breakdown->paletteButton(), &QPushButton::clicked, this, &StatsPage::nextPalette);
    connect(breakdown->gradientButton(), &QPushButton::clicked, this, &StatsPage::toggleGradient);
    connect(breakdown->monochromeButton(), &QPushButton::clicked, this, &StatsPage::toggleColorEachPoint);
    connect(m_year, &BudgetYearPanel::yearChosen, this, &StatsPage::showChosenYear);

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

bool StatsPage::eventFilter(QObject* watched, QEvent* event)
{
    // The upper panels take the whole visible height; the funnel needs a scroll to be seen.
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize)
        m_scroll->widget()->setMinimumHeight(m_scroll->viewport()->height() + kPipelineHeight + 2);
    return Page::eventFilter(watched, event);
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

void StatsPage::showStatistics()
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
    m_costs->showCosts(officeCostStatistics(m_state.currentOffice()));
}

void StatsPage::ShowBudgetStatistics()
{
    const std::array<QColor, 4> swatches = m_statusColours();
    const std::array<QColor, kStatusBinCount> colours{swatches[0], swatches[1], swatches[2], swatches[3],
                                                      QColor(Qt::white)};
    // An empty history draws the empty year: the panel never keeps figures of rows that are gone.
    m_year->showYear(budgetYearStatistics(m_history(), m_year->yearText(), m_state.currentOffice()), colours);
    ShowPipelineStatistics();
}

void StatsPage::ShowPipelineStatistics()
{
    m_pipelineFigures = m_state.workspace().funnel(m_year->yearText(), Clock::today());
    m_pipeline->showFigures(m_pipelineFigures);
}

void StatsPage::exportPipeline()
{
    const QString year = m_year->yearText();
    const QString path = chooseExportPath(
        this, QStringLiteral("Exportar funil de orçamentos"),
        QStringLiteral("Funil_%1.csv").arg(year.isEmpty() ? QStringLiteral("orcamentos") : year),
        QStringLiteral("Planilha CSV (*.csv)"), QStringLiteral(".csv"));
    if (path.isEmpty())
        return;
    const IoResult written = writeFileAtomically(path, pipelineCsv(m_pipelineFigures, year));
    if (!written.ok()) {
        Prompts::error(this, written.error);
        return;
    }
    Prompts::inform(
        this,
        QStringLiteral("Funil de orçamentos exportado para \"%1\".").arg(QDir::toNativeSeparators(path)));
}

void StatsPage::showChosenYear()
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
        {m_pipeline->chart()->chart(), m_pipeline->chart()->series()},
    };
    for (const auto& [chart, series] : charts) {
        ChartLook::setPalette(chart, look.palette);
        ChartLook::setColorEachPoint(series, look.colorEachPoint);
    }
    // Gradients are for bars only: the ring keeps flat slices.
    for (QAbstractSeries* bars : std::initializer_list<QAbstractSeries*>{
             masterGradientSeries(), m_year->monthChart()->series(), m_costs->breakdown()->series(),
             m_pipeline->chart()->series()})
        ChartLook::setBarGradient(bars, look.barGradient);
}

void StatsPage::nextPalette()
{
    ChartLook look = m_state.chartLook();
    look.palette = look.palette + 1 > ChartPalettes::kCount - 1 ? 0 : look.palette + 1;
    m_state.setChartLook(look);
}

void StatsPage::toggleGradient()
{
    ChartLook look = m_state.chartLook();
    look.barGradient = !look.barGradient;
    m_state.setChartLook(look);
}

void StatsPage::toggleColorEachPoint()
{
    ChartLook look = m_state.chartLook();
    look.colorEachPoint = !look.colorEachPoint;
    m_state.setChartLook(look);
}

} // namespace belvane

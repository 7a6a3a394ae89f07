#pragma once
// The statistics page "ESTATÍSTICA": above, the office's monthly cost structure; below, the
// budgets of a reference year by status and by month, and that year's sales funnel (scrolled to). The page is rebuilt from the office in
// memory and from the history each time it is shown.
//
// The page's three look buttons change the common look of the program's charts, which the shared
// state holds; every chart that follows it (these, and the budget summary's) redraws itself.
//
// The history and the status swatch colours reach the page through two providers, so the page
// does not depend on how either is kept; until they are set the history is empty and the swatches
// have their first-start colours. The funnel is the workspace's: its rows, the reasons and the
// building uses come from the history and the database together.
#include "core/stats/PipelineStatistics.h"
#include "core/stats/YearStatistics.h"
#include "ui/app/Page.h"
#include "ui/widgets/ChartLook.h"

#include <QColor>
#include <QPointer>
#include <array>
#include <functional>

class QAbstractSeries;
class QChart;
class QScrollArea;

namespace belvane {

class AppState;
class BudgetYearPanel;
class OfficeCostPanel;
class PipelinePanel;

class StatsPage : public Page {
    Q_OBJECT
public:
    // The history rows, in grid order.
    using HistoryProvider = std::function<QList<HistoryStatRow>()>;
    // The swatches of "Aprovado", "Aguardando", "Reprovado" and "Concluído", in that order.
    using StatusColoursProvider = std::function<std::array<QColor, 4>()>;

    StatsPage(AppState& state, QWidget* parent);
    AppState& state() { return m_state; }

    void setHistoryProvider(HistoryProvider provider);
    void setStatusColoursProvider(StatusColoursProvider provider);
    static std::array<QColor, 4> firstStartStatusColours();

    // The look of every chart, as the shared state holds it; setting it redraws every chart that
    // follows it (this page's, and the budget summary's).
    ChartLook chartLook() const;
    void setChartLook(const ChartLook& look);

    OfficeCostPanel* costPanel() const { return m_costs; }
    BudgetYearPanel* yearPanel() const { return m_year; }
    PipelinePanel* pipelinePanel() const { return m_pipeline; }

    void pageShown() override { showStatistics(); }

public slots:
    // Entering the page: the years offered, the office's costs and the chosen year's budgets.
    void showStatistics();
    void FillYearSelector();
    void ShowOfficeCostStatistics();
    void ShowBudgetStatistics();
    // A year chosen (NxComboBox1): its budgets' statistics.
    void showChosenYear();
    void ShowPipelineStatistics();
    void exportPipeline(); // "Exportar CSV" of the funnel
    void ApplyChartStyle();
    // The chart look switches: the next palette (SpeedButton27), bars with a gradient or flat
    // (SpeedButton4), one colour per bar or one for all (SpeedButton26).
    void nextPalette();
    void toggleGradient();
    void toggleColorEachPoint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHeading();
    QChart* masterChart() const;
    QAbstractSeries* masterGradientSeries() const;

    AppState& m_state;
    OfficeCostPanel* m_costs;
    BudgetYearPanel* m_year;
    PipelinePanel* m_pipeline;
    QScrollArea* m_scroll = nullptr;
    PipelineStatistics m_pipelineFigures; // as shown, for the export
    HistoryProvider m_history;
    StatusColoursProvider m_statusColours;
};

} // namespace belvane

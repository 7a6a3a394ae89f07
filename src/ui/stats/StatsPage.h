#pragma once
// The statistics page "ESTATÍSTICA": above, the office's monthly cost structure; below, the
// budgets of a reference year by status and by month. The page is rebuilt from the office in
// memory and from the history each time it is shown.
//
// The page also keeps the common look of the program's bar and ring charts. The expense chart
// Ch1 holds the master palette and the master colour-per-point switch, the status chart's series
// BarSeries1 the master gradient switch; ApplyChartStyle copies them to the other charts,
// including the budget summary chart once it has been registered.
//
// The history and the status swatch colours reach the page through two providers, so the page
// does not depend on how either is kept. Until they are set the history is empty and the
// swatches have their first-start colours.
#include "core/stats/YearStatistics.h"
#include "ui/app/Page.h"
#include "ui/widgets/ChartLook.h"

#include <QColor>
#include <QPointer>
#include <array>
#include <functional>

class QAbstractSeries;
class QChart;

namespace belvane {

struct AppState;
class BudgetYearPanel;
class OfficeCostPanel;

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

    // Lets the budget summary chart (ch2) and its bar series (Series2) share the chart look,
    // and gives them the current look at once.
    void registerSummaryChart(QChart* chart, QAbstractSeries* bars);

    // The look as the settings file keeps it: the palette of Ch1, the colour-per-point switch of
    // its series and the gradient switch of BarSeries3.
    ChartLook chartLook() const;
    // Puts a stored look on the master copies — palette and colour per point on Ch1, gradient on
    // the three bar series — without spreading it; ApplyChartStyle, called next, does that.
    void setChartLook(const ChartLook& look);

    OfficeCostPanel* costPanel() const { return m_costs; }
    BudgetYearPanel* yearPanel() const { return m_year; }

    void pageShown() override { TabEstatisticaShow(); }

public slots:
    void TabEstatisticaShow();
    void FillYearSelector();
    void ShowOfficeCostStatistics();
    void ShowBudgetStatistics();
    void NxComboBox1Change();
    void ApplyChartStyle();
    void SpeedButton27Click();
    void SpeedButton4Click();
    void SpeedButton26Click();

private:
    QWidget* buildHeading();
    QChart* masterChart() const;
    QAbstractSeries* masterGradientSeries() const;

    AppState& m_state;
    OfficeCostPanel* m_costs;
    BudgetYearPanel* m_year;
    HistoryProvider m_history;
    StatusColoursProvider m_statusColours;
    QPointer<QChart> m_summaryChart;
    QPointer<QAbstractSeries> m_summaryBars;
};

} // namespace belvane

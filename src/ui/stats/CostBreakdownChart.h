#pragma once
// "Estratificação dos custos fixos e variáveis" (Ch1): one bar per named expense of the office,
// the fixed run followed by the variable run, with the expense names turned upright under the
// bars and the left axis in R$. Resting the mouse on a bar tells its name, its share of all the
// bars and their total.
//
// In its upper right corner the chart carries the three small buttons of the chart look: "◨"
// (next palette), "⬗" (gradient) and "●" (one colour per bar on or off).
#include "core/stats/CostShare.h"
#include "ui/widgets/BarChartView.h"

class QPushButton;

namespace belvane {

class ChartTip;

class CostBreakdownChart : public BarChartView {
    Q_OBJECT
public:
    explicit CostBreakdownChart(QWidget* parent);

    void showExpenses(const QList<CostShare>& expenses);

    QPushButton* paletteButton() const { return m_paletteButton; }      // SpeedButton27
    QPushButton* gradientButton() const { return m_gradientButton; }    // SpeedButton4
    QPushButton* monochromeButton() const { return m_monochromeButton; } // SpeedButton26
    ChartTip* tip() const { return m_tip; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* lookButton(const char* name, const QString& caption, const QString& hint);
    void onBarHovered(bool entered, int bar);

    QList<CostShare> m_expenses;
    ChartTip* m_tip;
    QPushButton* m_paletteButton;
    QPushButton* m_gradientButton;
    QPushButton* m_monochromeButton;
};

} // namespace belvane

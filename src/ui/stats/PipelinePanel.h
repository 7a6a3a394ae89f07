#pragma once
// The third panel of the statistics page, "Funil de orçamentos" (PipelinePanel): for the
// reference year, the share of decided quotes won (PF_rate) month by month and by building use,
// what was conceded on the won ones, the quotes still waiting (PF_open) with the five oldest, the
// reasons budgets were lost, and "Exportar CSV" for all of it.
#include "core/stats/PipelineStatistics.h"

#include <QGroupBox>

class QLabel;
class QPushButton;
class QTableWidget;

namespace belvane {

class ConversionChart;

class PipelinePanel : public QGroupBox {
    Q_OBJECT
public:
    explicit PipelinePanel(QWidget* parent);

    void showFigures(const PipelineStatistics& figures);
    ConversionChart* chart() const { return m_chart; }

signals:
    void exportClicked();

private:
    QWidget* buildSummary();

    QLabel* m_rate = nullptr;       // PF_rate
    QLabel* m_concession = nullptr; // PF_concession
    QLabel* m_open = nullptr;       // PF_open
    QTableWidget* m_oldest = nullptr;
    QTableWidget* m_uses = nullptr;
    QTableWidget* m_reasons = nullptr;
    ConversionChart* m_chart;
};

} // namespace belvane

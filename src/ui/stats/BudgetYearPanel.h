#pragma once
// The lower panel of the statistics page, "Distribuição dos orçamentos ": the reference-year
// selector, the accumulated won value of that year, the status bars (ch3) and the won value by
// month against the office's monthly cost (ch4).
#include "core/stats/YearStatistics.h"

#include <QColor>
#include <QGroupBox>
#include <array>

class QComboBox;

namespace belvane {

class MonthlyWonChart;
class NumberEdit;
class StatusBarsChart;

class BudgetYearPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit BudgetYearPanel(QWidget* parent);

    // Refills the selector without announcing a change of year.
    void setYears(const YearChoice& choice);
    QString yearText() const;
    // The colours of the status bars, in bar order.
    void showYear(const BudgetYearStatistics& figures, const std::array<QColor, kStatusBinCount>& colours);

    QComboBox* yearSelector() const { return m_years; }  // NxComboBox1
    StatusBarsChart* statusChart() const { return m_status; }
    MonthlyWonChart* monthChart() const { return m_months; }
    NumberEdit* accumulated() const { return m_accumulated; }  // g_acum

signals:
    void yearChosen();

private:
    QWidget* buildSelector();

    QComboBox* m_years = nullptr;
    NumberEdit* m_accumulated = nullptr;
    StatusBarsChart* m_status;
    MonthlyWonChart* m_months;
};

} // namespace belvane

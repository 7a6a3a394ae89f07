#include "ui/stats/BudgetYearPanel.h"

#include "ui/stats/MonthlyWonChart.h"
#include "ui/stats/StatusBarsChart.h"
#include "ui/widgets/NumberEdit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace belvane {
namespace {

constexpr int kSelectorWidth = 190;

} // namespace

BudgetYearPanel::BudgetYearPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Distribuição dos orçamentos "), parent)
    , m_status(new StatusBarsChart(this))
    , m_months(new MonthlyWonChart(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(8);
    layout->addWidget(buildSelector());
    layout->addWidget(m_status, 2);
    layout->addWidget(m_months, 4);
}

QWidget* BudgetYearPanel::buildSelector()
{
    auto* column = new QWidget(this);
    column->setFixedWidth(kSelectorWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    m_years = new QComboBox(column);
    m_years->setObjectName(QStringLiteral("NxComboBox1"));
    m_years->setEditable(false);
    connect(m_years, &QComboBox::currentTextChanged, this, &BudgetYearPanel::yearChosen);
    auto* yearLabel = new QLabel(QStringLiteral("Ano de referência"), column);
    yearLabel->setBuddy(m_years);
    m_accumulated = new NumberEdit(QStringLiteral("g_acum"), QStringLiteral("#0.00#"), column);
    m_accumulated->setDisplayOnly(true);
    auto* accumulatedLabel = new QLabel(QStringLiteral("Acumulado [R$]"), column);
    accumulatedLabel->setBuddy(m_accumulated);
    layout->addStretch(1);
    layout->addWidget(yearLabel);
    layout->addWidget(m_years);
    layout->addSpacing(24);
    layout->addWidget(accumulatedLabel);
    layout->addWidget(m_accumulated);
    layout->addStretch(1);
    return column;
}

void BudgetYearPanel::setYears(const YearChoice& choice)
{
    const QSignalBlocker quiet(m_years);
    m_years->clear();
    m_years->addItems(choice.years);
    m_years->setCurrentIndex(int(choice.years.indexOf(choice.selected)));
}

QString BudgetYearPanel::yearText() const
{
    return m_years->currentText();
}

void BudgetYearPanel::showYear(const BudgetYearStatistics& figures,
                               const std::array<QColor, kStatusBinCount>& colours)
{
    m_months->setCostLines(figures.costWithTech, figures.costWithTechText(), figures.costWithoutTech,
                           figures.costWithoutTechText());
    m_status->showCounts(figures.binCounts, figures.statusMarks(), colours);
    QList<double> sums;
    for (float sum : figures.monthSums)
        sums << sum;
    m_months->showMonths(MonthLabels(), sums, figures.monthMarks());
    m_accumulated->setValue(figures.accumulated);
}

} // namespace belvane

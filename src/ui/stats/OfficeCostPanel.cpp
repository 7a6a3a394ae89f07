#include "ui/stats/OfficeCostPanel.h"

#include "ui/stats/CostBreakdownChart.h"
#include "ui/stats/CostRingChart.h"
#include "ui/widgets/NumberEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace belvane {
namespace {

const QString kTotalsPattern = QStringLiteral("#0.00#");
constexpr int kTotalsWidth = 190;

} // namespace

OfficeCostPanel::OfficeCostPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Custo mensal do escritório"), parent)
    , m_breakdown(new CostBreakdownChart(this))
    , m_ring(new CostRingChart(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(8);
    layout->addWidget(buildTotals());
    layout->addWidget(m_breakdown, 9);
    layout->addWidget(m_ring, 4);
}

QWidget* OfficeCostPanel::buildTotals()
{
    auto* column = new QWidget(this);
    column->setFixedWidth(kTotalsWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    const struct { const char* name; const char* caption; NumberEdit** box; } totals[] = {
        {"g_fixo", "Custo fixo [R$]", &m_fixed},
        {"G_variavel", "Custo variável  [R$]", &m_variable},
        {"G_apoio", "Custo equipe de apoio [R$]", &m_support},
        {"G_parcial", "Custo parcial [R$]", &m_partial},
        {"g_tec", "Custo equipe técnica [R$]", &m_technical},
        {"g_total", "Custo total  [R$]", &m_total},
    };
    layout->addStretch(1);
    for (const auto& total : totals) {
        auto* box = new NumberEdit(QString::fromLatin1(total.name), kTotalsPattern, column);
        box->setDisplayOnly(true);
        auto* label = new QLabel(QString::fromUtf8(total.caption), column);
        label->setBuddy(box);
        layout->addWidget(label);
        layout->addWidget(box);
        layout->addSpacing(5);
        *total.box = box;
    }
    layout->addStretch(1);
    return column;
}

void OfficeCostPanel::showCosts(const OfficeCostStatistics& figures)
{
    m_fixed->setValue(figures.fixedTotal);
    m_variable->setValue(figures.variableTotal);
    m_support->setValue(figures.supportStaffTotal);
    m_partial->setValue(figures.costWithoutTech);
    m_technical->setValue(figures.techStaffTotal);
    m_total->setValue(figures.costWithTech);
    m_breakdown->showExpenses(figures.expenseBars);
    m_ring->showGroups(figures.groupSlices);
}

} // namespace belvane

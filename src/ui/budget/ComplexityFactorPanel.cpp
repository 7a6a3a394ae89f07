#include "ui/budget/ComplexityFactorPanel.h"

#include "core/budget/ComplexityIndicators.h"
#include "core/budget/ComplexityFactor.h"
#include "core/budget/SingleRounding.h"
#include "core/budget/TaskHours.h"
#include "core/tables/ReferenceTables.h"
#include "core/text/NumberFormat.h"
#include "ui/budget/FieldCaption.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/NumberEdit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace belvane {
namespace {

constexpr int kNumberColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kRatingColumn = 2;
constexpr int kIndexColumn = 3;

EditableGrid* makeIndicatorGrid(QWidget* parent)
{
    using Kind = EditableGrid::Kind;
    QStringList ratings;
    for (QStringView level : kComplexityLevels)
        ratings << level.toString();
    auto* grid = new EditableGrid(QStringLiteral("NG7"),
                                  {{QStringLiteral("N"), Kind::Text, false, true},
                                   {QStringLiteral("Indicadores"), Kind::Text, false},
                                   {QStringLiteral("Complexidade"), Kind::DropDown, true, false, ratings, {}, 96},
                                   {QStringLiteral("Indice"), Kind::Text, false, false, {}, {}, 48}},
                                  parent);
    grid->verticalHeader()->setDefaultSectionSize(18);
    return grid;
}

} // namespace

ComplexityFactorPanel::ComplexityFactorPanel(ComplexityIndicators& indicators, QWidget* parent)
    : QGroupBox(QStringLiteral("Fator de complexidade (Fc)"), parent), m_indicators(indicators),
      m_grid(makeIndicatorGrid(this))
{
    auto* clear = new ClickableLabel(QStringLiteral("Label62"), QStringLiteral("🗋"), QStringLiteral("Limpar campos"), this);
    auto* info = new ClickableLabel(QStringLiteral("Label75"), QStringLiteral("🛈"), QStringLiteral("Instruções"), this);
    connect(clear, &ClickableLabel::clicked, this, &ComplexityFactorPanel::clearRatings);
    connect(info, &ClickableLabel::clicked, this, &ComplexityFactorPanel::instructionsClicked);
    connect(m_grid, &EditableGrid::afterEdit, this, &ComplexityFactorPanel::indicatorRowEdited);
    m_factor = new NumberEdit(QStringLiteral("P_Fcomplex"), QStringLiteral("#0.00#"), this);
    m_factor->setDisplayOnly(true);
    m_factor->setValue(1.0);

    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    bar->addWidget(clear);
    bar->addWidget(info);
    auto* factorRow = new QHBoxLayout;
    factorRow->addStretch(1);
    factorRow->addWidget(captionFor(m_factor, requiredCaption(QStringLiteral("Fc")), this));
    factorRow->addWidget(m_factor);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_grid, 1);
    layout->addLayout(factorRow);
}

double ComplexityFactorPanel::factor() const
{
    return m_factor->value();
}

void ComplexityFactorPanel::prepareRows()
{
    m_grid->removeAllRows();
    for (std::size_t i = 0; i < ComplexityIndicatorNames.size(); ++i) {
        const int row = m_grid->appendRow();
        m_grid->setCellText({row, kNumberColumn}, QString::number(i + 1));
        m_grid->setCellText({row, kNameColumn}, ComplexityIndicatorNames[i].toString());
    }
}

void ComplexityFactorPanel::pullRows()
{
    std::vector<IndicatorRow> rows;
    for (int row = 0; row < m_grid->rowCount(); ++row)
        rows.push_back({m_grid->cellText({row, kNameColumn}), m_grid->cellText({row, kRatingColumn}),
                        m_grid->cellNumber({row, kIndexColumn})});
    m_indicators.setRows(std::move(rows));
    m_indicators.setFactor(m_factor->value());
}

void ComplexityFactorPanel::indicatorRowEdited(EditableGrid::Cell cell)
{
    const auto [row, column] = cell;
    if (column != kRatingColumn)
        return;
    pullRows();
    m_indicators.rate(row);
    const std::vector<IndicatorRow>& rows = m_indicators.rows();
    for (int r = 0; r < int(rows.size()); ++r) {
        if (!rows[r].index)
            m_grid->setCellText({r, kIndexColumn}, QString());
        else if (r == row)
            m_grid->setCellText({r, kIndexColumn}, formatNumber(*rows[r].index, u"0.0"));
    }
    m_factor->setValue(m_indicators.factor());
}

void ComplexityFactorPanel::clearRatings()
{
    pullRows();
    m_indicators.clear();
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        m_grid->setCellText({row, kRatingColumn}, QString());
        m_grid->setCellText({row, kIndexColumn}, QString());
    }
    m_factor->setValue(m_indicators.factor());
}

void ComplexityFactorPanel::collectInto(TBudgetData& b)
{
    pullRows();
    m_indicators.collectInto(b);
}

void ComplexityFactorPanel::showBudget(const TBudgetData& b)
{
    m_indicators.load(b);
    m_factor->setValue(b.ComplexityFactor);
    m_grid->removeAllRows();
    for (const IndicatorRow& indicator : m_indicators.rows()) {
        const int row = m_grid->appendRow();
        m_grid->setCellText({row, kNumberColumn}, QString::number(row + 1));
        m_grid->setCellText({row, kNameColumn}, indicator.name);
        m_grid->setCellText({row, kRatingColumn}, indicator.rating);
        if (indicator.index)
            m_grid->setCellText({row, kIndexColumn}, formatNumber(*indicator.index, u"0.00"));
    }
}

} // namespace belvane

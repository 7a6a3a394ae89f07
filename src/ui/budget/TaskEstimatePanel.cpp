#include "ui/budget/TaskEstimatePanel.h"

#include "core/budget/ProjectClassification.h"
#include "core/budget/TaskEstimate.h"
#include "core/budget/TaskHours.h"
#include "core/tables/ReferenceTables.h"
#include "ui/budget/FieldCaption.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/NumberEdit.h"
#include "ui/widgets/Prompts.h"
#include "ui/widgets/Theme.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace belvane {
namespace {

constexpr int kTaskColumn = 0;
constexpr int kDoneColumn = 1;
constexpr int kRatingColumn = 2;
constexpr int kHoursColumn = 3;

QStringList ratingItems()
{
    QStringList items;
    for (QStringView level : kComplexityLevels)
        items << level.toString();
    return items;
}

EditableGrid* makeTaskGrid(QWidget* parent)
{
    using Kind = EditableGrid::Kind;
    auto* grid = new EditableGrid(QStringLiteral("Ng5"),
                                  {{QStringLiteral("Tarefas"), Kind::Text, false},
                                   {QStringLiteral("OK"), Kind::CheckBox, false, true},
                                   {QStringLiteral("Complexidade"), Kind::DropDown, true, false, ratingItems(), {}, 96},
                                   {QStringLiteral("H x h"), Kind::Text, false, false, {}, {}, 52}},
                                  parent);
    grid->verticalHeader()->setDefaultSectionSize(18);
    return grid;
}

} // namespace

TaskEstimatePanel::TaskEstimatePanel(TaskEstimate& tasks, const TOfficeData& office,
                                     const ProjectClassification& classification, QWidget* parent)
    : QGroupBox(QStringLiteral("Estimativa de recursos (Hxh)"), parent), m_tasks(tasks), m_office(office),
      m_classification(classification), m_grid(makeTaskGrid(this))
{
    auto* clear = new ClickableLabel(QStringLiteral("Label61"), QStringLiteral("🗋"), QStringLiteral("Limpar campos"), this);
    auto* info = new ClickableLabel(QStringLiteral("Label74"), QStringLiteral("🛈"), QStringLiteral("Instruções"), this);
    connect(clear, &ClickableLabel::clicked, this, &TaskEstimatePanel::clearEstimate);
    connect(info, &ClickableLabel::clicked, this, &TaskEstimatePanel::instructionsClicked);
    connect(m_grid, &EditableGrid::afterEdit, this, &TaskEstimatePanel::taskRowEdited);

    m_estimateChosen = new QRadioButton(requiredCaption(QStringLiteral("Estim.Hxh calculada")), this);
    m_estimateChosen->setObjectName(QStringLiteral("P_HxhAuto"));
    m_manualChosen = new QRadioButton(requiredCaption(QStringLiteral("Estim. Hxh manual")), this);
    m_manualChosen->setObjectName(QStringLiteral("P_HxhMan"));
    auto* choice = new QButtonGroup(this);
    choice->addButton(m_estimateChosen);
    choice->addButton(m_manualChosen);
    m_manualChosen->setChecked(true);
    // The indicators are drawn by hand so the chosen one stands out on the dark panel.
    for (QRadioButton* radio : {m_estimateChosen, m_manualChosen}) {
        radio->setStyleSheet(theme::accented(QStringLiteral(
            "QRadioButton::indicator { width: 11px; height: 11px; border-radius: 6px;"
            " border: 1px solid #b0b0b8; background: #1f1f22; }"
            "QRadioButton::indicator:checked { background: @accent; border-color: #ffc080; }")));
    }
    m_estimate = new NumberEdit(QStringLiteral("P_HxhAutoValue"), QStringLiteral("#0.#"), this);
    m_estimate->setDisplayOnly(true);
    m_manual = new NumberEdit(QStringLiteral("P_HxhManValue"), QStringLiteral("0"), this);

    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    bar->addWidget(clear);
    bar->addWidget(info);
    auto* values = new QGridLayout;
    values->addWidget(m_estimateChosen, 0, 0);
    values->addWidget(m_estimate, 0, 1);
    values->addWidget(m_manualChosen, 1, 0);
    values->addWidget(m_manual, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_grid, 1);
    layout->addLayout(values);
}

bool TaskEstimatePanel::estimateChosen() const
{
    return m_estimateChosen->isChecked();
}

double TaskEstimatePanel::estimate() const
{
    return m_estimate->value();
}

void TaskEstimatePanel::prepareRows()
{
    m_grid->removeAllRows();
    for (QStringView task : TaskNames)
        m_grid->setCellText({m_grid->appendRow(), kTaskColumn}, task.toString());
}

void TaskEstimatePanel::pullRows()
{
    std::vector<TaskRow> rows;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QString hours = m_grid->cellText({row, kHoursColumn});
        rows.push_back({m_grid->cellText({row, kTaskColumn}), m_grid->cellChecked({row, kDoneColumn}),
                        m_grid->cellText({row, kRatingColumn}),
                        hours.isEmpty() ? std::nullopt : std::optional<int>(hours.toInt())});
    }
    m_tasks.setRows(std::move(rows));
}

void TaskEstimatePanel::showRows()
{
    const std::vector<TaskRow>& tasks = m_tasks.rows();
    for (int row = 0; row < std::min(int(tasks.size()), m_grid->rowCount()); ++row) {
        m_grid->setCellText({row, kTaskColumn}, tasks[row].name);
        m_grid->setCellChecked({row, kDoneColumn}, tasks[row].done);
        m_grid->setCellText({row, kRatingColumn}, tasks[row].rating);
        m_grid->setCellText({row, kHoursColumn}, tasks[row].hours ? QString::number(*tasks[row].hours) : QString());
    }
}

void TaskEstimatePanel::RecalcAutoHxh(int category)
{
    pullRows();
    const int sum = m_tasks.recalculate(category, m_office);
    showRows();
    m_estimate->setValue(sum);
}

void TaskEstimatePanel::taskRowEdited(EditableGrid::Cell cell)
{
    const auto [row, column] = cell;
    if (column != kRatingColumn)
        return;
    pullRows();
    if (!m_tasks.rate(row, m_classification.category(), m_office)) {
        showRows();
        Prompts::inform(this, QStringLiteral("É preciso definir a Categoria do projeto"));
        return;
    }
    showRows();
    m_estimate->setValue(m_tasks.total());
}

void TaskEstimatePanel::clearEstimate()
{
    pullRows();
    m_tasks.clear();
    showRows();
    m_manual->setValue(0);
    m_estimate->setValue(0);
}

void TaskEstimatePanel::collectInto(TBudgetData& b)
{
    pullRows();
    m_manual->interpretText();
    b.HxhManual = m_manualChosen->isChecked() ? 1 : 0;
    b.HxhManualValue = TaskEstimate::manHoursWord(m_manual->value());
    b.HxhAutoValue = static_cast<std::uint16_t>(m_estimate->value());
    m_tasks.collectInto(b);
}

void TaskEstimatePanel::showBudget(const TBudgetData& b)
{
    m_manualChosen->setChecked(b.HxhManual != 0);
    m_estimateChosen->setChecked(b.HxhManual == 0);
    m_manual->setValue(b.HxhManualValue);
    m_estimate->setValue(b.HxhAutoValue);
    m_tasks.load(b);
    m_grid->removeAllRows();
    for (std::size_t i = 0; i < m_tasks.rows().size(); ++i)
        m_grid->appendRow();
    showRows();
}

} // namespace belvane

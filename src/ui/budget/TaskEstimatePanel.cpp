#include "ui/budget/TaskEstimatePanel.h"

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

// Man-hours typed by hand, cut to the 16-bit word the record keeps them in.
std::uint16_t manHoursWord(double value)
{
    const double whole = std::trunc(value);
    if (!(std::fabs(whole) < 9.0e18))
        return 0;
    return static_cast<std::uint16_t>(static_cast<long long>(whole));
}

} // namespace

TaskEstimatePanel::TaskEstimatePanel(const TOfficeData& office, std::function<QString()> categoryText,
                                     QWidget* parent)
    : QGroupBox(QStringLiteral("Estimativa de recursos (Hxh)"), parent), m_office(office),
      m_categoryText(std::move(categoryText)), m_grid(makeTaskGrid(this))
{
    auto* clear = new ClickableLabel(QStringLiteral("Label61"), QStringLiteral("🗋"), QStringLiteral("Limpar campos"), this);
    auto* info = new ClickableLabel(QStringLiteral("Label74"), QStringLiteral("🛈"), QStringLiteral("Instruções"), this);
    connect(clear, &ClickableLabel::clicked, this, &TaskEstimatePanel::Label61Click);
    connect(info, &ClickableLabel::clicked, this, &TaskEstimatePanel::instructionsClicked);
    connect(m_grid, &EditableGrid::afterEdit, this, &TaskEstimatePanel::Ng5AfterEdit);

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
        m_grid->setCellText(kTaskColumn, m_grid->appendRow(), task.toString());
}

void TaskEstimatePanel::RecalcAutoHxh(int category)
{
    std::uint16_t sum = 0;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QString rating = m_grid->cellText(kRatingColumn, row);
        if (rating.isEmpty())
            continue;
        const std::uint16_t hours = TaskHxh(rating, category, m_office);
        m_grid->setCellText(kHoursColumn, row, QString::number(hours));
        sum = totalManHours({sum, hours});
    }
    m_estimate->setValue(sum);
}

void TaskEstimatePanel::Ng5AfterEdit(int column, int row)
{
    if (column != kRatingColumn)
        return;
    const QString category = m_categoryText();
    if (category == QLatin1String("0")) {
        Prompts::inform(this, QStringLiteral("É preciso definir a Categoria do projeto"));
        m_grid->setCellText(kHoursColumn, row, QString());
        m_grid->setCellText(kRatingColumn, row, QString());
        return;
    }
    const std::uint16_t hours = TaskHxh(m_grid->cellText(kRatingColumn, row), category.toInt(), m_office);
    m_grid->setCellText(kHoursColumn, row, hours == 0 ? QString() : QString::number(hours));
    sumTaskColumn();
}

void TaskEstimatePanel::sumTaskColumn()
{
    QList<int> hours;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QString cell = m_grid->cellText(kHoursColumn, row);
        if (!cell.isEmpty())
            hours << cell.toInt();
    }
    m_estimate->setValue(totalManHours(hours));
}

void TaskEstimatePanel::Label61Click()
{
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        m_grid->setCellChecked(kDoneColumn, row, false);
        m_grid->setCellText(kRatingColumn, row, QString());
        m_grid->setCellText(kHoursColumn, row, QString());
    }
    m_manual->setValue(0);
    m_estimate->setValue(0);
}

void TaskEstimatePanel::collectInto(TBudgetData& b) const
{
    m_manual->interpretText();
    b.HxhManual = m_manualChosen->isChecked() ? 1 : 0;
    b.HxhManualValue = manHoursWord(m_manual->value());
    b.HxhAutoValue = static_cast<std::uint16_t>(m_estimate->value());
    const int rows = std::min(m_grid->rowCount(), kBudgetSlots);
    for (int row = 0; row < rows; ++row) {
        TBudgetTask& task = b.Tasks[row];
        task.Name.assign(m_grid->cellText(kTaskColumn, row));
        task.Done = m_grid->cellChecked(kDoneColumn, row) ? 1 : 0;
        task.Complexity.assign(m_grid->cellText(kRatingColumn, row));
        const QString hours = m_grid->cellText(kHoursColumn, row);
        task.Hxh = hours.isEmpty() ? 0 : static_cast<std::uint16_t>(hours.toInt());
    }
}

void TaskEstimatePanel::showBudget(const TBudgetData& b)
{
    m_manualChosen->setChecked(b.HxhManual != 0);
    m_estimateChosen->setChecked(b.HxhManual == 0);
    m_manual->setValue(b.HxhManualValue);
    m_estimate->setValue(b.HxhAutoValue);
    m_grid->removeAllRows();
    for (int i = 0; i < kBudgetSlots && !b.Tasks[i].Name.isEmpty(); ++i) {
        const TBudgetTask& task = b.Tasks[i];
        const int row = m_grid->appendRow();
        m_grid->setCellText(kTaskColumn, row, task.Name.toQString());
        m_grid->setCellText(kRatingColumn, row, task.Complexity.toQString());
        m_grid->setCellText(kHoursColumn, row, task.Hxh == 0 ? QString() : QString::number(task.Hxh));
    }
}

} // namespace belvane

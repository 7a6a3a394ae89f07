#include "ui/budget/ProjectDataTab.h"

#include "core/budget/ProjectClassification.h"
#include "core/budget/RepetitionFactor.h"
#include "core/budget/SingleRounding.h"
#include "core/budget/TextFieldCapacities.h"
#include "core/tables/ReferenceTables.h"
#include "ui/budget/FieldCaption.h"
#include "ui/widgets/NumberEdit.h"
#include "ui/widgets/TextCapacityLimit.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>
#include <utility>

namespace belvane {
namespace {

QStringList namesOf(const auto& table)
{
    QStringList names;
    for (QStringView name : table)
        names << name.toString();
    return names;
}

constexpr double kLargestArea = 9999999.9;

NumberEdit* numberEdit(const char* name, const char* pattern, QWidget* parent)
{
    auto* edit = new NumberEdit(QString::fromLatin1(name), QString::fromLatin1(pattern), parent);
    edit->setValue(0.0);
    return edit;
}

} // namespace

ProjectDataTab::ProjectDataTab(ProjectClassification& classification, QWidget* parent)
    : QWidget(parent), m_classification(classification)
{
    setObjectName(QStringLiteral("TabP_dados"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(12);
    layout->addWidget(buildClientPanel());
    layout->addWidget(buildProjectPanel());
    layout->addStretch(1);
    connect(m_use, &QComboBox::currentIndexChanged, this, &ProjectDataTab::offerTypesOfUse);
    connect(m_type, &QComboBox::currentIndexChanged, this, &ProjectDataTab::followBuildingType);
    connect(m_group, &QComboBox::currentIndexChanged, this, &ProjectDataTab::offerServicesOfGroup);
    connect(m_repetitions, &QSpinBox::valueChanged, this, &ProjectDataTab::showRepetitionFactor);
}

QLineEdit* ProjectDataTab::makeTextEdit(const char* name, int capacity)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    limitToCapacity(edit, capacity);
    return edit;
}

QWidget* ProjectDataTab::buildClientPanel()
{
    auto* panel = new QGroupBox(QStringLiteral("Cliente"), this);
    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(14);
    m_name = makeTextEdit("P_Prop", textCapacity::kClientName);
    m_phone = makeTextEdit("P_tel", textCapacity::kClientPhone);
    m_email = makeTextEdit("P_email", textCapacity::kClientEmail);
    m_address = makeTextEdit("P_Ender", textCapacity::kClientAddress);
    addStackedField(grid, 0, 0, m_name, requiredCaption(QStringLiteral("Nome")), 2);
    addStackedField(grid, 0, 2, m_phone, QStringLiteral("Tel"));
    addStackedField(grid, 2, 0, m_address, QStringLiteral("Endereço"), 2);
    addStackedField(grid, 2, 2, m_email, QStringLiteral("Email"));
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    return panel;
}

QComboBox* ProjectDataTab::makeSelector(const char* name)
{
    auto* selector = new QComboBox(this);
    selector->setObjectName(QString::fromLatin1(name));
    selector->setEditable(false);
    selector->setMaxVisibleItems(20);
    selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    selector->setMinimumContentsLength(24);
    selector->installEventFilter(this);
    return selector;
}

void ProjectDataTab::makeProjectControls(QWidget* panel)
{
    m_use = makeSelector("P_cat");
    m_type = makeSelector("P_SubCat");
    m_type->addItem(QString());
    m_category = new QLineEdit(this);
    m_category->setObjectName(QStringLiteral("P_classif"));
    m_category->setMaxLength(3);
    m_category->setReadOnly(true);
    m_group = makeSelector("P_tipo");
    m_service = makeSelector("P_SubTipo");
    m_service->addItem(QString());
    m_code = makeTextEdit("P_Codigo", textCapacity::kProjectCode);
    m_area = numberEdit("P_area", "0.0", panel);
    // Beyond this the single-precision record no longer holds a tenth of a square metre.
    m_area->setRange(0.0, kLargestArea);
    m_area->setInputHint(QStringLiteral("Digite uma área entre 0 e 9.999.999,9 m2."));
    m_profit = numberEdit("P_lucropc", "0.0", panel);
    m_rrt = numberEdit("P_DespART", "0.00", panel);
    m_thirdParty = numberEdit("P_terceiros", "0.00", panel);
    m_travel = numberEdit("P_DespDesloc", "0.00", panel);
    m_repetitions = new QSpinBox(panel);
    m_repetitions->setObjectName(QStringLiteral("P_rep"));
    m_repetitions->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    m_factor = numberEdit("P_fatorR", "0.00", panel);
    m_factor->setDisplayOnly(true);
    m_factor->setValue(1.0);
}

QWidget* ProjectDataTab::buildProjectPanel()
{
    auto* panel = new QGroupBox(QStringLiteral("Projeto"), this);
    makeProjectControls(panel);
    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(18);
    // The project category stands right under the building type it follows from.
    addStackedField(grid, 0, 0, m_use, requiredCaption(QStringLiteral("Categoria")), 2);
    addStackedField(grid, 2, 0, m_type, requiredCaption(QStringLiteral("Sub categoria")), 2);
    addStackedField(grid, 4, 0, m_category, QStringLiteral("Categoria"));
    addStackedField(grid, 6, 0, m_group, requiredCaption(QStringLiteral("Tipo")), 2);
    addStackedField(grid, 8, 0, m_service, requiredCaption(QStringLiteral("Sub Tipo")), 2);
    addStackedField(grid, 10, 0, m_code, QStringLiteral("Código do projeto"), 2);
    addStackedField(grid, 0, 2, m_area, requiredCaption(QStringLiteral("Área do projeto [m2]")));
    addStackedField(grid, 0, 3, m_profit, requiredCaption(QStringLiteral("Lucro líquido desejado [%]")));
    addStackedField(grid, 2, 2, m_rrt, QStringLiteral("RRT [R$]"));
    addStackedField(grid, 2, 3, m_thirdParty, QStringLiteral("Serviços de terceiros  [R$]"));
    addStackedField(grid, 4, 2, m_travel, QStringLiteral("Despesas de deslocamento [R$]"));
    addStackedField(grid, 8, 2, m_repetitions, QStringLiteral("Repetições"));
    addStackedField(grid, 8, 3, m_factor, QStringLiteral("Fator de Repetição"));
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 5);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 2);
    return panel;
}

bool ProjectDataTab::eventFilter(QObject* watched, QEvent* event)
{
    // A selector reached with the keyboard opens its list at once.
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        auto* selector = qobject_cast<QComboBox*>(watched);
        if (selector && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            selector->showPopup();
    }
    return QWidget::eventFilter(watched, event);
}

void ProjectDataTab::refill(QComboBox* selector, const QStringList& items)
{
    const QSignalBlocker quiet(selector);
    selector->clear();
    selector->addItems(items);
    selector->setCurrentIndex(-1);
}

void ProjectDataTab::prepareSelectors()
{
    refill(m_use, namesOf(BuildingUseNames));
    refill(m_group, namesOf(ServiceGroupNames));
}

void ProjectDataTab::offerTypesOfUse()
{
    // The project category is deliberately left alone: it keeps the category of the type chosen
    // before until a new type is chosen.
    refill(m_type, buildingTypesOfUse(m_use->findText(m_use->currentText())));
}

void ProjectDataTab::followBuildingType()
{
    if (!m_classification.takeBuildingType(m_type->currentText()))
        return;
    m_category->setText(QString::number(m_classification.category()));
    emit projectCategoryChanged(m_classification.category());
}

void ProjectDataTab::offerServicesOfGroup()
{
    refill(m_service, servicesOfGroup(m_group->findText(m_group->currentText())));
}

void ProjectDataTab::showRepetitionFactor()
{
    m_factor->setValue(RepetitionFactorOf(float(m_repetitions->value())));
}

void ProjectDataTab::setProfitPercent(double percent)
{
    m_profit->setValue(percent);
}

void ProjectDataTab::commitOpenEdits()
{
    for (NumberEdit* edit : {m_area, m_profit, m_rrt, m_thirdParty, m_travel})
        edit->interpretText();
    m_repetitions->interpretText();
}

void ProjectDataTab::collectInto(TBudgetData& b) const
{
    b.ClientName.assign(m_name->text());
    b.ClientAddress.assign(m_address->text());
    b.ClientPhone.assign(m_phone->text());
    b.ClientEmail.assign(m_email->text());
    b.Area = narrowToSingle(m_area->value());
    b.BuildingUse.assign(m_use->currentText());
    b.ProjectCategory = static_cast<std::uint8_t>(m_classification.category());
    b.BuildingType.assign(m_type->currentText());
    b.ServiceGroup.assign(m_group->currentText());
    b.Service.assign(m_service->currentText());
    b.RRT = narrowToSingle(m_rrt->value());
    b.TravelExpenses = narrowToSingle(m_travel->value());
    b.ThirdParty = narrowToSingle(m_thirdParty->value());
    // The record keeps the repetitions in one byte.
    b.Repetitions = static_cast<std::uint8_t>(m_repetitions->value());
    b.RepetitionFactor = narrowToSingle(m_factor->value());
    b.ProfitPercent = narrowToSingle(m_profit->value());
    b.ProjectCode.assign(m_code->text());
}

void ProjectDataTab::showBudget(const TBudgetData& b)
{
    refill(m_type, {});
    refill(m_service, {});
    // A long address or e-mail shows its beginning, as it was typed, not its end.
    const std::pair<QLineEdit*, QString> texts[] = {{m_name, b.ClientName.toQString()},
                                                    {m_address, b.ClientAddress.toQString()},
                                                    {m_phone, b.ClientPhone.toQString()},
                                                    {m_email, b.ClientEmail.toQString()}};
    for (const auto& [edit, text] : texts) {
        edit->setText(text);
        edit->setCursorPosition(0);
    }
    m_area->setValue(b.Area);
    {
        const QSignalBlocker quietUse(m_use);
        const QSignalBlocker quietType(m_type);
        const QSignalBlocker quietGroup(m_group);
        const QSignalBlocker quietService(m_service);
        // Selecting from the record runs the two list-filling steps, never the type-change step:
        // the category and the man-hours shown are those stored in the budget.
        m_use->setCurrentIndex(m_use->findText(b.BuildingUse.toQString()));
        offerTypesOfUse();
        m_type->setCurrentIndex(m_type->findText(b.BuildingType.toQString()));
        m_group->setCurrentIndex(m_group->findText(b.ServiceGroup.toQString()));
        offerServicesOfGroup();
        m_service->setCurrentIndex(m_service->findText(b.Service.toQString()));
    }
    m_classification.setCategory(b.ProjectCategory);
    m_category->setText(QString::number(b.ProjectCategory));
    m_rrt->setValue(b.RRT);
    m_travel->setValue(b.TravelExpenses);
    m_thirdParty->setValue(b.ThirdParty);
    m_repetitions->setValue(b.Repetitions);
    m_factor->setValue(b.RepetitionFactor);
    m_code->setText(b.ProjectCode.toQString());
    m_profit->setValue(b.ProfitPercent);
}

} // namespace belvane

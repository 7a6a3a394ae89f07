#include "ui/office/OfficeCostsTab.h"

#include "core/office/OfficeCosts.h"
#include "core/office/OfficeRecord.h"
#include "core/tables/ReferenceTables.h"
#include "ui/office/NoteSwitch.h"
#include "ui/office/OfficeNotes.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/NumberEdit.h"
#include "ui/widgets/Prompts.h"
#include "ui/widgets/Theme.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace belvane {
namespace {

using Kind = EditableGrid::Kind;

constexpr int kExpenseRowLimit = 100;
constexpr int kStaffRowLimit = 20;
const QString kMoneyMask = QStringLiteral("0.00");

QList<EditableGrid::Column> expenseColumns(const QString& valueHeader)
{
    EditableGrid::Column description{QStringLiteral("Descrição")};
    description.maxLength = 30;
    description.sortable = true;
    EditableGrid::Column value{valueHeader, Kind::Number};
    value.pattern = kMoneyMask;
    value.pasteAllowed = false;
    value.negativeAllowed = false;
    value.width = 96;
    value.sortable = true;
    return {description, value};
}

QList<EditableGrid::Column> staffColumns()
{
    EditableGrid::Column name{QStringLiteral("Nome / Cargo")};
    name.maxLength = 30;
    EditableGrid::Column role{QStringLiteral("Função")};
    role.maxLength = 20;
    role.width = 130;
    EditableGrid::Column type{QStringLiteral("Tipo"), Kind::DropDown};
    type.items = {QStringLiteral("Técnico"), QStringLiteral("Apoio")};
    type.width = 86;
    EditableGrid::Column cost{QStringLiteral("Custos [R$]"), Kind::Number};
    cost.pattern = kMoneyMask;
    cost.negativeAllowed = false;
    cost.width = 96;
    return {name, role, type, cost};
}

// Names are told apart with only the letters A to Z folded: "Ana" equals "ANA", while "José"
// and "JOSÉ" are different names.
QString foldedName(const QString& name)
{
    QString folded = name;
    for (QChar& c : folded) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return folded;
}

std::vector<std::optional<double>> valuesOf(const EditableGrid& grid, int column)
{
    std::vector<std::optional<double>> values;
    for (int row = 0; row < grid.rowCount(); ++row)
        values.push_back(grid.cellNumber(column, row));
    return values;
}

QPushButton* smallButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(30, 24);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(theme::accented(QStringLiteral("color: @accent-light; font-weight: bold;")));
    return label;
}

} // namespace

OfficeCostsTab::OfficeCostsTab(QSpinBox* monthlyHours, QWidget* parent) : QWidget(parent), m_hours(monthlyHours)
{
    setObjectName(QStringLiteral("TabE_despesas"));
    m_panel = new QGroupBox(QStringLiteral("Despesas gerais"), this);
    m_panel->setObjectName(QStringLiteral("NxHeaderPanel9"));
    m_fixed = new EditableGrid(QStringLiteral("NG1"), expenseColumns(QStringLiteral(" [R$]")), m_panel);
    m_variable = new EditableGrid(QStringLiteral("Ng2"), expenseColumns(QStringLiteral("[R$]")), m_panel);
    m_staff = new EditableGrid(QStringLiteral("NG9"), staffColumns(), m_panel);
    m_fixedTotal = makeTotal("E_CustoFix", QStringLiteral("#0.00#"));
    m_variableTotal = makeTotal("E_custoVar", QStringLiteral("#0.00#"));
    m_techTotal = makeTotal("E_CustoTec", QStringLiteral("#0.00#"));
    m_supportTotal = makeTotal("E_CustoApoio", QStringLiteral("#0.00#"));
    m_costWithoutTech = makeTotal("E_CustoParcial", QStringLiteral("#0.00#"));
    m_costPerHour = makeTotal("E_custoHor", QStringLiteral("#0.00"));
    m_costWithTech = makeTotal("E_CustoTotalEqTec", QStringLiteral("#0.00#"));
    m_costWithTechPerHour = makeTotal("E_CustoTotalHEqTec", QStringLiteral("#0.00"));

    auto* lists = new QHBoxLayout;
    lists->addWidget(buildExpenseList(QStringLiteral("CUSTOS FIXOS"), m_fixed, "AbColBitBtn13", "AbColBitBtn27", 1,
                                      m_fixedTotal));
    lists->addWidget(buildExpenseList(QStringLiteral("CUSTOS VARIÁVEIS"), m_variable, "AbColBitBtn28",
                                      "AbColBitBtn30", 2, m_variableTotal));
    auto* left = new QVBoxLayout;
    left->addLayout(lists, 1);
    left->addWidget(buildCostSummary());
    auto* panelLayout = new QHBoxLayout(m_panel);
    panelLayout->setContentsMargins(10, 14, 10, 10);
    panelLayout->setSpacing(14);
    panelLayout->addLayout(left, 11);
    panelLayout->addWidget(buildStaffList(), 10);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(m_panel);

    connect(m_fixed, &EditableGrid::afterEdit, this, &OfficeCostsTab::NG1AfterEdit);
    connect(m_variable, &EditableGrid::afterEdit, this, &OfficeCostsTab::NG1AfterEdit);
    connect(m_staff, &EditableGrid::afterEdit, this, &OfficeCostsTab::NG9AfterEdit);
}

NumberEdit* OfficeCostsTab::makeTotal(const char* name, const QString& pattern)
{
    auto* total = new NumberEdit(QString::fromLatin1(name), pattern, m_panel);
    total->setDisplayOnly(true);
    total->setFixedWidth(104);
    return total;
}

QWidget* OfficeCostsTab::buildExpenseList(const QString& title, EditableGrid* grid, const char* addName,
                                          const char* deleteName, int gridNumber, NumberEdit* total)
{
    auto* box = new QWidget(m_panel);
    auto* add = smallButton(addName, QStringLiteral("+"), box);
    auto* remove = smallButton(deleteName, QStringLiteral("✘"), box);
    remove->setProperty("tag", gridNumber);
    connect(add, &QPushButton::clicked, this,
            gridNumber == 1 ? &OfficeCostsTab::AbColBitBtn13Click : &OfficeCostsTab::AbColBitBtn28Click);
    connect(remove, &QPushButton::clicked, this, &OfficeCostsTab::AbColBitBtn27Click);

    auto* bar = new QHBoxLayout;
    bar->addWidget(heading(title, box));
    bar->addStretch(1);
    bar->addWidget(add);
    bar->addWidget(remove);
    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch(1);
    totalRow->addWidget(new QLabel(QStringLiteral("Total [R$]"), box));
    totalRow->addWidget(total);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(grid, 1);
    layout->addLayout(totalRow);
    return box;
}

QWidget* OfficeCostsTab::buildStaffList()
{
    auto* box = new QWidget(m_panel);
    auto* add = smallButton("AbColBitBtn32", QStringLiteral("+"), box);
    auto* remove = smallButton("AbColBitBtn31", QStringLiteral("✘"), box);
    remove->setProperty("tag", 9);
    connect(add, &QPushButton::clicked, this, &OfficeCostsTab::AbColBitBtn32Click);
    connect(remove, &QPushButton::clicked, this, &OfficeCostsTab::AbColBitBtn27Click);
    auto* bar = new QHBoxLayout;
    bar->addWidget(heading(QStringLiteral("CUSTOS - QUADRO DE PESSOAL DO ESCRITÓRIO"), box));
    bar->addStretch(1);
    bar->addWidget(add);
    bar->addWidget(remove);

    auto* totals = new QGridLayout;
    totals->setColumnStretch(0, 1);
    totals->addWidget(new QLabel(QStringLiteral("Total Equipe Técnica  [R$]"), box), 0, 1, Qt::AlignRight);
    totals->addWidget(m_techTotal, 0, 2);
    totals->addWidget(new QLabel(QStringLiteral("Total Equipe de Apoio [R$]"), box), 1, 1, Qt::AlignRight);
    totals->addWidget(m_supportTotal, 1, 2);

    m_staffNote = new QPlainTextEdit(staffNote(), box);
    m_staffNote->setObjectName(QStringLiteral("NxMemo2"));
    m_staffNote->setReadOnly(true);
    m_staffNote->setFixedHeight(150);
    m_staffNote->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_staffNoteSwitch = new NoteSwitch(QStringLiteral("AbColBitBtn6"), QStringLiteral("+ Anotações do Quadro de Pessoal "),
                                       QStringLiteral("- Anotações do Quadro de Pessoal "), box);
    connect(m_staffNoteSwitch, &NoteSwitch::statusChanged, this, &OfficeCostsTab::AbColBitBtn6Click);

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(m_staff, 1);
    layout->addLayout(totals);
    layout->addWidget(m_staffNoteSwitch, 0, Qt::AlignLeft);
    layout->addWidget(m_staffNote);
    return box;
}

QWidget* OfficeCostsTab::buildCostSummary()
{
    auto* box = new QFrame(m_panel);
    box->setObjectName(QStringLiteral("costSummary"));
    box->setStyleSheet(QStringLiteral("#costSummary { border-top: 1px solid #55555c; }"));
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 10, 0, 0);
    layout->setColumnStretch(0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Custo Total sem Equipe Técnica [R$]"), box), 0, 1, Qt::AlignRight);
    layout->addWidget(m_costWithoutTech, 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("[R$/h]"), box), 0, 3, Qt::AlignRight);
    layout->addWidget(m_costPerHour, 0, 4);
    layout->addWidget(new QLabel(QStringLiteral("Custo Total com Equipe Técnica [R$]"), box), 1, 1, Qt::AlignRight);
    layout->addWidget(m_costWithTech, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("[R$/h]"), box), 1, 3, Qt::AlignRight);
    layout->addWidget(m_costWithTechPerHour, 1, 4);
    return box;
}

void OfficeCostsTab::RecalcOfficeCosts()
{
    OfficeCostRows rows;
    rows.fixed = valuesOf(*m_fixed, 1);
    rows.variable = valuesOf(*m_variable, 1);
    for (int row = 0; row < m_staff->rowCount(); ++row)
        rows.staff.push_back({m_staff->cellText(2, row), m_staff->cellNumber(3, row)});
    rows.monthlyHours = m_hours->value();
    // A value that is no number leaves every total as it was.
    const std::optional<OfficeCostTotals> totals = computeOfficeCosts(rows);
    if (!totals)
        return;
    m_supportTotal->setValue(totals->supportStaffTotal);
    m_techTotal->setValue(totals->techStaffTotal);
    m_fixedTotal->setValue(totals->fixedTotal);
    m_variableTotal->setValue(totals->variableTotal);
    m_costWithoutTech->setValue(totals->costWithoutTech);
    m_costWithTech->setValue(totals->costWithTech);
    m_costPerHour->setValue(totals->costPerHour);
    m_costWithTechPerHour->setValue(totals->costWithTechPerHour);
}

void OfficeCostsTab::showOffice(const TOfficeData& office)
{
    m_costWithoutTech->setValue(office.CostWithoutTech);
    m_fixedTotal->setValue(office.FixedTotal);
    m_variableTotal->setValue(office.VariableTotal);
    m_costPerHour->setValue(office.CostPerHour);
    m_supportTotal->setValue(office.SupportStaffTotal);
    m_techTotal->setValue(office.TechStaffTotal);
    const double withTech = double(office.CostWithoutTech) + double(office.TechStaffTotal);
    m_costWithTech->setValue(withTech);
    m_costWithTechPerHour->setValue(office.MonthlyHours > 0 ? withTech / office.MonthlyHours : 0.0);

    m_fixed->removeAllRows();
    m_variable->removeAllRows();
    m_staff->removeAllRows();
    // Entries without a name leave no gap: every appended row takes its own entry's values.
    for (int i = 0; i < std::min<int>(office.StaffCount, kStaffSlots); ++i) {
        if (office.StaffName[i].isEmpty())
            continue;
        const int row = m_staff->appendRow();
        m_staff->setCellText(0, row, office.StaffName[i].toQString());
        m_staff->setCellText(1, row, office.StaffRole[i].toQString());
        m_staff->setCellText(2, row, office.StaffType[i].toQString());
        m_staff->setCellNumber(3, row, office.StaffCost[i]);
    }
    for (int i = 0; i < kExpenseSlots; ++i) {
        if (!office.FixedExpenseName[i].isEmpty()) {
            const int row = m_fixed->appendRow();
            m_fixed->setCellText(0, row, office.FixedExpenseName[i].toQString());
            m_fixed->setCellNumber(1, row, office.FixedExpenseValue[i]);
        }
        if (!office.VariableExpenseName[i].isEmpty()) {
            const int row = m_variable->appendRow();
            m_variable->setCellText(0, row, office.VariableExpenseName[i].toQString());
            m_variable->setCellNumber(1, row, office.VariableExpenseValue[i]);
        }
    }
}

void OfficeCostsTab::collectInto(TOfficeData& office) const
{
    // Only named staff rows are stored, closing up the unnamed ones.
    int stored = 0;
    for (int row = 0; row < m_staff->rowCount() && stored < kStaffSlots; ++row) {
        const QString name = m_staff->cellText(0, row);
        if (name.isEmpty())
            continue;
        office.StaffName[stored].assign(name);
        office.StaffRole[stored].assign(m_staff->cellText(1, row));
        office.StaffType[stored].assign(m_staff->cellText(2, row));
        office.StaffCost[stored] = static_cast<float>(m_staff->cellNumber(3, row).value_or(0.0));
        ++stored;
    }
    office.StaffCount = static_cast<std::uint8_t>(stored);
    // Every expense row keeps its slot; one without a description is stored as a slot not in use.
    for (int row = 0; row < std::min(m_fixed->rowCount(), kExpenseSlots); ++row) {
        office.FixedExpenseName[row].assign(m_fixed->cellText(0, row));
        office.FixedExpenseValue[row] = static_cast<float>(m_fixed->cellNumber(1, row).value_or(0.0));
    }
    for (int row = 0; row < std::min(m_variable->rowCount(), kExpenseSlots); ++row) {
        office.VariableExpenseName[row].assign(m_variable->cellText(0, row));
        office.VariableExpenseValue[row] = static_cast<float>(m_variable->cellNumber(1, row).value_or(0.0));
    }
}

void OfficeCostsTab::resetRows()
{
    m_fixed->removeAllRows();
    m_variable->removeAllRows();
    for (const QStringView name : FixedExpenseNames)
        m_fixed->setCellText(0, m_fixed->appendRow(), name.toString());
    for (const QStringView name : VariableExpenseNames)
        m_variable->setCellText(0, m_variable->appendRow(), name.toString());
    m_staff->removeAllRows();
}

void OfficeCostsTab::sortExpensesByValue()
{
    m_fixed->sortRows(1, Qt::DescendingOrder);
    m_variable->sortRows(1, Qt::DescendingOrder);
}

void OfficeCostsTab::commitOpenEdits()
{
    for (EditableGrid* grid : {m_fixed, m_variable, m_staff})
        grid->commitOpenEditor();
}

EditableGrid* OfficeCostsTab::gridOf(int gridNumber) const
{
    switch (gridNumber) {
    case 1: return m_fixed;
    case 2: return m_variable;
    case 9: return m_staff;
    default: return nullptr;
    }
}

void OfficeCostsTab::addRow(EditableGrid* grid, int limit)
{
    // Beyond the limit the list would not fit the office record; the button just does nothing.
    if (grid->rowCount() < limit)
        grid->appendRow();
}

void OfficeCostsTab::AbColBitBtn13Click() { addRow(m_fixed, kExpenseRowLimit); }
void OfficeCostsTab::AbColBitBtn28Click() { addRow(m_variable, kExpenseRowLimit); }
void OfficeCostsTab::AbColBitBtn32Click() { addRow(m_staff, kStaffRowLimit); }

void OfficeCostsTab::AbColBitBtn27Click()
{
    if (const QObject* button = sender())
        DeleteGridRow(button->property("tag").toInt());
}

void OfficeCostsTab::DeleteGridRow(int gridNumber)
{
    EditableGrid* grid = gridOf(gridNumber);
    if (!grid)
        return;
    const int row = grid->selectedRow();
    if (row >= 0) {
        const auto answer = Prompts::ask(this, QStringLiteral("O item selecionado será apagado. Continuar?"),
                                         QMessageBox::Ok | QMessageBox::Cancel, Prompts::Box::Confirmation);
        if (answer == QMessageBox::Ok) {
            grid->removeRow(row);
            grid->clearRowSelection();
        }
    }
    // Recomputed and marked whatever the answer, even when no row was selected.
    RecalcOfficeCosts();
    emit edited();
}

void OfficeCostsTab::NG1AfterEdit(int, int)
{
    RecalcOfficeCosts();
    emit edited();
}

void OfficeCostsTab::NG9AfterEdit(int column, int row)
{
    const QString name = foldedName(m_staff->cellText(0, row));
    // An unnamed row is not checked or counted until it gets a name, but a name cleared is an
    // edit of the office like any other: the member leaves the office when it is saved.
    if (name.isEmpty()) {
        if (column == 0)
            emit edited();
        return;
    }
    for (int other = 0; other < m_staff->rowCount(); ++other) {
        if (other != row && foldedName(m_staff->cellText(0, other)) == name) {
            Prompts::inform(this, QStringLiteral("Os nomes devem ser diferentes"));
            m_staff->removeRow(row);
            break;
        }
    }
    // A refused row is gone at once, so the totals and the modified office follow right away.
    RecalcOfficeCosts();
    emit edited();
}

void OfficeCostsTab::AbColBitBtn6Click(bool on)
{
    m_staffNote->setVisible(on);
}

void OfficeCostsTab::E_HoraMensalSpin()
{
    emit edited();
    if (m_hours->value() >= 10)
        RecalcOfficeCosts();
    else
        m_hours->setValue(10);
}

} // namespace belvane

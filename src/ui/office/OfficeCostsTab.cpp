#include "ui/office/OfficeCostsTab.h"

#include "core/budget/TextFieldCapacities.h"
#include "core/office/OfficeDraft.h"
#include "core/office/OfficeRecord.h"
#include "ui/office/NoteSwitch.h"
#include "ui/office/OfficeControls.h"
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
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace belvane {
namespace {

using Kind = EditableGrid::Kind;

const QString kMoneyMask = QStringLiteral("0.00");

QList<EditableGrid::Column> expenseColumns(const QString& valueHeader)
{
    EditableGrid::Column description{QStringLiteral("Descrição")};
    description.maxLength = textCapacity::kExpenseName;
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
    name.maxLength = textCapacity::kStaffName;
    EditableGrid::Column role{QStringLiteral("Função")};
    role.maxLength = textCapacity::kStaffRole;
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

OfficeCostsTab::OfficeCostsTab(OfficeDraft& draft, QWidget* parent) : QWidget(parent), m_draft(draft)
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
    lists->addWidget(buildExpenseList(QStringLiteral("CUSTOS FIXOS"), OfficeList::Fixed,
                                      controls::office::kAddFixedExpense,
                                      controls::office::kDeleteFixedExpense, m_fixedTotal));
    lists->addWidget(buildExpenseList(QStringLiteral("CUSTOS VARIÁVEIS"), OfficeList::Variable,
                                      controls::office::kAddVariableExpense,
                                      controls::office::kDeleteVariableExpense, m_variableTotal));
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

    for (const OfficeList list : {OfficeList::Fixed, OfficeList::Variable, OfficeList::Staff})
        followGrid(list);
    connect(m_fixed, &EditableGrid::afterEdit, this, &OfficeCostsTab::expensesEdited);
    connect(m_variable, &EditableGrid::afterEdit, this, &OfficeCostsTab::expensesEdited);
    connect(m_staff, &EditableGrid::afterEdit, this, &OfficeCostsTab::staffRowEdited);
}

NumberEdit* OfficeCostsTab::makeTotal(const char* name, const QString& pattern)
{
    auto* total = new NumberEdit(QString::fromLatin1(name), pattern, m_panel);
    total->setDisplayOnly(true);
    total->setFixedWidth(104);
    return total;
}

QWidget* OfficeCostsTab::buildExpenseList(const QString& title, OfficeList list, const char* addName,
                                          const char* deleteName, NumberEdit* total)
{
    const bool fixed = list == OfficeList::Fixed;
    EditableGrid* grid = gridOf(list);
    auto* box = new QWidget(m_panel);
    auto* add = smallButton(addName, QStringLiteral("+"), box);
    auto* remove = smallButton(deleteName, QStringLiteral("✘"), box);
    connect(add, &QPushButton::clicked, this, fixed ? &OfficeCostsTab::addFixedExpense : &OfficeCostsTab::addVariableExpense);
    connect(remove, &QPushButton::clicked, this, fixed ? &OfficeCostsTab::deleteFixedExpense : &OfficeCostsTab::deleteVariableExpense);

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
    auto* add = smallButton(controls::office::kAddStaff, QStringLiteral("+"), box);
    auto* remove = smallButton(controls::office::kDeleteStaff, QStringLiteral("✘"), box);
    connect(add, &QPushButton::clicked, this, &OfficeCostsTab::addStaffMember);
    connect(remove, &QPushButton::clicked, this, &OfficeCostsTab::deleteStaffMember);
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
    m_staffNoteSwitch = new NoteSwitch(QLatin1String(controls::office::kStaffNoteSwitch),
                                       QStringLiteral("+ Anotações do Quadro de Pessoal "),
                                       QStringLiteral("- Anotações do Quadro de Pessoal "), box);
    connect(m_staffNoteSwitch, &NoteSwitch::statusChanged, this, &OfficeCostsTab::showStaffNote);

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
    // A value that is no number leaves every total as it was.
    if (const std::optional<OfficeCostTotals> totals = m_draft.totals())
        showTotals(*totals);
}

void OfficeCostsTab::showTotals(const OfficeCostTotals& totals)
{
    m_supportTotal->setValue(totals.supportStaffTotal);
    m_techTotal->setValue(totals.techStaffTotal);
    m_fixedTotal->setValue(totals.fixedTotal);
    m_variableTotal->setValue(totals.variableTotal);
    m_costWithoutTech->setValue(totals.costWithoutTech);
    m_costWithTech->setValue(totals.costWithTech);
    m_costPerHour->setValue(totals.costPerHour);
    m_costWithTechPerHour->setValue(totals.costWithTechPerHour);
}

void OfficeCostsTab::showOffice(const TOfficeData& office)
{
    showTotals(storedOfficeCosts(office));
    m_draft.load(office);
    for (const OfficeList list : {OfficeList::Fixed, OfficeList::Variable, OfficeList::Staff})
        showList(list);
}

void OfficeCostsTab::collectInto(TOfficeData& office)
{
    m_draft.collectInto(office);
}

void OfficeCostsTab::resetRows()
{
    m_draft.resetRows();
    for (const OfficeList list : {OfficeList::Fixed, OfficeList::Variable, OfficeList::Staff})
        showList(list);
}

void OfficeCostsTab::sortExpensesByValue()
{
    m_draft.sortExpensesByValue();
    showList(OfficeList::Fixed);
    showList(OfficeList::Variable);
}

void OfficeCostsTab::followGrid(OfficeList list)
{
    // Rows are added only through the draft, so a grid can only change a cell or lose rows.
    EditableGrid* grid = gridOf(list);
    connect(grid, &QTableWidget::cellChanged, this, [this, list](int row, int) {
        if (!m_showing)
            takeRow(list, row);
    });
    connect(grid->model(), &QAbstractItemModel::rowsRemoved, this,
            [this, list](const QModelIndex&, int first, int last) {
                if (m_showing)
                    return;
                for (int row = last; row >= first; --row)
                    m_draft.removeRow(list, row);
            });
}

void OfficeCostsTab::takeRow(OfficeList list, int row)
{
    const EditableGrid* grid = gridOf(list);
    if (list != OfficeList::Staff) {
        m_draft.setExpense(list, row, {grid->cellText({row, 0}), grid->cellNumber({row, 1})});
        return;
    }
    m_draft.setMember(row,
                      {grid->cellText({row, 0}), grid->cellText({row, 1}), grid->cellText({row, 2}),
                       grid->cellNumber({row, 3})});
}

void OfficeCostsTab::showList(OfficeList list)
{
    EditableGrid* grid = gridOf(list);
    const QScopedValueRollback<bool> showing(m_showing, true);
    grid->removeAllRows();
    for (int row = 0; row < m_draft.rowCount(list); ++row) {
        grid->appendRow();
        showRow(list, row);
    }
}

void OfficeCostsTab::showRow(OfficeList list, int row)
{
    EditableGrid* grid = gridOf(list);
    const QScopedValueRollback<bool> showing(m_showing, true);
    const auto showNumber = [grid](EditableGrid::Cell cell, const std::optional<double>& value) {
        if (value)
            grid->setCellNumber(cell, *value);
        else
            grid->setCellText(cell, QString());
    };
    if (list != OfficeList::Staff) {
        const OfficeExpenseRow& expense = m_draft.expenses(list)[row];
        grid->setCellText({row, 0}, expense.name);
        showNumber({row, 1}, expense.value);
        return;
    }
    const OfficeStaffRow& member = m_draft.staff()[row];
    grid->setCellText({row, 0}, member.name);
    grid->setCellText({row, 1}, member.role);
    grid->setCellText({row, 2}, member.type);
    showNumber({row, 3}, member.cost);
}

void OfficeCostsTab::commitOpenEdits()
{
    for (EditableGrid* grid : {m_fixed, m_variable, m_staff})
        grid->commitOpenEditor();
}

EditableGrid* OfficeCostsTab::gridOf(OfficeList list) const
{
    switch (list) {
    case OfficeList::Fixed: return m_fixed;
    case OfficeList::Variable: return m_variable;
    case OfficeList::Staff: return m_staff;
    }
    return m_fixed;
}

void OfficeCostsTab::addRow(OfficeList list)
{
    // Beyond the record's limit the button just does nothing.
    if (!m_draft.addRow(list))
        return;
    EditableGrid* grid = gridOf(list);
    const QScopedValueRollback<bool> showing(m_showing, true);
    showRow(list, grid->appendRow());
}

void OfficeCostsTab::addFixedExpense() { addRow(OfficeList::Fixed); }
void OfficeCostsTab::addVariableExpense() { addRow(OfficeList::Variable); }
void OfficeCostsTab::addStaffMember() { addRow(OfficeList::Staff); }
void OfficeCostsTab::deleteFixedExpense() { DeleteGridRow(OfficeList::Fixed); }
void OfficeCostsTab::deleteVariableExpense() { DeleteGridRow(OfficeList::Variable); }
void OfficeCostsTab::deleteStaffMember() { DeleteGridRow(OfficeList::Staff); }

void OfficeCostsTab::DeleteGridRow(OfficeList list)
{
    EditableGrid* grid = gridOf(list);
    const int row = grid->selectedRow();
    if (row >= 0) {
        const auto answer = Prompts::ask(this, QStringLiteral("O item selecionado será apagado. Continuar?"),
                                         QMessageBox::Ok | QMessageBox::Cancel, Prompts::Box::Confirmation);
        if (answer == QMessageBox::Ok) {
            m_draft.removeRow(list, row);
            showList(list);
            grid->clearRowSelection();
        }
    }
    // Recomputed and marked whatever the answer, even when no row was selected.
    RecalcOfficeCosts();
    emit edited();
}

void OfficeCostsTab::expensesEdited()
{
    RecalcOfficeCosts();
    emit edited();
}

void OfficeCostsTab::staffRowEdited(EditableGrid::Cell cell)
{
    const auto [row, column] = cell;
    const StaffRowCheck check = m_draft.checkStaffName(row);
    // A name cleared is an edit of the office like any other: the member leaves the office
    // when it is saved.
    if (check == StaffRowCheck::Unnamed) {
        if (column == 0)
            emit edited();
        return;
    }
    if (check == StaffRowCheck::Duplicate) {
        // The draft has already let the row go; the grid follows once the user was told why.
        Prompts::inform(this, QStringLiteral("Os nomes devem ser diferentes"));
        showList(OfficeList::Staff);
    }
    // A refused row is gone at once, so the totals and the modified office follow right away.
    RecalcOfficeCosts();
    emit edited();
}

void OfficeCostsTab::showStaffNote(bool on)
{
    m_staffNote->setVisible(on);
}

void OfficeCostsTab::followMonthlyHours(int hours)
{
    emit edited();
    m_draft.setMonthlyHours(hours);
    RecalcOfficeCosts();
}

} // namespace belvane

#include "ui/budget/TechnicalTeamPanel.h"

#include "core/budget/SingleRounding.h"
#include "core/budget/TeamLookup.h"
#include "core/text/NumberFormat.h"
#include "ui/budget/ResourceNotes.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/Prompts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {
namespace {

constexpr int kNumberColumn = 0;
constexpr int kNameColumn = 1;
constexpr int kRoleColumn = 2;
constexpr int kShareColumn = 3;
constexpr int kCostColumn = 4;
constexpr int kProductivityColumn = 5;

QStringList percentItems(int from, int to)
{
    QStringList items;
    for (int percent = from; percent <= to; percent += 10)
        items << QString::number(percent);
    return items;
}

EditableGrid* makeTeamGrid(QWidget* parent)
{
    using Kind = EditableGrid::Kind;
    auto* grid = new EditableGrid(QStringLiteral("Ng10"),
                                  {{QStringLiteral("N"), Kind::Text, false, false, {}, {}, 28},
                                   {QStringLiteral("Nome"), Kind::DropDown, true, false, {QString()}},
                                   {QStringLiteral("Função"), Kind::Text, false},
                                   {QStringLiteral("Partic. [%]"), Kind::DropDown, true, false, percentItems(10, 100), {}, 78},
                                   {QStringLiteral("Custo"), Kind::Text, false, true},
                                   {QStringLiteral("Prodt.[%]"), Kind::DropDown, false, true, percentItems(50, 100)}},
                                  parent);
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    return grid;
}

QString teamNoteCaption(bool shown)
{
    return shown ? QStringLiteral("- Anotações da Equipe Técnica") : QStringLiteral("+ Anotações da Equipe Técnica");
}

} // namespace

TechnicalTeamPanel::TechnicalTeamPanel(const TOfficeData& office, QWidget* parent)
    : QGroupBox(QStringLiteral("Equipe técnica"), parent), m_office(office), m_grid(makeTeamGrid(this))
{
    auto* clear = new ClickableLabel(QStringLiteral("Label82"), QStringLiteral("🗋"), QStringLiteral("Limpar campos"), this);
    connect(clear, &ClickableLabel::clicked, this, &TechnicalTeamPanel::Label82Click);
    connect(m_grid, &EditableGrid::afterEdit, this, &TechnicalTeamPanel::Ng10AfterEdit);
    m_noteSwitch = new QPushButton(teamNoteCaption(true), this);
    m_noteSwitch->setObjectName(QStringLiteral("AbColBitBtn14"));
    m_noteSwitch->setCheckable(true);
    m_noteSwitch->setChecked(true);
    connect(m_noteSwitch, &QPushButton::toggled, this, &TechnicalTeamPanel::AbColBitBtn14StatusChanged);
    m_note = new QPlainTextEdit(technicalTeamNote(), this);
    m_note->setObjectName(QStringLiteral("NxMemo1"));
    m_note->setReadOnly(true);

    auto* bar = new QHBoxLayout;
    bar->addStretch(1);
    bar->addWidget(clear);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_noteSwitch);
    layout->addWidget(m_note, 1);
}

void TechnicalTeamPanel::prepareRows()
{
    m_grid->removeAllRows();
    for (int i = 0; i < kTeamRows; ++i)
        m_grid->setCellText(kNumberColumn, m_grid->appendRow(), QString::number(i + 1));
}

void TechnicalTeamPanel::emptyRow(int row)
{
    m_grid->clearRow(row);
    m_grid->setCellText(kNumberColumn, row, QString::number(row + 1));
}

void TechnicalTeamPanel::FillTeamNameList()
{
    m_grid->setColumnItems(kNameColumn, QStringList{QString()} + technicalStaffNames(m_office));
}

bool TechnicalTeamPanel::nameTakenElsewhere(const QString& name, int row) const
{
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        if (r != row && m_grid->cellText(kNameColumn, r) == name)
            return true;
    }
    return false;
}

void TechnicalTeamPanel::Ng10AfterEdit(int column, int row)
{
    const QString name = m_grid->cellText(kNameColumn, row);
    if (column == kNameColumn) {
        // A member is on the team once; an emptied name takes the row's participation with it.
        if (name.isEmpty() || nameTakenElsewhere(name, row)) {
            emptyRow(row);
            return;
        }
        const int staff = findStaffMember(m_office, name);
        if (staff < 0)
            return;
        m_grid->setCellText(kRoleColumn, row, m_office.StaffRole[staff].toQString());
        if (m_grid->cellText(kShareColumn, row).isEmpty())
            m_grid->setCellText(kShareColumn, row, QStringLiteral("100"));
        m_grid->setCellText(kCostColumn, row, formatGeneral(m_office.StaffCost[staff]));
        if (m_grid->cellText(kProductivityColumn, row).isEmpty())
            m_grid->setCellText(kProductivityColumn, row, QStringLiteral("100"));
    } else if (column >= kShareColumn && column <= kProductivityColumn && name.isEmpty()) {
        // A participation without a member is not kept.
        emptyRow(row);
    }
}

void TechnicalTeamPanel::Label82Click()
{
    const auto answer = Prompts::ask(this, QStringLiteral("A lista da equipe técnica será apagada. Continuar?"),
                                     QMessageBox::Yes | QMessageBox::No, Prompts::Box::Confirmation);
    if (answer != QMessageBox::Yes)
        return;
    for (int row = 0; row < std::min(kTeamRows, m_grid->rowCount()); ++row)
        emptyRow(row);
}

void TechnicalTeamPanel::AbColBitBtn14StatusChanged()
{
    const bool shown = m_noteSwitch->isChecked();
    m_noteSwitch->setText(teamNoteCaption(shown));
    m_note->setVisible(shown);
}

bool TechnicalTeamPanel::CheckTeamAgainstOffice()
{
    bool result = true;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const QString name = m_grid->cellText(kNameColumn, row);
        if (name.isEmpty())
            continue;
        const int staff = findStaffMember(m_office, name);
        if (staff >= 0) {
            // Function and cost follow the current office before every calculation.
            m_grid->setCellText(kRoleColumn, row, m_office.StaffRole[staff].toQString());
            m_grid->setCellText(kCostColumn, row, formatNumber(m_office.StaffCost[staff], u"0.00"));
            continue;
        }
        const auto answer = Prompts::ask(
            this,
            QStringLiteral("O colaborador ") + name + QStringLiteral(" não está listado no escritório atual.")
                + QStringLiteral("Deseja retirá-lo deste projeto?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Prompts::Box::Confirmation);
        if (answer == QMessageBox::Yes)
            emptyRow(row);
        else if (answer == QMessageBox::Cancel)
            result = false;
    }
    return result;
}

void TechnicalTeamPanel::collectInto(TBudgetData& b) const
{
    int n = 0;
    for (int row = 0; row < m_grid->rowCount() && n < kBudgetSlots; ++row) {
        const QString name = m_grid->cellText(kNameColumn, row);
        if (name.isEmpty())
            continue;
        b.TeamName[n].assign(name);
        b.TeamRole[n].assign(m_grid->cellText(kRoleColumn, row));
        b.TeamShare[n] = static_cast<std::uint8_t>(m_grid->cellText(kShareColumn, row).toInt());
        b.TeamCost[n] = narrowToSingle(m_grid->cellNumber(kCostColumn, row).value_or(0.0));
        b.TeamProductivity[n] = static_cast<std::uint8_t>(m_grid->cellText(kProductivityColumn, row).toInt());
        ++n;
    }
    b.TeamCount = static_cast<std::uint8_t>(n);
}

int TechnicalTeamPanel::showBudget(const TBudgetData& b)
{
    prepareRows();
    const int members = std::min<int>(b.TeamCount, kBudgetSlots);
    for (int i = 0; i < std::min(members, kTeamRows); ++i) {
        m_grid->setCellText(kNameColumn, i, b.TeamName[i].toQString());
        m_grid->setCellText(kRoleColumn, i, b.TeamRole[i].toQString());
        m_grid->setCellText(kShareColumn, i, QString::number(b.TeamShare[i]));
        m_grid->setCellText(kCostColumn, i, formatGeneral(b.TeamCost[i]));
        m_grid->setCellText(kProductivityColumn, i, QString::number(b.TeamProductivity[i]));
    }
    return std::max(0, members - kTeamRows);
}

} // namespace belvane

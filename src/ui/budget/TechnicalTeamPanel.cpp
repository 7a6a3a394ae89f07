#include "ui/budget/TechnicalTeamPanel.h"

#include "core/budget/BudgetTeam.h"
#include "core/budget/SingleRounding.h"
#include "core/budget/TeamLookup.h"
#include "core/text/NumberFormat.h"
#include "ui/budget/ProjectControls.h"
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

TechnicalTeamPanel::TechnicalTeamPanel(BudgetTeam& team, const TOfficeData& office, QWidget* parent)
    : QGroupBox(QStringLiteral("Equipe técnica"), parent), m_team(team), m_office(office), m_grid(makeTeamGrid(this))
{
    auto* clear = new ClickableLabel(QStringLiteral("Label82"), QStringLiteral("🗋"), QStringLiteral("Limpar campos"), this);
    connect(clear, &ClickableLabel::clicked, this, &TechnicalTeamPanel::clearTeam);
    connect(m_grid, &EditableGrid::afterEdit, this, &TechnicalTeamPanel::teamRowEdited);
    m_noteSwitch = new QPushButton(teamNoteCaption(true), this);
    m_noteSwitch->setObjectName(QLatin1String(controls::project::kTeamNoteSwitch));
    m_noteSwitch->setCheckable(true);
    m_noteSwitch->setChecked(true);
    connect(m_noteSwitch, &QPushButton::toggled, this, &TechnicalTeamPanel::followTeamNoteSwitch);
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
        m_grid->setCellText({m_grid->appendRow(), kNumberColumn}, QString::number(i + 1));
}

void TechnicalTeamPanel::pullRows()
{
    const auto percent = [this](EditableGrid::Cell cell) -> std::optional<int> {
        const QString text = m_grid->cellText(cell);
        return text.isEmpty() ? std::nullopt : std::optional<int>(text.toInt());
    };
    std::vector<TeamRow> rows;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        rows.push_back({m_grid->cellText({row, kNameColumn}), m_grid->cellText({row, kRoleColumn}),
                        percent({row, kShareColumn}), m_grid->cellNumber({row, kCostColumn}),
                        percent({row, kProductivityColumn})});
    }
    m_team.setRows(std::move(rows));
}

void TechnicalTeamPanel::showRow(int row, const QString& costPattern)
{
    if (row < 0 || row >= int(m_team.rows().size()) || row >= m_grid->rowCount())
        return;
    const TeamRow& member = m_team.rows()[row];
    const auto percent = [](const std::optional<int>& value) { return value ? QString::number(*value) : QString(); };
    m_grid->setCellText({row, kNumberColumn}, QString::number(row + 1));
    m_grid->setCellText({row, kNameColumn}, member.name);
    m_grid->setCellText({row, kRoleColumn}, member.role);
    m_grid->setCellText({row, kShareColumn}, percent(member.share));
    QString cost;
    if (member.cost)
        cost = costPattern.isEmpty() ? formatGeneral(*member.cost) : formatNumber(*member.cost, costPattern);
    m_grid->setCellText({row, kCostColumn}, cost);
    m_grid->setCellText({row, kProductivityColumn}, percent(member.productivity));
}

void TechnicalTeamPanel::FillTeamNameList()
{
    m_grid->setColumnItems(kNameColumn, QStringList{QString()} + technicalStaffNames(m_office));
}

void TechnicalTeamPanel::teamRowEdited(EditableGrid::Cell cell)
{
    const auto [row, column] = cell;
    pullRows();
    if (column == kNameColumn)
        m_team.memberChosen(row, m_office);
    else if (column >= kShareColumn && column <= kProductivityColumn)
        m_team.participationChosen(row);
    else
        return;
    showRow(row);
}

void TechnicalTeamPanel::clearTeam()
{
    const auto answer = Prompts::ask(this, QStringLiteral("A lista da equipe técnica será apagada. Continuar?"),
                                     QMessageBox::Yes | QMessageBox::No, Prompts::Box::Confirmation);
    if (answer != QMessageBox::Yes)
        return;
    pullRows();
    for (int row = 0; row < std::min(kTeamRows, m_grid->rowCount()); ++row) {
        m_team.emptyRow(row);
        showRow(row);
    }
}

void TechnicalTeamPanel::followTeamNoteSwitch()
{
    const bool shown = m_noteSwitch->isChecked();
    m_noteSwitch->setText(teamNoteCaption(shown));
    m_note->setVisible(shown);
}

bool TechnicalTeamPanel::CheckTeamAgainstOffice()
{
    pullRows();
    const std::vector<int> gone = m_team.followOffice(m_office);
    // Function and cost follow the current office before every calculation.
    for (int row = 0; row < int(m_team.rows().size()); ++row) {
        if (!m_team.rows()[row].name.isEmpty())
            showRow(row, QStringLiteral("0.00"));
    }
    bool result = true;
    for (const int row : gone) {
        const auto answer = Prompts::ask(
            this,
            QStringLiteral("O colaborador ") + m_team.rows()[row].name + QStringLiteral(" não está listado no escritório atual.")
                + QStringLiteral("Deseja retirá-lo deste projeto?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Prompts::Box::Confirmation);
        if (answer == QMessageBox::Yes) {
            m_team.emptyRow(row);
            showRow(row);
        } else if (answer == QMessageBox::Cancel) {
            result = false;
        }
    }
    return result;
}

void TechnicalTeamPanel::collectInto(TBudgetData& b)
{
    pullRows();
    m_team.collectInto(b);
}

int TechnicalTeamPanel::showBudget(const TBudgetData& b)
{
    prepareRows();
    const int notShown = m_team.load(b, kTeamRows);
    const int members = std::min<int>(b.TeamCount, kBudgetSlots);
    for (int row = 0; row < std::min(members, kTeamRows); ++row)
        showRow(row);
    return notShown;
}

} // namespace belvane

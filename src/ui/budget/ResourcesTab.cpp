#include "ui/budget/ResourcesTab.h"

#include "ui/app/AppState.h"
#include "ui/budget/ComplexityFactorPanel.h"
#include "ui/budget/ResourceNotes.h"
#include "ui/budget/TaskEstimatePanel.h"
#include "ui/budget/TechnicalTeamPanel.h"
#include "ui/widgets/EditableGrid.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>

namespace belvane {

ResourcesTab::ResourcesTab(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("TabP_Recursos"));
    m_tasks =
        new TaskEstimatePanel(state.editBudget().tasks(), state.currentOffice(), state.editBudget().classification(), this);
    m_indicators = new ComplexityFactorPanel(state.editBudget().indicators(), this);
    m_team = new TechnicalTeamPanel(state.editBudget().team(), state.currentOffice(), this);
    connect(m_tasks, &TaskEstimatePanel::instructionsClicked, this, &ResourcesTab::toggleTaskNote);
    connect(m_indicators, &ComplexityFactorPanel::instructionsClicked, this, &ResourcesTab::toggleIndicatorNote);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_tasks, 5);
    layout->addWidget(m_indicators, 4);
    layout->addWidget(m_team, 4);

    m_taskNote = makeNote("NxMemo6", taskComplexityNote());
    m_indicatorNote = makeNote("NxMemo4", complexityIndicatorNote());
}

QPlainTextEdit* ResourcesTab::makeNote(const char* name, const QString& text)
{
    auto* note = new QPlainTextEdit(text, this);
    note->setObjectName(QString::fromLatin1(name));
    note->setReadOnly(true);
    note->setStyleSheet(QStringLiteral("background: #fffbe6; color: #202020; border: 1px solid #c0a060;"));
    note->hide();
    return note;
}

void ResourcesTab::prepareGrids()
{
    m_tasks->prepareRows();
    m_indicators->prepareRows();
    m_team->prepareRows();
}

void ResourcesTab::commitOpenEdits()
{
    // Making no cell current closes an open editor with its value committed.
    for (EditableGrid* grid : {m_tasks->grid(), m_indicators->grid(), m_team->grid()})
        grid->setCurrentIndex(QModelIndex());
}

void ResourcesTab::collectInto(TBudgetData& budget) const
{
    m_tasks->collectInto(budget);
    m_indicators->collectInto(budget);
    m_team->collectInto(budget);
}

int ResourcesTab::showBudget(const TBudgetData& budget)
{
    m_tasks->showBudget(budget);
    m_indicators->showBudget(budget);
    return m_team->showBudget(budget);
}

void ResourcesTab::placeNotes()
{
    // Each note lies over its own panel, below the panel's title bar.
    const auto over = [](QWidget* panel) { return panel->geometry().adjusted(8, 40, -8, -8); };
    m_taskNote->setGeometry(over(m_tasks));
    m_indicatorNote->setGeometry(over(m_indicators).united(over(m_team)));
}

void ResourcesTab::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeNotes();
}

void ResourcesTab::toggleTaskNote()
{
    placeNotes();
    m_taskNote->setHidden(!m_taskNote->isHidden());
    m_taskNote->raise();
}

void ResourcesTab::toggleIndicatorNote()
{
    placeNotes();
    m_indicatorNote->setHidden(!m_indicatorNote->isHidden());
    m_indicatorNote->raise();
}

void ResourcesTab::collectOnLeaving()
{
    m_indicatorNote->hide();
    m_taskNote->hide();
}

} // namespace belvane

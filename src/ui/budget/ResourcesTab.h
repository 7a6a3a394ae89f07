#pragma once
// The "Recursos" sub-page of the project page: the man-hours estimate from the tasks, the
// complexity factor from the indicators, and the technical team, each in its own panel, with the
// instruction notes that the "🛈" glyphs open over the panels.
#include "core/budget/BudgetRecord.h"

#include <QWidget>

class QPlainTextEdit;

namespace belvane {

class AppState;
class ComplexityFactorPanel;
class TaskEstimatePanel;
class TechnicalTeamPanel;

class ResourcesTab : public QWidget {
    Q_OBJECT
public:
    ResourcesTab(AppState& state, QWidget* parent);

    AppState& state() { return m_state; }
    TaskEstimatePanel* tasks() const { return m_tasks; }
    ComplexityFactorPanel* indicators() const { return m_indicators; }
    TechnicalTeamPanel* team() const { return m_team; }

    // The rows of the three grids as a new budget has them.
    void prepareGrids();
    // Ends a grid edit in progress: its after-edit handler runs before anything is read.
    void commitOpenEdits();
    void collectInto(TBudgetData& budget) const;
    // Returns how many team members of the record did not fit the team grid.
    int showBudget(const TBudgetData& budget);

    // Leaving the sub-page closes any open instruction note.
    void collectOnLeaving();

public slots:
    // The "🛈" glyphs of the tasks (Label74) and of the indicators (Label75) open or close
    // their instruction note.
    void toggleTaskNote();
    void toggleIndicatorNote();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPlainTextEdit* makeNote(const char* name, const QString& text);
    void placeNotes();

    AppState& m_state;
    TaskEstimatePanel* m_tasks;
    ComplexityFactorPanel* m_indicators;
    TechnicalTeamPanel* m_team;
    QPlainTextEdit* m_taskNote;       // NxMemo6
    QPlainTextEdit* m_indicatorNote;  // NxMemo4
};

} // namespace belvane

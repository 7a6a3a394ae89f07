#pragma once
// The versions and commercial history of the budget in the report panel: "Revisões" (the
// revisions kept, then the current file) with "Restaurar revisão", and "Histórico de status".
// Two versions chosen together are compared side by side in RevisionCompare, which the report
// panel shows in place of the report.
#include "core/history/StatusChange.h"
#include "core/revisions/BudgetRevisions.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace belvane {

class RevisionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit RevisionsPanel(QWidget* parent);

    // The versions of the budget shown and its history; nothing for a budget without a file.
    void showBudget(std::vector<BudgetVersion> versions, const std::vector<StatusHistoryEntry>& history);
    // A seat that only reads restores nothing.
    void setRestoreAllowed(bool allowed);
    // The side-by-side table; the report panel places it.
    QTableWidget* comparison() const { return m_compare; }
    // Whether two versions are chosen and compared now.
    bool comparing() const { return m_comparing; }

signals:
    // The user asks to make revision `revision` the current budget again.
    void restoreRequested(int revision);
    // Two versions were chosen (true) or the choice no longer makes a pair (false).
    void comparingChanged(bool comparing);

private:
    void versionsChosen();
    std::vector<int> chosenVersions() const;

    std::vector<BudgetVersion> m_versions;
    QTableWidget* m_revisions = nullptr; // RevisionList
    QTableWidget* m_history = nullptr;   // StatusHistoryList
    QTableWidget* m_compare = nullptr;   // RevisionCompare
    QPushButton* m_restore = nullptr;
    QLabel* m_hint = nullptr;
    bool m_restoreAllowed = true;
    bool m_comparing = false;
};

} // namespace belvane

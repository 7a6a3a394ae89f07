#pragma once
// The panel "Equipe técnica": the members of the office's technical staff assigned to the
// commission, at most eight, each with the share of his time the project takes. The member's
// function and monthly cost come from the office's staff list, and are refreshed from the current
// office before every calculation; a member the office no longer lists is offered for removal.
#include "ui/widgets/EditableGrid.h"
#include "core/budget/BudgetRecord.h"
#include "core/office/OfficeRecord.h"

#include <QGroupBox>

class QPlainTextEdit;
class QPushButton;

namespace belvane {

class BudgetTeam;
class EditableGrid;

class TechnicalTeamPanel : public QGroupBox {
    Q_OBJECT
public:
    TechnicalTeamPanel(BudgetTeam& team, const TOfficeData& office, QWidget* parent);

    EditableGrid* grid() const { return m_grid; }

    void prepareRows();
    void FillTeamNameList();
    // False when the user cancelled at a member missing from the office.
    bool CheckTeamAgainstOffice();
    void collectInto(TBudgetData& budget);
    // Shows the team of the record; returns how many members did not fit the grid's rows.
    int showBudget(const TBudgetData& budget);

public slots:
    void teamRowEdited(EditableGrid::Cell cell);
    // "Limpar campos" (Label82): after asking, every member's row is emptied.
    void clearTeam();
    // The note switch (AbColBitBtn14): the team note shown or hidden, the caption following.
    void followTeamNoteSwitch();

private:
    // The rows as the grid holds them go to the team; a row of the team goes back to the grid.
    void pullRows();
    void showRow(int row, const QString& costPattern = {});

    BudgetTeam& m_team;
    const TOfficeData& m_office;
    EditableGrid* m_grid;          // Ng10
    QPushButton* m_noteSwitch;     // AbColBitBtn14
    QPlainTextEdit* m_note;        // NxMemo1
};

} // namespace belvane

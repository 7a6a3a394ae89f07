#pragma once
// The panel "Estimativa de recursos (Hxh)": the design tasks of the commission, each rated by the
// user for complexity, with the man-hours the office's table gives for the rating and the project
// category, and their sum as the estimated man-hours. Two radio indicators choose whether the
// calculation uses that estimate or man-hours entered by hand.
#include "ui/widgets/EditableGrid.h"
#include "core/budget/BudgetRecord.h"
#include "core/office/OfficeRecord.h"

#include <QGroupBox>

class QRadioButton;

namespace belvane {

class EditableGrid;
class ProjectClassification;
class TaskEstimate;
class NumberEdit;

class TaskEstimatePanel : public QGroupBox {
    Q_OBJECT
public:
    // The office supplies the man-hours table; the classification, the project category (0 while
    // no building type was chosen).
    TaskEstimatePanel(TaskEstimate& tasks, const TOfficeData& office,
                      const ProjectClassification& classification, QWidget* parent);

    EditableGrid* grid() const { return m_grid; }
    bool estimateChosen() const;   // P_HxhAuto is on
    double estimate() const;       // the value of P_HxhAutoValue

    void prepareRows();
    void RecalcAutoHxh(int category);
    void collectInto(TBudgetData& budget);
    void showBudget(const TBudgetData& budget);

public slots:
    void taskRowEdited(EditableGrid::Cell cell);
    // "Limpar campos" (Label61): every rating cleared, both man-hour values at 0.
    void clearEstimate();

signals:
    void instructionsClicked();   // Label74

private:
    // The rows as the grid holds them go to the estimate, and back.
    void pullRows();
    void showRows();

    TaskEstimate& m_tasks;
    const TOfficeData& m_office;
    const ProjectClassification& m_classification;
    EditableGrid* m_grid;              // Ng5
    QRadioButton* m_estimateChosen;    // P_HxhAuto
    NumberEdit* m_estimate;            // P_HxhAutoValue
    QRadioButton* m_manualChosen;      // P_HxhMan
    NumberEdit* m_manual;              // P_HxhManValue
};

} // namespace belvane

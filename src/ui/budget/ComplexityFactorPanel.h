#pragma once
// The panel "Fator de complexidade (Fc)": the complexity indicators of the commission, each rated
// by the user, with the index of its rating, and the complexity factor Fc as the average index of
// the rated indicators.
#include "ui/widgets/EditableGrid.h"
#include "core/budget/BudgetRecord.h"

#include <QGroupBox>

namespace belvane {

class ComplexityIndicators;
class EditableGrid;
class NumberEdit;

class ComplexityFactorPanel : public QGroupBox {
    Q_OBJECT
public:
    ComplexityFactorPanel(ComplexityIndicators& indicators, QWidget* parent);

    EditableGrid* grid() const { return m_grid; }
    double factor() const;

    void prepareRows();
    void collectInto(TBudgetData& budget);
    void showBudget(const TBudgetData& budget);

public slots:
    void indicatorRowEdited(EditableGrid::Cell cell);
    // "Limpar campos" (Label62): every rating and index cleared, Fc with them.
    void clearRatings();

signals:
    void instructionsClicked();   // Label75

private:
    // The ratings as the grid holds them go to the indicators.
    void pullRows();

    ComplexityIndicators& m_indicators;
    EditableGrid* m_grid;   // NG7
    NumberEdit* m_factor;   // P_Fcomplex
};

} // namespace belvane

#pragma once
// The sub-page "Pagamento" of the project page: the budget's instalments by design stage in the
// grid NgPag ("Etapa", "%", "Valor [R$]", "Vencimento"), buttons to add, delete and move them, and
// the total under the grid, in red while the shares do not make 100 %. The schedule and its
// rules are the budget draft's; the page binds.
#include <QWidget>

class QLabel;
class QPushButton;

namespace belvane {

class AppState;
class EditableGrid;

class PaymentTab : public QWidget {
    Q_OBJECT
public:
    PaymentTab(AppState& state, QWidget* parent);
    EditableGrid* grid() const { return m_grid; }

    // Shows the draft's schedule with its values for the fee in force.
    void showSchedule();
    // Takes an instalment the user is still typing.
    void commitOpenEdits();

signals:
    // The user changed the schedule.
    void edited();

private:
    void pullRows();
    void showValues();
    void addInstalment();
    void deleteInstalment();
    void moveInstalment(int step);

    AppState& m_state;
    EditableGrid* m_grid; // NgPag
    QLabel* m_total;      // PagTotal
};

} // namespace belvane

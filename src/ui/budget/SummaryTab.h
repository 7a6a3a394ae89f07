#pragma once
// The "Resumo" sub-page of the project page: the quoted value and its composition, the variables
// of the calculation, the indices K1 and K2 that relate the budget to the office, and the chart of
// the composition with the zero-profit line. Here the user renegotiates: each click on the profit
// or tax spin prices the budget again from the record and updates what depends on them.
#include <QWidget>

class QLineEdit;

namespace belvane {

class AppState;
struct TBudgetData;
class CompositionChart;
class PriceCheckPanel;
class NumberEdit;
class RenegotiationSpin;
class SaveAsPanel;

class SummaryTab : public QWidget {
    Q_OBJECT
public:
    SummaryTab(AppState& state, QWidget* parent);

    CompositionChart* chart() const { return m_chart; }
    SaveAsPanel* saveAsPanel() const { return m_saveAs; }
    // What the user typed as the project code; it becomes the budget's code when saved.
    QString projectCodeText() const;

    // Fills the sub-page from the current budget and office.
    void ShowSummary();
    // What a budget shown on the project pages changes here: its number and its tax rate.
    void showNumberAndTax(const TBudgetData& budget);
    // A save changed the budget's number and status.
    void showNumberAndStatus(const TBudgetData& budget);

public slots:
    void renegotiateProfit();
    // The project code clicked (R_codigo): the budget counts as a stored one from then on.
    void treatAsStoredBudget();

signals:
    // The profit was renegotiated: the project's desired profit follows it.
    void profitRenegotiated(double percent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The price check of the budget as priced now.
    void showPriceCheck();
    QWidget* buildValuePanel();
    QWidget* buildVariablePanel();
    void makeVariableDisplays();
    NumberEdit* display(const char* name, const char* pattern);
    QLineEdit* textDisplay(const char* name);
    void showValueParts(const TBudgetData& budget);
    void showVariables(const TBudgetData& budget);
    void showRenegotiated(const TBudgetData& budget);
    // The user's new rates go to the draft; the summary follows what it kept.
    void renegotiate(float taxRate, float profitPercent);

    AppState& m_state;
    // Panel "Orçamento "
    NumberEdit* m_bonus;          // R_bonus
    NumberEdit* m_discount;       // R_desconto
    NumberEdit* m_rrt;            // R_ART
    NumberEdit* m_ownExpenses;    // R_despesas
    NumberEdit* m_taxes;          // R_impostosR
    NumberEdit* m_profit;         // R_lucroR
    NumberEdit* m_value;          // R_orca
    NumberEdit* m_valuePerM2;     // R_orcaM2
    NumberEdit* m_k1;             // R_k1
    NumberEdit* m_k2;             // R_K2
    // Panel "Variáveis de cálculo"
    SaveAsPanel* m_saveAs;        // NxHeaderPanel12
    QLineEdit* m_client;          // R_Prop
    QLineEdit* m_number;          // R_numero
    QLineEdit* m_status;          // R_status
    QLineEdit* m_use;             // R_cat
    QLineEdit* m_code;            // R_codigo
    QLineEdit* m_service;         // R_Subtipo
    NumberEdit* m_costPerHour;    // R_CustoHEscr
    NumberEdit* m_area;           // R_area
    NumberEdit* m_complexity;     // R_Fcomplex
    NumberEdit* m_officeShare;    // R_rateio
    NumberEdit* m_hxh;            // R_Hxh
    QLineEdit* m_standard;        // R_padraoE
    NumberEdit* m_teamCost;       // R_despTec
    NumberEdit* m_repetitions;    // R_repet
    NumberEdit* m_repetitionFactor;  // R_Fr
    NumberEdit* m_travel;         // R_desloc
    NumberEdit* m_time;           // R_tempo
    RenegotiationSpin* m_profitSpin; // R_lucro
    NumberEdit* m_thirdParty;     // R_terceiros
    RenegotiationSpin* m_taxSpin; // R_impostos
    NumberEdit* m_equivalent;     // R_tecnicos
    NumberEdit* m_standardFactor; // R_Fpadrao
    NumberEdit* m_category;       // R_idCAT
    CompositionChart* m_chart;    // ch2
    PriceCheckPanel* m_priceCheck;
};

} // namespace belvane

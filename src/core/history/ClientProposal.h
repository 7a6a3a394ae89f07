#pragma once
// The proposal an office sends to its client: what will be designed, for whom, how large, what
// it costs and how it is paid. It deliberately leaves out how the office arrived at the figure —
// no cost items, no tax, no profit, no man-hours or execution time — since those are the
// office's business, not the client's. The internal report (the report panel's lines) is the
// document that carries them.
#include "core/budget/BudgetRecord.h"
#include "core/office/OfficeContact.h"
#include "core/payment/PaymentSchedule.h"

#include <QDate>
#include <QList>
#include <QString>

namespace belvane {

struct ProposalItem {
    QString label;
    QString value;
    bool emphasis = false;  // the figure the client signs for stands out
};

// One instalment as the proposal prints it.
struct ProposalInstalment {
    QString stage;
    QString share; // "20,0 %"
    QString value; // "R$ 2.550,00"
    QString due;
};

// The instalments as a document prints them, with a total row: "Total", the shares' sum and the
// values' sum (the fee, when the shares make 100 %).
struct PaymentTable {
    QList<ProposalInstalment> rows;
    ProposalInstalment total;
    bool isEmpty() const { return rows.isEmpty(); }
};

PaymentTable paymentTable(const PaymentSchedule& payments, double fee);

// What the proposal draws from beyond the budget file: the office's contact, the value agreed with
// the client when the history has one, and the payment schedule.
struct ProposalTerms {
    OfficeContact contact;
    double negotiatedValue = 0; // 0: none agreed yet
    PaymentSchedule payments;
};

struct ClientProposal {
    QString title;             // "Proposta de honorários"
    QString reference;         // "Orçamento nº 12 · 14/03/2026"
    QStringList office;        // the office's contact lines, those filled in
    QList<ProposalItem> items; // client, classification, area, value, value per m²
    QStringList scope;         // the tasks rated for the budget, in task order
    PaymentTable instalments;  // "Cronograma de pagamento"
    QString validity;                      // "Validade da proposta: 30 dias"
    QString notes;             // the observations written for this budget
    bool negotiated = false;   // the value printed is the one agreed with the client
};

// The proposal for a saved budget, dated `date`. The classification joins the budget's use, type,
// service group and service, leaving out the empty ones. The value is the negotiated one when
// there is one, else the calculated one; the instalments share that value.
ClientProposal clientProposal(const TBudgetData& budget, const QDate& date, const QString& notes,
                              const ProposalTerms& terms = {});

// Money as a document prints it: "R$ 12.750,00".
QString proposalMoney(double value);

} // namespace belvane

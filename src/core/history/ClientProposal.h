#pragma once
// The proposal an office sends to its client: what will be designed, for whom, how large, how
// long it takes and what it costs. It deliberately leaves out how the office arrived at the
// figure — no cost items, no tax, no profit — since those are the office's business, not the
// client's. The internal report (the report panel's lines) is the document that carries them.
#include "core/budget/BudgetRecord.h"

#include <QDate>
#include <QList>
#include <QString>

namespace belvane {

struct ProposalItem {
    QString label;
    QString value;
    bool emphasis = false;  // the figure the client signs for stands out
};

struct ClientProposal {
    QString title;             // "Proposta de honorários"
    QString reference;         // "Orçamento nº 12 · 14/03/2026"
    QList<ProposalItem> items; // client, classification, area, value, value per m², time
    QString notes;             // the observations written for this budget
};

// The proposal for a saved budget, dated `date`. The classification joins the budget's use, type,
// service group and service, leaving out the empty ones.
ClientProposal clientProposal(const TBudgetData& budget, const QDate& date, const QString& notes);

// Money as a document prints it: "R$ 12.750,00".
QString proposalMoney(double value);

} // namespace belvane

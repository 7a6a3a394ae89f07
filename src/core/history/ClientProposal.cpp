#include "core/history/ClientProposal.h"

#include "core/text/NumberFormat.h"

#include <QStringList>

namespace belvane {

namespace {

QString classification(const TBudgetData& b)
{
    QStringList parts;
    for (const QString& part : {b.BuildingUse.toQString(), b.BuildingType.toQString(),
                                b.ServiceGroup.toQString(), b.Service.toQString()}) {
        if (!part.trimmed().isEmpty())
            parts.append(part.trimmed());
    }
    return parts.join(QStringLiteral(" / "));
}

} // namespace

QString proposalMoney(double value)
{
    return QStringLiteral("R$ ") + formatNumber(value, u"#,##0.00");
}

ClientProposal clientProposal(const TBudgetData& b, const QDate& date, const QString& notes)
{
    ClientProposal proposal;
    proposal.title = QStringLiteral("Proposta de honorários");
    proposal.reference = QStringLiteral("Orçamento nº %1 · %2")
                             .arg(b.Number)
                             .arg(date.toString(QStringLiteral("dd/MM/yyyy")));
    proposal.items = {
        {QStringLiteral("Cliente"), b.ClientName.toQString()},
        {QStringLiteral("Projeto"), classification(b)},
        {QStringLiteral("Área projetada"), formatNumber(b.Area, u"#,##0.##") + QStringLiteral(" m²")},
        {QStringLiteral("Valor dos honorários"), proposalMoney(b.BudgetValue), true},
        {QStringLiteral("Valor por m²"), proposalMoney(b.ValuePerM2)},
        {QStringLiteral("Tempo de execução"), formatNumber(b.ExecutionHours, u"#,##0.#") + QStringLiteral(" horas")},
    };
    proposal.notes = notes;
    return proposal;
}

} // namespace belvane

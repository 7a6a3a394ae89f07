#include "core/history/ClientProposal.h"

#include "core/payment/PaymentSchedule.h"
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

QString share(double percent)
{
    return formatNumber(percent, u"0.0") + QStringLiteral(" %");
}

} // namespace

QString proposalMoney(double value)
{
    return QStringLiteral("R$ ") + formatNumber(value, u"#,##0.00");
}

PaymentTable paymentTable(const PaymentSchedule& payments, double fee)
{
    PaymentTable table;
    const std::vector<double> values = payments.values(fee);
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Instalment& instalment = payments.instalments()[i];
        table.rows.append({instalment.stage, share(instalment.percent), proposalMoney(values[i]), instalment.due});
        sum += values[i];
    }
    table.total = {QStringLiteral("Total"), share(payments.totalPercent()), proposalMoney(roundToCentavo(sum)), {}};
    return table;
}

ClientProposal clientProposal(const TBudgetData& b, const QDate& date, const QString& notes,
                              const ProposalTerms& terms)
{
    ClientProposal proposal;
    proposal.title = QStringLiteral("Proposta de honorários");
    proposal.reference = QStringLiteral("Orçamento nº %1 · %2")
                             .arg(b.Number)
                             .arg(date.toString(QStringLiteral("dd/MM/yyyy")));
    const OfficeContact& contact = terms.contact;
    for (const QString& line : {contact.address, contact.phone, contact.email})
        if (!line.trimmed().isEmpty())
            proposal.office << line.trimmed();
    if (!contact.cauNumber.trimmed().isEmpty())
        proposal.office << QStringLiteral("CAU nº %1").arg(contact.cauNumber.trimmed());

    proposal.negotiated = terms.negotiatedValue > 0;
    const double fee = agreedFee(b, terms.negotiatedValue);
    const double feePerM2 = proposal.negotiated && b.Area > 0 ? fee / double(b.Area) : double(b.ValuePerM2);
    proposal.items = {
        {QStringLiteral("Cliente"), b.ClientName.toQString()},
        {QStringLiteral("Projeto"), classification(b)},
        {QStringLiteral("Área projetada"), formatNumber(b.Area, u"#,##0.##") + QStringLiteral(" m²")},
        {QStringLiteral("Valor dos honorários"), proposalMoney(fee), true},
        {QStringLiteral("Valor por m²"), proposalMoney(feePerM2)},
    };
    for (const TBudgetTask& task : b.Tasks) {
        if (task.Name.isEmpty())
            break;
        if (!task.Complexity.isEmpty())
            proposal.scope << task.Name.toQString();
    }
    proposal.instalments = paymentTable(terms.payments, fee);
    proposal.validity = QStringLiteral("Validade da proposta: %1 dias").arg(contact.validityDays);
    proposal.notes = notes;
    return proposal;
}

} // namespace belvane

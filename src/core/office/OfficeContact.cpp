#include "core/office/OfficeContact.h"

namespace belvane {

QMap<QString, QString> OfficeContact::toSettings() const
{
    return {{QStringLiteral("contato.endereco"), address},
            {QStringLiteral("contato.telefone"), phone},
            {QStringLiteral("contato.email"), email},
            {QStringLiteral("contato.cau"), cauNumber},
            {QStringLiteral("proposta.validade_dias"), QString::number(validityDays)}};
}

OfficeContact OfficeContact::fromSettings(const QMap<QString, QString>& settings)
{
    OfficeContact contact;
    contact.address = settings.value(QStringLiteral("contato.endereco"));
    contact.phone = settings.value(QStringLiteral("contato.telefone"));
    contact.email = settings.value(QStringLiteral("contato.email"));
    contact.cauNumber = settings.value(QStringLiteral("contato.cau"));
    bool ok = false;
    const int days = settings.value(QStringLiteral("proposta.validade_dias")).toInt(&ok);
    // A validity the settings do not hold, or one no proposal could have, is the usual month.
    contact.validityDays = ok && days > 0 && days <= 365 ? days : kDefaultValidityDays;
    return contact;
}

} // namespace belvane

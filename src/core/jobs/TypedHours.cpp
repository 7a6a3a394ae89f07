#include "core/jobs/TypedHours.h"

#include "core/jobs/HourBook.h"
#include "core/jobs/HourJournalFormat.h"
#include "core/text/NumberFormat.h"
#include "core/text/TypedNumber.h"

#include <cmath>

namespace belvane {
namespace {

TypedHours refused(QString hint)
{
    return {0, std::move(hint)};
}

QString hoursText(qint64 quarters)
{
    return formatNumber(double(quarters) / 4.0, u"#0.##");
}

} // namespace

TypedHours readTypedHours(const QString& text)
{
    const std::optional<double> value = parseTypedNumber(text);
    if (!value || !std::isfinite(*value))
        return refused(QStringLiteral("Digite as horas como um número, por exemplo 1,5 ou 0,25."));
    if (*value <= 0)
        return refused(QStringLiteral("As horas devem ser maiores que zero."));
    const double quarters = *value * 4;
    if (std::abs(quarters - std::round(quarters)) > 1e-9)
        return refused(
            QStringLiteral("As horas são registradas em quartos de hora: use 0,25, 0,5, 0,75, 1, 1,25..."));
    if (quarters > hourjournal::kMaxQuarters)
        return refused(QStringLiteral("Um dia tem no máximo 24 horas."));
    return {int(std::lround(quarters)), {}};
}

TypedHours checkTypedHours(const QString& text, const HourBook& book, const QString& person, const QDate& day,
                           const HourEntryId* replacing)
{
    const TypedHours typed = readTypedHours(text);
    if (!typed.ok())
        return typed;
    const qint64 already = book.quartersOfPersonOn(person, day, replacing);
    if (already + typed.quarters <= hourjournal::kMaxQuarters)
        return typed;
    return refused(QStringLiteral("%1 já tem %2 h registradas em %3; com estas seriam %4 h, mais que as 24 h "
                                  "de um dia.")
                       .arg(person.trimmed(), hoursText(already), day.toString(QStringLiteral("dd/MM/yyyy")),
                            hoursText(already + typed.quarters)));
}

} // namespace belvane

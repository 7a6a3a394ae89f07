#include "core/text/TypedNumber.h"

#include "core/text/NumberFormat.h"

#include <QString>
#include <QStringList>

namespace belvane {
namespace {

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !text.isEmpty();
}

// "1.500", "12.345.678": a first group of one to three digits, then groups of exactly three.
bool groupsThousands(const QString& integral)
{
    const QStringList groups = integral.split(u'.');
    if (groups.size() < 2 || groups.first().size() > 3 || !allDigits(groups.first()))
        return false;
    for (qsizetype i = 1; i < groups.size(); ++i) {
        if (groups[i].size() != 3 || !allDigits(groups[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<double> parseTypedNumber(QStringView text)
{
    if (!text.contains(u'.'))
        return parseNumber(text);
    QString typed = text.trimmed().toString();
    const qsizetype signLength = typed.startsWith(u'-') || typed.startsWith(u'+') ? 1 : 0;
    const qsizetype comma = typed.indexOf(u',');
    const qsizetype integralEnd = comma >= 0 ? comma : typed.size();
    const QString integral = typed.mid(signLength, integralEnd - signLength);
    // Dots after the comma, or in an exponent, are no part of any way of writing a number.
    if (typed.indexOf(u'.', integralEnd) >= 0 || typed.contains(u'e', Qt::CaseInsensitive))
        return std::nullopt;
    if (groupsThousands(integral))
        return parseNumber(typed.remove(u'.'));
    if (comma < 0 && integral.count(u'.') == 1)
        return parseNumber(typed.replace(u'.', u','));
    return std::nullopt;
}

bool isUnfinishedTypedNumber(QStringView text)
{
    const QStringView typed = text.trimmed();
    return typed.isEmpty() || typed == u"-" || typed == u"+" || typed.endsWith(u',') || typed.endsWith(u'.');
}

} // namespace belvane

#include "core/storage/BudgetFileNameCheck.h"

namespace belvane {

namespace {

constexpr qsizetype kMinDigits = 6;

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

bool isBudgetFileName(QStringView name)
{
    const QStringView prefix = u"ORC";
    const QStringView suffix = u".bvp";
    if (name.size() < prefix.size() + kMinDigits + suffix.size())
        return false;
    if (!name.startsWith(prefix, Qt::CaseInsensitive) || !name.endsWith(suffix, Qt::CaseInsensitive))
        return false;
    const QStringView digits = name.sliced(prefix.size(), name.size() - prefix.size() - suffix.size());
    for (const QChar c : digits) {
        if (!isAsciiDigit(c))
            return false;
    }
    return true;
}

} // namespace belvane

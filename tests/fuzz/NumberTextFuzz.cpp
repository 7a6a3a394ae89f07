// Numbers as the history file and the number edits hold them: Brazilian text with a decimal
// comma, read back into doubles, and doubles of any bit pattern (stored figures of a damaged
// file) written as text. The history reads its cells with a fast path for plain digits and writes
// them with a fast path for short decimals; both must agree with the general reader and writer.
// Whatever the general form writes must read back, and the text must then stay the same.
#include "FuzzSupport.h"

#include "core/history/HistoryCellText.h"
#include "core/text/NumberFormat.h"
#include "core/text/TypedNumber.h"

#include <cmath>
#include <cstring>

using namespace belvane;
using namespace belvane::fuzz;

namespace {

bool sameNumber(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    return *a == *b || (std::isnan(*a) && std::isnan(*b));
}

QString numberText(std::optional<double> value)
{
    return value ? formatGeneral(*value) + QStringLiteral(" (%1)").arg(*value, 0, 'g', 17)
                 : QStringLiteral("no number");
}

void readText(QStringView text)
{
    const std::optional<double> general = parseNumber(text);
    if (general)
        check(std::isfinite(*general), "a number read must be finite");
    // What a user types: without a dot it is read as the general form is.
    const std::optional<double> typed = parseTypedNumber(text);
    if (typed)
        check(std::isfinite(*typed), "a number typed must be finite");
    if (!text.contains(u'.'))
        check(sameNumber(general, typed), "a typed number without a dot must read as the general form",
              text.toString());
    if (!text.trimmed().isEmpty()) {
        const std::optional<double> history = readHistoryNumber(text);
        check(sameNumber(general, history), "the history's number reader must agree with the general one",
              text.toString() + u'\n' + numberText(general) + u'\n' + numberText(history));
    }
}

void writeValue(double value)
{
    const QString general = formatGeneral(value);
    check(historyNumberText(value) == general, "the history's number text must be the general form",
          QStringLiteral("%1: \"%2\" and \"%3\"").arg(value, 0, 'g', 17).arg(historyNumberText(value), general));
    for (const char16_t* pattern : {u"#,##0.00", u"0.0", u"000000", u"#0.00#"})
        (void)formatNumber(value, pattern);
    if (!std::isfinite(value))
        return;
    const std::optional<double> back = parseNumber(general);
    check(back.has_value(), "a number written in the general form must read back", general);
    check(formatGeneral(*back) == general, "a number read back must be written the same", general);
    const std::optional<double> money = parseNumber(formatNumber(value, u"0.00"));
    if (std::fabs(value) < 1e18)
        check(money.has_value(), "a figure shown with two decimals must read back",
              formatNumber(value, u"0.00"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    readText(QString::fromUtf8(bytes));
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        writeValue(value);
        float stored;
        std::memcpy(&stored, data, sizeof stored);
        writeValue(stored);
    }
    // Display patterns are the program's own, but they must never break on odd shapes.
    if (size <= 24)
        (void)formatNumber(-1234567.891, QString::fromUtf8(bytes));
    return 0;
}

#include "core/history/HistoryCellText.h"

#include "core/text/DayCount.h"
#include "core/text/NumberFormat.h"

#include <cmath>
#include <cstdint>

namespace belvane {

namespace {

// Every history row holds two check boxes, so this runs twice per row read; a plain loop.
bool equalsIgnoringAsciiCase(QStringView text, const char* lowerWord)
{
    qsizetype i = 0;
    for (; lowerWord[i] != 0; ++i) {
        if (i >= text.size())
            return false;
        char16_t c = text[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + (u'a' - u'A'));
        if (c != char16_t(lowerWord[i]))
            return false;
    }
    return i == text.size();
}

// A double holds every integer of up to 15 digits exactly.
constexpr int kExactDigits = 15;

// Most numbers in a history are plain digits, perhaps with a decimal comma ("12", "127,50").
// Their value is the digits as an integer divided by a power of ten: both exact, the quotient
// correctly rounded, so the very number a full reading gives, at a fraction of its cost.
std::optional<double> plainDecimal(QStringView text)
{
    std::int64_t digits = 0;
    int count = 0;
    int decimals = -1;
    for (const QChar c : text) {
        if (c == u',' && decimals < 0 && count > 0) {
            decimals = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || ++count > kExactDigits)
            return std::nullopt;
        digits = digits * 10 + (c.unicode() - u'0');
        if (decimals >= 0)
            ++decimals;
    }
    if (count == 0 || decimals == 0)
        return std::nullopt;
    return double(digits) / std::pow(10.0, decimals < 0 ? 0 : decimals);
}

// Writes the digits of a non-negative integer below 10^15 at the end of the text.
void appendDigits(QString& text, std::int64_t value, int minimumDigits = 1)
{
    char16_t digits[20];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value > 0 || count < minimumDigits);
    while (count > 0)
        text += QChar(digits[--count]);
}

// Most numbers in a history are whole or have a decimal or two (areas, money, negotiated
// values). For these the general form is simply the digits with a decimal comma: a value within
// a relative 2.3e-16 of m / 10^k, m of at most 15 digits, always shows as m / 10^k in 15
// significant digits. Others, and magnitudes that take an exponent, go to the general writer.
std::optional<QString> shortDecimalText(double value)
{
    constexpr double kLargest = 1e15;
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < kLargest))
        return std::nullopt;
    for (int decimals = 0; decimals <= 2; ++decimals) {
        const double scale = decimals == 0 ? 1.0 : (decimals == 1 ? 10.0 : 100.0);
        const double scaled = magnitude * scale;
        if (scaled >= kLargest || scaled != std::trunc(scaled))
            continue;
        auto digits = static_cast<std::int64_t>(scaled);
        int shown = decimals;
        while (shown > 0 && digits % 10 == 0) {
            digits /= 10;
            --shown;
        }
        std::int64_t unit = 1;
        for (int i = 0; i < shown; ++i)
            unit *= 10;
        QString text;
        if (value < 0)
            text += u'-';
        appendDigits(text, digits / unit);
        if (shown > 0) {
            text += u',';
            appendDigits(text, digits % unit, shown);
        }
        return text;
    }
    return std::nullopt;
}

} // namespace

QString historyNumberText(double value)
{
    if (value == 0.0 && !std::signbit(value))
        return QStringLiteral("0");
    if (std::optional<QString> text = shortDecimalText(value))
        return *std::move(text);
    return formatGeneral(value);
}

std::optional<double> readHistoryNumber(QStringView text)
{
    if (const std::optional<double> plain = plainDecimal(text))
        return plain;
    if (text.trimmed().isEmpty())
        return 0.0;
    return parseNumber(text);
}

QString historyDateText(double dayCount)
{
    if (dayCount == 0.0)
        return {};
    // Whole days, as the history stores them, are written directly; a time of day and counts
    // that are no date go to the general writer.
    if (dayCount == std::trunc(dayCount)) {
        const QDate date = dateFromDayCount(dayCount);
        if (date.isValid() && date.year() >= 1 && date.year() <= 9999) {
            QString text;
            text.reserve(10);
            appendDigits(text, date.day(), 2);
            text += u'/';
            appendDigits(text, date.month(), 2);
            text += u'/';
            appendDigits(text, date.year(), 4);
            return text;
        }
    }
    // A count a hair away from 0 shows as day 0 itself, which reads back as the empty date.
    static const QString kDayZero = formatDayCountDate(0.0);
    QString text = formatDayCountDate(dayCount);
    return text == kDayZero ? QString() : text;
}

std::optional<double> readHistoryDate(QStringView text)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    return parseDateText(text);
}

QString historyCheckText(bool checked)
{
    return checked ? QStringLiteral("True") : QStringLiteral("False");
}

bool readHistoryCheck(QStringView text)
{
    return text == u"1" || equalsIgnoringAsciiCase(text, "true");
}

bool isPlainCheckText(QStringView text)
{
    return text.isEmpty() || text == u"0" || text == u"1" || equalsIgnoringAsciiCase(text, "true")
        || equalsIgnoringAsciiCase(text, "false");
}

std::optional<int> readHistoryBudgetNumber(QStringView text)
{
    // The usual spelling, plain digits of a budget number, read without the general reader.
    if (text.size() > 0 && text.size() <= 9) {
        int number = 0;
        qsizetype digits = 0;
        for (; digits < text.size() && text[digits] >= u'0' && text[digits] <= u'9'; ++digits)
            number = number * 10 + (text[digits].unicode() - u'0');
        if (digits == text.size())
            return number;
    }
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

} // namespace belvane

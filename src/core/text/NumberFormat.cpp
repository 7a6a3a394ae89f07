#include "core/text/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace belvane {
namespace {

// The runtime carried 18 significant digits from binary to decimal before any rounding to the
// digits shown; the general form then keeps 15 of them.
constexpr int kCarriedDigits = 18;
constexpr int kGeneralDigits = 15;
// The general form switches to an exponent below 0,00001 (a first significant digit after four
// zeros) and above 15 integer digits.
constexpr int kGeneralLowestPoint = -4;

// 0.d1d2d3... x 10^point. The digits carry no trailing zeros; no digits at all is zero.
struct Decimal {
    std::string digits;
    int point = 0;
    bool negative = false;

    bool isZero() const { return digits.empty(); }
    int size() const { return static_cast<int>(digits.size()); }
    // The digit at a position counted from the first significant one; zeros all around.
    char digitAt(int position) const
    {
        return position >= 0 && position < size() ? digits[static_cast<std::size_t>(position)] : '0';
    }
};

void dropTrailingZeros(Decimal& number)
{
    while (!number.digits.empty() && number.digits.back() == '0')
        number.digits.pop_back();
    if (number.digits.empty())
        number.point = 0;
}

// The value correctly rounded to 18 significant digits. Only for finite values.
Decimal decimalOf(double value)
{
    Decimal result;
    result.negative = std::signbit(value);
    if (value == 0.0)
        return result;
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, kCarriedDigits - 1);
    // Written as "d.ddd...de-xx".
    const char* const exponentMark = std::find<const char*>(buffer, written.ptr, 'e');
    result.digits.push_back(buffer[0]);
    result.digits.append(static_cast<const char*>(buffer) + 2, exponentMark);
    const char* exponentText = exponentMark + 1;
    if (*exponentText == '+')
        ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, written.ptr, exponent);
    result.point = exponent + 1;
    dropTrailingZeros(result);
    return result;
}

// Keeps the first `keep` significant digits, rounding the decimal text half away from zero.
void roundToDigits(Decimal& number, int keep)
{
    if (keep >= number.size())
        return;
    if (keep < 0) {
        number.digits.clear();
        dropTrailingZeros(number);
        return;
    }
    const bool roundUp = number.digits[static_cast<std::size_t>(keep)] >= '5';
    number.digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        while (!number.digits.empty() && number.digits.back() == '9')
            number.digits.pop_back();
        if (number.digits.empty()) {
            number.digits = "1";
            ++number.point;
        } else {
            ++number.digits.back();
        }
    }
    dropTrailingZeros(number);
}

QString fromAscii(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

struct PatternItem {
    enum class Kind { ForcedDigit, OptionalDigit, Point, Grouping, Literal };
    Kind kind;
    QString text;

    bool isDigit() const { return kind == Kind::ForcedDigit || kind == Kind::OptionalDigit; }
};

std::vector<PatternItem> splitPattern(QStringView pattern)
{
    std::vector<PatternItem> items;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'0') {
            items.push_back({PatternItem::Kind::ForcedDigit, {}});
        } else if (c == u'#') {
            items.push_back({PatternItem::Kind::OptionalDigit, {}});
        } else if (c == u'.') {
            items.push_back({PatternItem::Kind::Point, {}});
        } else if (c == u',') {
            items.push_back({PatternItem::Kind::Grouping, {}});
        } else if (c == u'"' || c == u'\'') {
            // Quoted text is printed without its quotes, even if it holds digit characters.
            qsizetype close = pattern.indexOf(c, i + 1);
            if (close < 0)
                close = pattern.size();
            items.push_back({PatternItem::Kind::Literal, pattern.mid(i + 1, close - i - 1).toString()});
            i = close;
        } else {
            items.push_back({PatternItem::Kind::Literal, QString(c)});
        }
    }
    return items;
}

// What a pattern asks of the number, read once before printing.
struct PatternShape {
    std::size_t pointIndex = 0;  // the decimal point's item, or the item count without one
    int integerSlots = 0;
    int forcedIntegers = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
    bool showsNumber = false;
};

PatternShape shapeOf(const std::vector<PatternItem>& items)
{
    PatternShape shape;
    const auto point = std::find_if(items.begin(), items.end(), [](const PatternItem& item) {
        return item.kind == PatternItem::Kind::Point;
    });
    shape.pointIndex = static_cast<std::size_t>(point - items.begin());
    shape.showsNumber = point != items.end();
    bool forcing = false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const PatternItem& item = items[i];
        if (i < shape.pointIndex) {
            shape.grouping = shape.grouping || item.kind == PatternItem::Kind::Grouping;
            // From the first '0' on, every integer placeholder is forced, a '#' included.
            forcing = forcing || item.kind == PatternItem::Kind::ForcedDigit;
            shape.integerSlots += item.isDigit() ? 1 : 0;
            shape.forcedIntegers += item.isDigit() && forcing ? 1 : 0;
        } else if (item.isDigit()) {
            ++shape.maxDecimals;
            if (item.kind == PatternItem::Kind::ForcedDigit)
                shape.minDecimals = shape.maxDecimals;
        }
        shape.showsNumber = shape.showsNumber || item.isDigit();
    }
    return shape;
}

// Lays the integer and decimal digits into the pattern's placeholders, left to right. Integer
// digits beyond the placeholders all go to the first one, so a number is never cut short.
class PatternPrinter {
public:
    PatternPrinter(const PatternShape& shape, std::string integer, std::string decimals)
        : m_shape(shape), m_integer(std::move(integer)), m_decimals(std::move(decimals))
    {
    }

    void print(const std::vector<PatternItem>& items, QString& out)
    {
        for (std::size_t i = 0; i < items.size(); ++i) {
            const PatternItem& item = items[i];
            if (item.kind == PatternItem::Kind::Literal)
                out += item.text;
            else if (item.kind == PatternItem::Kind::Point && i == m_shape.pointIndex)
                printPoint(out);
            else if (item.isDigit() && i < m_shape.pointIndex)
                printIntegerSlot(out);
            else if (item.isDigit())
                printDecimalSlot(out);
        }
    }

private:
    int integerLength() const { return static_cast<int>(m_integer.size()); }

    void printPoint(QString& out)
    {
        if (m_shape.integerSlots == 0)
            printIntegerDigits(0, integerLength(), out);
        if (!m_decimals.empty())
            out += u',';
    }

    void printIntegerSlot(QString& out)
    {
        const int slotsToTheRight = m_shape.integerSlots - 1 - m_integerSlot;
        const int from = m_integerSlot == 0 ? 0 : integerLength() - slotsToTheRight - 1;
        const int to = integerLength() - slotsToTheRight;
        printIntegerDigits(std::max(from, 0), std::max(to, 0), out);
        ++m_integerSlot;
    }

    void printIntegerDigits(int from, int to, QString& out) const
    {
        for (int k = from; k < to; ++k) {
            out += QLatin1Char(m_integer[static_cast<std::size_t>(k)]);
            const int digitsToTheRight = integerLength() - 1 - k;
            if (m_shape.grouping && digitsToTheRight > 0 && digitsToTheRight % 3 == 0)
                out += u'.';
        }
    }

    void printDecimalSlot(QString& out)
    {
        if (m_decimalSlot < m_decimals.size())
            out += QLatin1Char(m_decimals[m_decimalSlot]);
        ++m_decimalSlot;
    }

    const PatternShape& m_shape;
    std::string m_integer;
    std::string m_decimals;
    int m_integerSlot = 0;
    std::size_t m_decimalSlot = 0;
};

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// A number in the neutral form ("123.45e-6") as its significant digits d1d2..., without zeros at
// either end, and the place of its decimal point: the number is 0,d1d2... x 10^point. No digits
// is zero. The exponent is capped far beyond any double.
struct SpelledNumber {
    std::string digits;
    long long point = 0;
};

SpelledNumber spelledNumber(const std::string& ascii)
{
    long long exponent = 0;
    const std::size_t mark = ascii.find('e');
    if (mark != std::string::npos) {
        const bool negative = ascii[mark + 1] == '-';
        for (std::size_t i = mark + (negative ? 2 : 1); i < ascii.size(); ++i)
            exponent = std::min(exponent * 10 + (ascii[i] - '0'), 1'000'000'000LL);
        exponent = negative ? -exponent : exponent;
    }
    const std::string mantissa = ascii.substr(0, mark);
    SpelledNumber number;
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return number;
    const std::size_t dot = std::min(mantissa.find('.'), mantissa.size());
    number.point = exponent + (first < dot ? static_cast<long long>(dot - first)
                                           : -static_cast<long long>(first - dot - 1));
    for (std::size_t i = first; i < mantissa.size(); ++i) {
        if (mantissa[i] != '.')
            number.digits += mantissa[i];
    }
    while (number.digits.back() == '0')
        number.digits.pop_back();
    return number;
}

// A spelled number that does not fit a double: the position of its first significant digit
// tells a vanishing value (read as zero) from an overflowing one.
bool isVanishinglySmall(const SpelledNumber& number)
{
    return number.digits.empty() || number.point <= 0;
}

// The general form writes the largest double rounded up to 15 digits, "1,79769313486232E308",
// which lies just past it. The files hold that text for the largest double, so it reads as that.
bool isLargestDoubleAsWritten(const SpelledNumber& number)
{
    return number.point == 309 && number.digits <= "179769313486232";
}

} // namespace

QString formatGeneral(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    Decimal number = decimalOf(value);
    roundToDigits(number, kGeneralDigits);
    if (number.isZero())
        return QStringLiteral("0");

    QString text = number.negative ? QStringLiteral("-") : QString();
    if (number.point > kGeneralDigits || number.point < kGeneralLowestPoint) {
        text += QLatin1Char(number.digits[0]);
        if (number.size() > 1)
            text += u',' + fromAscii(number.digits.substr(1));
        text += u'E' + QString::number(number.point - 1);
    } else if (number.point <= 0) {
        text += QStringLiteral("0,") + QString(-number.point, u'0') + fromAscii(number.digits);
    } else {
        for (int i = 0; i < number.point; ++i)
            text += QLatin1Char(number.digitAt(i));
        if (number.size() > number.point)
            text += u',' + fromAscii(number.digits.substr(static_cast<std::size_t>(number.point)));
    }
    return text;
}

QString formatNumber(double value, QStringView pattern)
{
    if (pattern.isEmpty() || !std::isfinite(value))
        return formatGeneral(value);
    Decimal number = decimalOf(value);
    // The runtime handed numbers of 19 and more integer digits to the general form.
    if (number.point > kCarriedDigits)
        return formatGeneral(value);

    const std::vector<PatternItem> items = splitPattern(pattern);
    const PatternShape shape = shapeOf(items);
    roundToDigits(number, number.point + shape.maxDecimals);

    std::string integer;
    for (int i = 0; i < number.point; ++i)
        integer += number.digitAt(i);
    if (static_cast<int>(integer.size()) < shape.forcedIntegers)
        integer.insert(0, static_cast<std::size_t>(shape.forcedIntegers) - integer.size(), '0');
    std::string decimals;
    for (int i = 0; i < shape.maxDecimals; ++i)
        decimals += number.digitAt(number.point + i);
    while (static_cast<int>(decimals.size()) > shape.minDecimals && decimals.back() == '0')
        decimals.pop_back();

    QString out;
    if (number.negative && !number.isZero() && shape.showsNumber)
        out += u'-';
    PatternPrinter(shape, std::move(integer), std::move(decimals)).print(items, out);
    return out;
}

std::optional<double> parseNumber(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Rewritten in the neutral form the standard conversion reads, whatever the C locale says.
    std::string ascii;
    qsizetype i = begin;
    const auto takeDigits = [&] {
        const qsizetype start = i;
        for (; i < end && isAsciiDigit(text[i]); ++i)
            ascii += static_cast<char>(text[i].unicode());
        return i - start;
    };
    const auto takeSign = [&] {
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            if (text[i] == u'-')
                ascii += '-';
            ++i;
        }
    };

    takeSign();
    qsizetype digitCount = takeDigits();
    if (i < end && text[i] == u',') {
        ascii += '.';
        ++i;
        digitCount += takeDigits();
    }
    if (digitCount == 0)
        return std::nullopt;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ascii += 'e';
        ++i;
        takeSign();
        if (takeDigits() == 0)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;

    double value = 0.0;
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    const auto read = std::from_chars(first, last, value);
    if (read.ec == std::errc::result_out_of_range) {
        const bool negative = ascii.front() == '-';
        const SpelledNumber number = spelledNumber(negative ? ascii.substr(1) : ascii);
        if (isVanishinglySmall(number))
            return negative ? -0.0 : 0.0;
        if (isLargestDoubleAsWritten(number)) {
            const double largest = std::numeric_limits<double>::max();
            return negative ? -largest : largest;
        }
        return std::nullopt;
    }
    if (read.ec != std::errc() || read.ptr != last)
        return std::nullopt;
    return value;
}

} // namespace belvane

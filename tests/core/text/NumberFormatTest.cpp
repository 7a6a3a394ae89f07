#include "core/text/NumberFormat.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace belvane {
namespace {

std::string fmt(double value, const char* pattern)
{
    return formatNumber(value, QString::fromUtf8(pattern)).toStdString();
}

std::string general(double value)
{
    return formatGeneral(value).toStdString();
}

std::optional<double> parse(const char* text)
{
    return parseNumber(QString::fromUtf8(text));
}

double widened(float value)
{
    return static_cast<double>(value);
}

TEST(NumberFormat, FiguresOfThePricingScreens)
{
    EXPECT_EQ(fmt(23.4421875, "#0.00"), "23,44");
    EXPECT_EQ(fmt(54.692187, "#0.00"), "54,69");
    EXPECT_EQ(fmt(1500.5, "#0.00#"), "1500,50");
    EXPECT_EQ(fmt(3750.75, "#0.00#"), "3750,75");
    EXPECT_EQ(fmt(0.7, "0.0"), "0,7");
    EXPECT_EQ(fmt(widened(1.3f), "0.00"), "1,30");
    EXPECT_EQ(fmt(20.833333, "#0.0"), "20,8");
    EXPECT_EQ(fmt(45.9, "#0.0"), "45,9");
    EXPECT_EQ(fmt(12750, "0,00"), "12.750");
    EXPECT_EQ(fmt(10944.44, "0"), "10944");
    EXPECT_EQ(fmt(7, "000000"), "000007");
    EXPECT_EQ(fmt(2.5, "0"), "3");
    EXPECT_EQ(fmt(-2.5, "0"), "-3");
    EXPECT_EQ(fmt(0.125, "0.00"), "0,13");
    EXPECT_EQ(fmt(-0.001, "0.00"), "0,00");
}

TEST(NumberFormat, TwoDecimalsRoundTiesAwayFromZero)
{
    EXPECT_EQ(fmt(0.125, "#0.00"), "0,13");
    EXPECT_EQ(fmt(-0.125, "#0.00"), "-0,13");
    EXPECT_EQ(fmt(0.375, "0.00"), "0,38");
    EXPECT_EQ(fmt(-1.625, "0.00"), "-1,63");
    // These are a hair below the tie in binary, and stay below it at 18 digits.
    EXPECT_EQ(fmt(2.675, "0.00"), "2,67");
    EXPECT_EQ(fmt(1.005, "0.00"), "1,00");
    // And these a hair above.
    EXPECT_EQ(fmt(0.005, "0.00"), "0,01");
    EXPECT_EQ(fmt(999.995, "0.00"), "1000,00");
    // Rounding carries through every digit.
    EXPECT_EQ(fmt(9.999, "0.00"), "10,00");
    EXPECT_EQ(fmt(-99.996, "0.00"), "-100,00");
}

TEST(NumberFormat, TwoDecimalsPadAndNeverGroupWithoutComma)
{
    EXPECT_EQ(fmt(0, "0.00"), "0,00");
    EXPECT_EQ(fmt(-0.0, "0.00"), "0,00");
    EXPECT_EQ(fmt(-0.004, "#0.00"), "0,00");
    EXPECT_EQ(fmt(5, "#0.00"), "5,00");
    EXPECT_EQ(fmt(0.5, "#0.00"), "0,50");
    EXPECT_EQ(fmt(1234567.891, "#0.00"), "1234567,89");
    EXPECT_EQ(fmt(-1234567.891, "0.00"), "-1234567,89");
    EXPECT_EQ(fmt(1e-300, "0.00"), "0,00");
    EXPECT_EQ(fmt(123456789012345678.0, "0"), "123456789012345680");
}

TEST(NumberFormat, OptionalThirdDecimal)
{
    EXPECT_EQ(fmt(2, "#0.00#"), "2,00");
    EXPECT_EQ(fmt(1.2346, "#0.00#"), "1,235");
    EXPECT_EQ(fmt(1.2344, "#0.00#"), "1,234");
    EXPECT_EQ(fmt(1.2399, "#0.00#"), "1,24");
    EXPECT_EQ(fmt(0.0005, "#0.00#"), "0,001");
    EXPECT_EQ(fmt(0.0004, "#0.00#"), "0,00");
    EXPECT_EQ(fmt(-7.1005, "#0.00#"), "-7,101");
    EXPECT_EQ(fmt(widened(1.15f), "#0.00#"), "1,15");
}

TEST(NumberFormat, OneDecimalPatterns)
{
    EXPECT_EQ(fmt(0.7, "0.0"), "0,7");
    EXPECT_EQ(fmt(1, "0.0"), "1,0");
    EXPECT_EQ(fmt(widened(0.7f), "0.0"), "0,7");
    EXPECT_EQ(fmt(widened(1.3f), "0.0"), "1,3");
    EXPECT_EQ(fmt(0.25, "#0.0"), "0,3");
    EXPECT_EQ(fmt(-0.25, "#0.0"), "-0,3");
    EXPECT_EQ(fmt(-0.04, "#0.0"), "0,0");

    EXPECT_EQ(fmt(33.33, "#0.#"), "33,3");
    EXPECT_EQ(fmt(50, "#0.#"), "50");
    EXPECT_EQ(fmt(49.96, "#0.#"), "50");
    EXPECT_EQ(fmt(0.05, "#0.#"), "0,1");
    EXPECT_EQ(fmt(-0.04, "#0.#"), "0");

    EXPECT_EQ(fmt(2, "#0.0#"), "2,0");
    EXPECT_EQ(fmt(2.25, "#0.0#"), "2,25");
    EXPECT_EQ(fmt(2.999, "#0.0#"), "3,0");
    EXPECT_EQ(fmt(widened(120.3f), "#0.0#"), "120,3");
}

TEST(NumberFormat, ForcedIntegerDigits)
{
    EXPECT_EQ(fmt(0.5, "0"), "1");
    EXPECT_EQ(fmt(0.49, "0"), "0");
    EXPECT_EQ(fmt(-0.5, "0"), "-1");
    EXPECT_EQ(fmt(-0.49, "0"), "0");
    EXPECT_EQ(fmt(11000, "0"), "11000");

    EXPECT_EQ(fmt(0, "#000#"), "0000");
    EXPECT_EQ(fmt(5, "#000#"), "0005");
    EXPECT_EQ(fmt(12345, "#000#"), "12345");
    EXPECT_EQ(fmt(123456, "#000#"), "123456");
    EXPECT_EQ(fmt(-42, "#000#"), "-0042");

    EXPECT_EQ(fmt(0, "000000"), "000000");
    EXPECT_EQ(fmt(999999.5, "000000"), "1000000");
    EXPECT_EQ(fmt(1234567, "000000"), "1234567");

    EXPECT_EQ(fmt(0, "#0"), "0");
    EXPECT_EQ(fmt(0.5, "#.##"), ",5");
    EXPECT_EQ(fmt(1.25, "#.##"), "1,25");
    EXPECT_EQ(fmt(12, "#.##"), "12");
}

TEST(NumberFormat, ThousandsGrouping)
{
    EXPECT_EQ(fmt(5, "0,00"), "005");
    EXPECT_EQ(fmt(999, "0,00"), "999");
    EXPECT_EQ(fmt(999.5, "0,00"), "1.000");
    EXPECT_EQ(fmt(1234567, "0,00"), "1.234.567");
    EXPECT_EQ(fmt(-12750, "0,00"), "-12.750");
    EXPECT_EQ(fmt(1234.5, "#,##0.00"), "1.234,50");
    EXPECT_EQ(fmt(123456789.125, "#,##0.00"), "123.456.789,13");
    EXPECT_EQ(fmt(0, "#,##0.00"), "0,00");
}

TEST(NumberFormat, LiteralTextAroundTheNumber)
{
    // Shares already in percent: no multiplication by 100.
    EXPECT_EQ(fmt(33.333, "##0.# %"), "33,3 %");
    EXPECT_EQ(fmt(50, "##0.# %"), "50 %");
    EXPECT_EQ(fmt(100, "##0.# %"), "100 %");
    EXPECT_EQ(fmt(0.04, "##0.# %"), "0 %");
    EXPECT_EQ(fmt(-12.34, "##0.# %"), "-12,3 %");

    EXPECT_EQ(fmt(12.5, "R$ #0.00"), "R$ 12,50");
    EXPECT_EQ(fmt(11000, "0 m2"), "11000 m2");
    // Quoted text keeps its digit characters as text.
    EXPECT_EQ(fmt(11000, "0' -> lucro=0'"), "11000 -> lucro=0");
    EXPECT_EQ(fmt(12.34, "#0.0 'x0'"), "12,3 x0");
    EXPECT_EQ(fmt(3, "0\"#.,\""), "3#.,");
}

TEST(NumberFormat, ValuesBeyondThePatternsUseTheGeneralForm)
{
    EXPECT_EQ(fmt(1e300, "0.00"), "1E300");
    EXPECT_EQ(fmt(-1e18, "#0.00"), "-1E18");
    EXPECT_EQ(fmt(std::numeric_limits<double>::quiet_NaN(), "0.00"), "NAN");
    EXPECT_EQ(fmt(std::numeric_limits<double>::infinity(), "0.00"), "INF");
    EXPECT_EQ(fmt(-std::numeric_limits<double>::infinity(), "#0.0"), "-INF");
    EXPECT_EQ(fmt(1e17, "0"), "100000000000000000");
    EXPECT_EQ(fmt(120.5, ""), "120,5");
}

TEST(NumberFormat, GeneralFormIsShortest)
{
    EXPECT_EQ(general(0), "0");
    EXPECT_EQ(general(-0.0), "0");
    EXPECT_EQ(general(120.5), "120,5");
    EXPECT_EQ(general(120.0), "120");
    EXPECT_EQ(general(1500.0), "1500");
    EXPECT_EQ(general(23.4421875), "23,4421875");
    EXPECT_EQ(general(-23.4421875), "-23,4421875");
    EXPECT_EQ(general(0.1), "0,1");
    EXPECT_EQ(general(0.1 + 0.2), "0,3");
    EXPECT_EQ(general(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(general(2.0 / 3.0), "0,666666666666667");
    EXPECT_EQ(general(1234567.891), "1234567,891");
    EXPECT_EQ(general(999999999999999.0), "999999999999999");
}

TEST(NumberFormat, GeneralFormRoundsFromEighteenDigits)
{
    // Exactly 6,83868343617898499786...: the 18-digit text 6,83868343617898500 already carries
    // the tie, which then rounds up at the 15th digit. Rounding the exact value would give ...898.
    EXPECT_EQ(general(6.838683436178985), "6,83868343617899");
    EXPECT_EQ(general(-4.343915493665925), "-4,34391549366593");
}

TEST(NumberFormat, GeneralFormShowsSinglePrecisionError)
{
    EXPECT_EQ(general(widened(1.2f)), "1,20000004768372");
    EXPECT_EQ(general(widened(120.3f)), "120,300003051758");
    EXPECT_EQ(general(widened(35.7f)), "35,7000007629395");
    EXPECT_EQ(general(widened(-35.7f)), "-35,7000007629395");
    EXPECT_EQ(general(widened(85.5f)), "85,5");
    EXPECT_EQ(general(widened(150.0f)), "150");
}

TEST(NumberFormat, GeneralFormExponentAtTheExtremes)
{
    EXPECT_EQ(general(1.5e-7), "1,5E-7");
    EXPECT_EQ(general(-1.5e-7), "-1,5E-7");
    EXPECT_EQ(general(0.00001), "0,00001");
    EXPECT_EQ(general(0.000012), "0,000012");
    EXPECT_EQ(general(0.0000099), "9,9E-6");
    EXPECT_EQ(general(1e20), "1E20");
    EXPECT_EQ(general(1e15), "1E15");
    EXPECT_EQ(general(999999999999999.9), "1E15");
    EXPECT_EQ(general(1234567890123456.0), "1,23456789012346E15");
    EXPECT_EQ(general(1e-300), "1E-300");
    EXPECT_EQ(general(std::numeric_limits<double>::max()), "1,79769313486232E308");
    EXPECT_EQ(general(std::numeric_limits<double>::denorm_min()), "4,94065645841247E-324");
    EXPECT_EQ(general(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(general(-std::numeric_limits<double>::infinity()), "-INF");
}

TEST(NumberFormat, ParseReadsBrazilianNumbers)
{
    EXPECT_EQ(parse("120,5"), 120.5);
    EXPECT_EQ(parse("1500"), 1500.0);
    EXPECT_EQ(parse("0"), 0.0);
    EXPECT_EQ(parse("-23,4421875"), -23.4421875);
    EXPECT_EQ(parse("+3"), 3.0);
    EXPECT_EQ(parse("  7,25\t"), 7.25);
    EXPECT_EQ(parse(",5"), 0.5);
    EXPECT_EQ(parse("5,"), 5.0);
    EXPECT_EQ(parse("1,5E-7"), 1.5e-7);
    EXPECT_EQ(parse("-1,5e-7"), -1.5e-7);
    EXPECT_EQ(parse("1E20"), 1e20);
    EXPECT_EQ(parse("1,2E+3"), 1200.0);
    EXPECT_EQ(parse("000012,50"), 12.5);
    EXPECT_EQ(parse("1E-400"), 0.0);
    EXPECT_EQ(parse("0,0000E99999999999999999999"), 0.0);
}

TEST(NumberFormat, ParseRejectsWhatIsNoNumber)
{
    for (const char* text : {"", "   ", "abc", "1.234,5", "1.5", "1,2,3", "-", "+", ",", "-,",
                             "1E", "1E+", "E5", "12a", "1 2", "--1", "+-1", "1,5 %", "R$ 5",
                             "NAN", "INF", "0x10", "1E400", "-1E99999999999999999999"}) {
        EXPECT_EQ(parse(text), std::nullopt) << text;
    }
    // Digits of other scripts are not the digits of the files.
    EXPECT_EQ(parseNumber(QStringLiteral("\u0661\u0662")), std::nullopt);
    EXPECT_EQ(parseNumber(QStringLiteral("1\u00a0000")), std::nullopt);
}

TEST(NumberFormat, GeneralFormReadsBackExactly)
{
    for (double typed : {0.0, 120.5, -120.5, 1500.0, 0.1, 23.4421875, 1234.56, 1.5e-7, 1e20,
                         999999999999999.0, 0.00001, 33.3}) {
        EXPECT_EQ(parseNumber(formatGeneral(typed)), typed) << typed;
    }
    // Widened single-precision values come back to the very same single-precision value.
    for (float stored : {1.2f, 35.7f, 120.3f, 0.7f, 1.3f, 85.5f, 12345.678f, 3.4e38f, 1.0e-30f}) {
        const std::optional<double> back = parseNumber(formatGeneral(widened(stored)));
        ASSERT_TRUE(back.has_value()) << stored;
        EXPECT_EQ(static_cast<float>(*back), stored) << stored;
    }
}

TEST(NumberFormat, LargestDoubleReadsBackFromItsGeneralForm)
{
    // Rounded to 15 digits the largest double lies just past itself; the history holds that text
    // for it and must read it back rather than lose the cell.
    const double largest = std::numeric_limits<double>::max();
    for (const double value : {largest, -largest, std::nextafter(largest, 0.0)}) {
        const std::optional<double> back = parseNumber(formatGeneral(value));
        ASSERT_TRUE(back.has_value()) << formatGeneral(value).toStdString();
        EXPECT_EQ(formatGeneral(*back), formatGeneral(value));
    }
    EXPECT_EQ(parseNumber(u"1,79769313486232E308"), largest);
    EXPECT_EQ(parseNumber(u"-0,179769313486232e309"), -largest);
    EXPECT_EQ(parseNumber(u"1,797693134862321E308"), std::nullopt);
    EXPECT_EQ(parseNumber(u"1,8E308"), std::nullopt);
    EXPECT_EQ(parseNumber(u"1E309"), std::nullopt);
}

TEST(NumberFormat, GeneralFormIsStableOverManyValues)
{
    // A fixed stream of bit patterns covering every magnitude of float and double.
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    const auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state;
    };
    for (int i = 0; i < 20000; ++i) {
        const auto floatBits = static_cast<std::uint32_t>(next() >> 32);
        float stored;
        std::memcpy(&stored, &floatBits, sizeof stored);
        if (std::isfinite(stored)) {
            const std::optional<double> back = parseNumber(formatGeneral(widened(stored)));
            ASSERT_TRUE(back.has_value()) << stored;
            EXPECT_EQ(static_cast<float>(*back), stored) << formatGeneral(stored).toStdString();
        }
        const std::uint64_t doubleBits = next();
        double value;
        std::memcpy(&value, &doubleBits, sizeof value);
        if (std::isfinite(value)) {
            const QString text = formatGeneral(value);
            const std::optional<double> back = parseNumber(text);
            ASSERT_TRUE(back.has_value()) << text.toStdString();
            EXPECT_EQ(formatGeneral(*back), text);
            EXPECT_LE(std::fabs(*back - value), std::fabs(value) * 1e-14) << text.toStdString();
        }
    }
}

TEST(NumberFormat, IgnoresTheMachineLocale)
{
    const QLocale previousDefault;
    const std::string previousNumeric = std::setlocale(LC_NUMERIC, nullptr);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // A C locale with a decimal comma, where the machine has one: the C library would then write
    // and read "1,5" itself, and a formatter leaning on it would double or lose the comma.
    for (const char* name : {"pt_BR.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr)
            break;
    }

    EXPECT_EQ(fmt(1234.5, "#,##0.00"), "1.234,50");
    EXPECT_EQ(fmt(0.125, "0.00"), "0,13");
    EXPECT_EQ(general(widened(1.2f)), "1,20000004768372");
    EXPECT_EQ(parse("120,5"), 120.5);
    EXPECT_EQ(parse("120.5"), std::nullopt);

    std::setlocale(LC_NUMERIC, previousNumeric.c_str());
    QLocale::setDefault(previousDefault);
}

} // namespace
} // namespace belvane

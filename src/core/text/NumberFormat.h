#pragma once
// Numbers as a Brazilian user reads and types them: decimal comma, thousands dot. The program
// shows figures through small digit patterns ("#0.00", "0,00", "000000") and keeps numbers in the
// history file in a "general" text form, so both must come out the same on every machine: none of
// this looks at the system locale or the C locale.
//
// Rounding follows the desktop runtime the stored files were first written with: the value is
// first taken to 18 significant decimal digits, and that decimal text is then rounded half away
// from zero to the digits shown. Two-decimal money therefore reads 0,125 as 0,13.
#include <QString>
#include <QStringView>

#include <optional>

namespace belvane {

// Digit pattern: '0' is a digit that is always shown, '#' one shown only when needed, the first
// '.' marks where the decimal comma goes, a ',' before it turns thousands grouping on, text in
// quotes and any other character is printed as it stands.
//
// Integer digits: every placeholder from the first '0' before the decimal point onwards is forced
// ("#000#" shows at least four digits); digits beyond the placeholders are never cut off.
// Decimals: at least as many as there are placeholders up to the last '0' after the point, at most
// as many as there are placeholders after it ("#0.00#" shows two or three); the decimal comma is
// left out when no decimal is shown. Negative values take a leading '-' unless they round to zero.
// Values of 10^18 and more, infinities and NaN are shown in the general form instead.
QString formatNumber(double value, QStringView pattern);

// General form: the shortest text of at most 15 significant digits, without trailing zeros or
// thousands separators ("120,5", "1500", "0"). Magnitudes below 0,00001 or with more than 15
// integer digits use an exponent ("1,5E-7", "1E20"). A single-precision value widened to double
// shows its binary error, as stored files do: 1.2f reads "1,20000004768372".
QString formatGeneral(double value);

// The number a Brazilian text spells: optional sign, digits with an optional decimal comma, an
// optional exponent ("1,5E-7"), blanks around it. Thousands dots, a decimal point, a second comma
// or any other character make it no number. A value too large for a double is no number, except
// "1,79769313486232E308", the general form of the largest double, which reads as that; one too
// small reads as zero.
std::optional<double> parseNumber(QStringView text);

} // namespace belvane

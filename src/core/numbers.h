#pragma once

#include <QString>

namespace quorlin {

// Reads the leading number of a text the way BASIC's Val does.
// Spaces, tabs, CR and LF are ignored wherever they stand ("1 2" is 12).
// Then: an optional sign, digits with at most one decimal point and an
// optional exponent (E or D, optional sign, digits). Reading stops at the
// first character that cannot continue the number; a text without a leading
// number reads 0. "&H" / "&O" in front read hexadecimal / octal digits.
// The result is always finite: overflow saturates to +-DBL_MAX and
// underflow gives 0. It never depends on the process locale.
double ReadNumber(const QString &text);

// Formats a value the way BASIC's Str prints it, without the leading blank:
// whole numbers without a decimal point ("4", "-1"), fractions with a point
// and a leading zero ("2.5", "0.5"), at most 15 significant digits, no
// trailing zeros. Magnitudes from 1e15 up or below 1e-4 use the exponent
// form "1.5E+20" / "1E-05". Negative zero prints "0".
// BASIC itself drops the zero before the point (".5"); the game reads both
// forms and "0.5" is easier on the eye in a script.
QString PlainDecimal(double v);

// Nearest whole number; halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values too large to have a fraction, and non-finite values, come back
// unchanged.
double RoundHalfEven(double v);

// The text without any space, tab, CR or LF.
QString StripBlanks(const QString &text);

// True when the name, with blanks removed, is exactly how its own leading
// number prints in plain decimal: "12", " 1 2 ", "1.5" are unit numbers;
// "01", "12a", "1e3", "" and display names are not.
bool IsUnitNumber(const QString &name);

} // namespace quorlin

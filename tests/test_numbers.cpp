#include <QtTest>

#include <cfloat>
#include <clocale>
#include <cmath>

#include "core/numbers.h"

using namespace quorlin;

// QCOMPARE on doubles is fuzzy; these checks need bit-for-bit results.
#define COMPARE_EXACT(actual, expected)                                                                                \
    do {                                                                                                               \
        const double a_ = (actual);                                                                                    \
        const double e_ = (expected);                                                                                  \
        QVERIFY2(a_ == e_, qPrintable(QStringLiteral("got %1, expected %2").arg(a_, 0, 'g', 17).arg(e_, 0, 'g', 17))); \
    } while (false)

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();

    void plainDecimal_data();
    void plainDecimal();

    void numbersIgnoreProcessLocale();

    void roundHalfEven_data();
    void roundHalfEven();

    void stripBlanks();
    void isUnitNumber_data();
    void isUnitNumber();
};

void NumbersTest::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    // Blanks anywhere
    QTest::newRow("blank inside digits") << "1 2" << 12.0;
    QTest::newRow("blank after sign") << " - 3" << -3.0;
    QTest::newRow("tab cr lf") << "\t1\r\n2\n" << 12.0;
    QTest::newRow("blank inside exponent") << "1 e + 2" << 100.0;
    QTest::newRow("blank inside fraction") << "2 . 5" << 2.5;
    QTest::newRow("no-break space stops") << QString::fromUtf16(u"1\u00A02") << 1.0;
    QTest::newRow("ideographic space stops") << QString::fromUtf16(u"1\u30002") << 1.0;

    // Sign and point
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("negative leading point") << "-.25" << -0.25;
    QTest::newRow("trailing point") << "3." << 3.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("zeros after point") << "0.0001" << 0.0001;

    // Where reading stops
    QTest::newRow("letter after digits") << "12a" << 12.0;
    QTest::newRow("second point") << "1.2.3" << 1.2;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("sign after digits") << "5-3" << 5.0;
    QTest::newRow("full-width digit") << QString::fromUtf16(u"\uFF11") << 0.0;
    QTest::newRow("digits then chinese") << QString::fromUtf16(u"3个") << 3.0;
    QTest::newRow("comma") << "1,5" << 1.0;

    // Exponents
    QTest::newRow("E") << "1E3" << 1000.0;
    QTest::newRow("e negative") << "25e-1" << 2.5;
    QTest::newRow("D") << "1D2" << 100.0;
    QTest::newRow("d with plus") << "1.5d+1" << 15.0;
    QTest::newRow("point then exponent") << "2.e1" << 20.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent with only sign") << "1e+" << 1.0;
    QTest::newRow("exponent stops at letter") << "1e2x5" << 100.0;
    QTest::newRow("second exponent") << "1e2e3" << 100.0;
    QTest::newRow("exponent point") << "1e1.5" << 10.0;
    QTest::newRow("exponent needs mantissa") << "e5" << 0.0;
    QTest::newRow("point exponent") << ".e5" << 0.0;
    QTest::newRow("zero mantissa big exponent") << "0e999999" << 0.0;

    // No number at all
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << " \t\r\n" << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("word") << "abc" << 0.0;
    QTest::newRow("chinese name") << QString::fromUtf16(u"民兵") << 0.0;
    QTest::newRow("ampersand only") << "&" << 0.0;
    QTest::newRow("ampersand digits") << "&12" << 0.0;
    QTest::newRow("sign before &H") << "-&H10" << 0.0;

    // &H and &O
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex with blanks") << " & H 1 F " << 31.0;
    QTest::newRow("hex stops at non-hex") << "&H1G" << 1.0;
    QTest::newRow("hex alone") << "&H" << 0.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal lower case") << "&o10" << 8.0;
    QTest::newRow("octal stops at 8") << "&O78" << 7.0;
    QTest::newRow("octal alone") << "&O" << 0.0;

    // 16-bit range
    QTest::newRow("hex 7FFF") << "&H7FFF" << 32767.0;
    QTest::newRow("hex 8000") << "&H8000" << -32768.0;
    QTest::newRow("hex FFFF") << "&HFFFF" << -1.0;
    QTest::newRow("hex FFFF padded") << "&H0000FFFF" << -1.0;
    QTest::newRow("octal 177777") << "&O177777" << -1.0;
    QTest::newRow("octal 100000") << "&O100000" << -32768.0;

    // 32-bit range
    QTest::newRow("hex 10000") << "&H10000" << 65536.0;
    QTest::newRow("hex 7FFFFFFF") << "&H7FFFFFFF" << 2147483647.0;
    QTest::newRow("hex 80000000") << "&H80000000" << -2147483648.0;
    QTest::newRow("hex FFFFFFFF") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("octal 37777777777") << "&O37777777777" << -1.0;
    QTest::newRow("octal 200000") << "&O200000" << 65536.0;

    // Wider than 32 bits: unsigned, saturating at 2^64 - 1
    QTest::newRow("hex 100000000") << "&H100000000" << 4294967296.0;
    QTest::newRow("hex 16 F") << "&HFFFFFFFFFFFFFFFF" << 18446744073709551615.0;
    QTest::newRow("hex 2^64") << "&H1" + QString(16, QLatin1Char('0')) << 18446744073709551615.0;
    QTest::newRow("hex 40 digits") << "&H" + QString(40, QLatin1Char('F')) << 18446744073709551615.0;
    QTest::newRow("octal 2^64") << "&O2" + QString(21, QLatin1Char('0')) << 18446744073709551615.0;
    QTest::newRow("octal 2^63") << "&O1" + QString(21, QLatin1Char('0')) << 9223372036854775808.0;

    // Out of range: always finite
    QTest::newRow("1E400") << "1E400" << DBL_MAX;
    QTest::newRow("-1E400") << "-1E400" << -DBL_MAX;
    QTest::newRow("1E-400") << "1E-400" << 0.0;
    QTest::newRow("-1E-400") << "-1E-400" << 0.0;
    QTest::newRow("just above DBL_MAX") << "1.8e308" << DBL_MAX;
    QTest::newRow("DBL_MAX") << "1.7976931348623157e308" << DBL_MAX;
    QTest::newRow("subnormal") << "4.9406564584124654e-324" << 4.9406564584124654e-324;
    QTest::newRow("huge exponent") << "1e99999999999999999999999" << DBL_MAX;
    QTest::newRow("huge negative exponent") << "-1e-99999999999999999999999" << 0.0;
    QTest::newRow("40 digits") << "1234567890123456789012345678901234567890"
                               << 1234567890123456789012345678901234567890.0;
    QTest::newRow("40 digit fraction") << "0.1234567890123456789012345678901234567890"
                                       << 0.1234567890123456789012345678901234567890;
    // 100,000 zeros: leading zeros and exponent cancel out, or a long run overflows.
    const QString zeros(100000, QLatin1Char('0'));
    QTest::newRow("zeros after point, big exponent") << "0." + zeros + "15e100001" << 1.5;
    QTest::newRow("zeros before point, small exponent") << "15" + zeros + "e-100001" << 1.5;
    QTest::newRow("long digit run") << "9" + zeros << DBL_MAX;
    QTest::newRow("long fraction run") << "0." + zeros + "1" << 0.0;
}

void NumbersTest::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double v = ReadNumber(text);
    QVERIFY(std::isfinite(v));
    COMPARE_EXACT(v, expected);
    QVERIFY(!(v == 0.0 && std::signbit(v))); // never negative zero
}

void NumbersTest::plainDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // Whole numbers
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("four") << 4.0 << "4";
    QTest::newRow("minus one") << -1.0 << "-1";
    QTest::newRow("trailing zeros kept in whole") << 40000.0 << "40000";
    QTest::newRow("15 digits") << 999999999999999.0 << "999999999999999";
    QTest::newRow("-15 digits") << -123456789012345.0 << "-123456789012345";

    // Fractions
    QTest::newRow("two and a half") << 2.5 << "2.5";
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("minus half") << -0.5 << "-0.5";
    QTest::newRow("one third") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("two thirds") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("1e-4 stays fixed") << 1e-4 << "0.0001";
    QTest::newRow("-1.5e-4") << -1.5e-4 << "-0.00015";
    QTest::newRow("fraction rounds to whole") << 2.0000000000000004 << "2";
    QTest::newRow("12345.678") << 12345.678 << "12345.678";
    QTest::newRow("15 digit fraction") << 0.123456789012345 << "0.123456789012345";

    // Exponent form
    QTest::newRow("1e15") << 1e15 << "1E+15";
    QTest::newRow("-1e15") << -1e15 << "-1E+15";
    QTest::newRow("1.5e20") << 1.5e20 << "1.5E+20";
    QTest::newRow("6.02214076e23") << 6.02214076e23 << "6.02214076E+23";
    QTest::newRow("1.25e-10") << 1.25e-10 << "1.25E-10";
    QTest::newRow("40 digits") << 1.23456789012345678e39 << "1.23456789012346E+39";
    QTest::newRow("1e-5") << 1e-5 << "1E-05";
    QTest::newRow("-2.5e-7") << -2.5e-7 << "-2.5E-07";
    QTest::newRow("1e100") << 1e100 << "1E+100";
    QTest::newRow("DBL_MAX") << DBL_MAX << "1.79769313486232E+308";
    QTest::newRow("-DBL_MAX") << -DBL_MAX << "-1.79769313486232E+308";
    QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << "4.94065645841247E-324";

    // Rounding to 15 digits carries into the next power of ten
    QTest::newRow("carry to 1E+15") << 9.999999999999999e14 << "1E+15";
    QTest::newRow("carry to 0.0001") << std::nextafter(1e-4, 0.0) << "0.0001";
    QTest::newRow("carry below 1") << std::nextafter(1.0, 0.0) << "1";
    QTest::newRow("carry below 10") << std::nextafter(10.0, 0.0) << "10";
    QTest::newRow("carry below -100") << std::nextafter(-100.0, 0.0) << "-100";

    // Non-finite values cannot come from ReadNumber but must not break output
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "1.79769313486232E+308";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << "0";
}

void NumbersTest::plainDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(PlainDecimal(value), expected);
    // A value of at most 15 significant digits reads back exactly.
    if (std::isfinite(value) && QByteArray::number(value, 'g', 15).toDouble() == value)
        COMPARE_EXACT(ReadNumber(expected), value);
}

void NumbersTest::numbersIgnoreProcessLocale()
{
    // Qt applications adopt the user's locale; a decimal comma there must
    // not leak into scripts.
    const char *const candidates[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    const QByteArray saved = std::setlocale(LC_ALL, nullptr);
    const char *chosen = nullptr;
    for (const char *name : candidates) {
        if (std::setlocale(LC_ALL, name)) {
            chosen = name;
            break;
        }
    }
    if (!chosen)
        QSKIP("no locale with a decimal comma is installed");
    const double read = ReadNumber("2.5");
    const QString written = PlainDecimal(2.5);
    const QString small = PlainDecimal(1.5e-7);
    std::setlocale(LC_ALL, saved.constData());
    COMPARE_EXACT(read, 2.5);
    QCOMPARE(written, QStringLiteral("2.5"));
    QCOMPARE(small, QStringLiteral("1.5E-07"));
}

void NumbersTest::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("3.5") << 3.5 << 4.0;
    QTest::newRow("-0.5") << -0.5 << 0.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("below half") << 2.4999999999999996 << 2.0;
    QTest::newRow("above half") << 2.5000000000000004 << 3.0;
    QTest::newRow("largest below 0.5") << 0.49999999999999994 << 0.0;
    QTest::newRow("-2.7") << -2.7 << -3.0;
    QTest::newRow("-0.3") << -0.3 << 0.0;
    QTest::newRow("whole") << 7.0 << 7.0;
    QTest::newRow("odd half below 2^52") << 4503599627370495.5 << 4503599627370496.0;
    QTest::newRow("even half below 2^52") << 4503599627370494.5 << 4503599627370494.0;
    QTest::newRow("2^53 + 2") << 9007199254740994.0 << 9007199254740994.0;
    QTest::newRow("1e300") << 1e300 << 1e300;
    QTest::newRow("-DBL_MAX") << -DBL_MAX << -DBL_MAX;
}

void NumbersTest::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    COMPARE_EXACT(RoundHalfEven(value), expected);
}

void NumbersTest::stripBlanks()
{
    QCOMPARE(StripBlanks(" a\tb\r\nc "), QStringLiteral("abc"));
    QCOMPARE(StripBlanks(" \t\r\n"), QString());
    // Only ASCII blanks go; other spaces are part of the text.
    const QString others = QString::fromUtf16(u"a\u00A0b\u3000c\u000Bd");
    QCOMPARE(StripBlanks(others), others);
    QCOMPARE(StripBlanks(QString::fromUtf16(u" 民 兵 ")), QString::fromUtf16(u"民兵"));
}

void NumbersTest::isUnitNumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");

    QTest::newRow("12") << "12" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("1.5") << "1.5" << true;
    QTest::newRow("blanks around and inside") << " 1 2 " << true;
    QTest::newRow("tab and line breaks") << "\t7\r\n" << true;
    QTest::newRow("negative") << "-1" << true;
    QTest::newRow("0.5") << "0.5" << true;
    QTest::newRow("15 digits") << "999999999999999" << true;
    QTest::newRow("exponent form as printed") << "1E+15" << true;

    QTest::newRow("leading zero") << "01" << false;
    QTest::newRow("trailing letter") << "12a" << false;
    QTest::newRow("display name") << QString::fromUtf16(u"民兵") << false;
    QTest::newRow("name with digit") << QString::fromUtf16(u"蒙古包3") << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "  " << false;
    QTest::newRow("exponent") << "1e3" << false;
    QTest::newRow("hex") << "&H10" << false;
    QTest::newRow("point first") << ".5" << false;
    QTest::newRow("plus sign") << "+1" << false;
    QTest::newRow("trailing zero") << "1.50" << false;
    QTest::newRow("trailing point") << "1." << false;
    QTest::newRow("negative zero") << "-0" << false;
    QTest::newRow("16 digits") << "1000000000000000" << false;
    QTest::newRow("too many digits to keep") << "1234567890123456" << false;
}

void NumbersTest::isUnitNumber()
{
    QFETCH(QString, name);
    QFETCH(bool, expected);
    QCOMPARE(IsUnitNumber(name), expected);
}

QTEST_APPLESS_MAIN(NumbersTest)

#include "test_numbers.moc"

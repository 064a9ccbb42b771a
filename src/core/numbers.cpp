#include "core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quorlin {

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

bool IsBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\r' || u == u'\n';
}

bool IsDecimalDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int DigitValue(char16_t c, int base)
{
    int d = base;
    if (IsDecimalDigit(c))
        d = c - u'0';
    else if (c >= u'a' && c <= u'f')
        d = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        d = c - u'A' + 10;
    return d < base ? d : -1;
}

// Digits of a "&H" / "&O" constant, starting at index `from`.
// BASIC types such a constant by its value: up to 0xFFFF it is a 16-bit
// Integer, up to 0xFFFFFFFF a 32-bit Long, both two's complement. So &HFFFF
// and &H0000FFFF read -1, &H10000 reads 65536 and &HFFFFFFFF reads -1.
// BASIC has nothing wider; we read longer constants as unsigned 64-bit values
// that stick at 2^64 - 1 instead of wrapping around.
double ReadRadix(const QString &s, qsizetype from, int base)
{
    const int bits = base == 16 ? 4 : 3;
    const quint64 all = std::numeric_limits<quint64>::max();
    quint64 v = 0;
    for (qsizetype i = from; i < s.size(); ++i) {
        const int d = DigitValue(s[i].unicode(), base);
        if (d < 0)
            break;
        v = v > (all >> bits) ? all : (v << bits) | quint64(d);
    }
    if (v <= 0xFFFFu)
        return v >= 0x8000u ? double(v) - 65536.0 : double(v);
    if (v <= 0xFFFFFFFFu)
        return v >= 0x80000000u ? double(v) - 4294967296.0 : double(v);
    return double(v);
}

// Sign, digits with one decimal point, optional E/D exponent. The text has
// no blanks left in it.
double ReadDecimal(const QString &s)
{
    const qsizetype n = s.size();
    const auto at = [&](qsizetype k) -> char16_t { return k < n ? s[k].unicode() : u'\0'; };

    qsizetype i = 0;
    bool negative = false;
    if (at(i) == u'+' || at(i) == u'-')
        negative = at(i++) == u'-';

    // Significant digits without leading zeros; the value is
    // 0.<digits> * 10^scale. Normalising here keeps absurdly long inputs
    // such as "0.000...0001e400" exact.
    std::string digits;
    long long scale = 0;
    bool sawPoint = false;
    for (;; ++i) {
        const char16_t c = at(i);
        if (c == u'.' && !sawPoint) {
            sawPoint = true;
            continue;
        }
        if (!IsDecimalDigit(c))
            break;
        if (digits.empty() && c == u'0') {
            if (sawPoint)
                --scale;
            continue;
        }
        digits += char(c);
        if (!sawPoint)
            ++scale;
    }
    if (digits.empty())
        return 0.0;

    // An exponent marker without digits after it is not part of the number,
    // which is the same as an exponent of 0.
    long long exponent = 0;
    const char16_t marker = at(i);
    if (marker == u'e' || marker == u'E' || marker == u'd' || marker == u'D') {
        qsizetype j = i + 1;
        bool expNegative = false;
        if (at(j) == u'+' || at(j) == u'-')
            expNegative = at(j++) == u'-';
        // Capped well beyond any scale a text can have, so the sum below
        // cannot overflow and still lands on the right side of the range.
        const long long cap = 1'000'000'000'000LL;
        for (; IsDecimalDigit(at(j)); ++j)
            exponent = std::min(exponent * 10 + (at(j) - u'0'), cap);
        if (expNegative)
            exponent = -exponent;
    }

    // The value lies in [10^(magnitude-1), 10^magnitude).
    const long long magnitude = scale + exponent;
    double v = 0.0;
    if (magnitude > 400) {
        v = kLargest;
    } else if (magnitude >= -400) {
        const std::string buffer = "0." + digits + "e" + std::to_string(magnitude);
        const auto result = std::from_chars(buffer.data(), buffer.data() + buffer.size(), v);
        if (result.ec != std::errc() || !std::isfinite(v))
            v = magnitude > 0 ? kLargest : 0.0;
    }
    return negative && v != 0.0 ? -v : v;
}

} // namespace

double ReadNumber(const QString &text)
{
    const QString s = StripBlanks(text);
    if (s.size() >= 2 && s[0] == u'&') {
        const char16_t kind = s[1].unicode();
        if (kind == u'H' || kind == u'h')
            return ReadRadix(s, 2, 16);
        if (kind == u'O' || kind == u'o')
            return ReadRadix(s, 2, 8);
    }
    return ReadDecimal(s);
}

QString PlainDecimal(double v)
{
    if (std::isnan(v) || v == 0.0)
        return QStringLiteral("0");
    if (std::isinf(v))
        v = std::copysign(kLargest, v);

    // Round to 15 significant digits first: "d.<14 digits>e[+-]x".
    // The rounded exponent decides the form, so 9.999999999999999e14
    // becomes 1E+15.
    char buf[40];
    char *const end = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14).ptr;
    const char *const e = std::find(buf, end, 'e');
    std::string digits(1, buf[0]);
    digits.append(buf + 2, size_t(e - (buf + 2)));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    std::from_chars(e + 2, end, exponent);
    if (e[1] == '-')
        exponent = -exponent;

    std::string out = v < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        out += exponent < 0 ? "E-" : "E+";
        const std::string e10 = std::to_string(std::abs(exponent));
        out += (e10.size() < 2 ? "0" : "") + e10;
    } else if (exponent >= 0) {
        const size_t wholeDigits = size_t(exponent) + 1;
        if (digits.size() < wholeDigits)
            digits.append(wholeDigits - digits.size(), '0');
        out += digits.substr(0, wholeDigits);
        if (digits.size() > wholeDigits)
            out += "." + digits.substr(wholeDigits);
    } else {
        out += "0." + std::string(size_t(-exponent - 1), '0') + digits;
    }
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

double RoundHalfEven(double v)
{
    // From 2^52 up every double is already a whole number.
    if (!std::isfinite(v) || std::fabs(v) >= 4503599627370496.0)
        return v;
    const double below = std::floor(v);
    const double fraction = v - below; // exact in this range
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

QString StripBlanks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (!IsBlank(c))
            out += c;
    }
    return out;
}

bool IsUnitNumber(const QString &name)
{
    const QString bare = StripBlanks(name);
    return StripBlanks(PlainDecimal(ReadNumber(bare))) == bare;
}

} // namespace quorlin

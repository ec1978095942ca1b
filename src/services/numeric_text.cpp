// The numeric-text test, its locale conversion and Val, with one scanner per reading.
#include "services/numeric_text.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace services {

namespace {

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

int hexDigitValue(QChar c)
{
    if (isAsciiDigit(c))
        return c.unicode() - '0';
    const char16_t u = c.toLower().unicode();
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// &H / &O values take the platform's integer widths: what fits in 16 bits is a signed 16-bit
// value (&HFFFF is -1), what fits in 32 bits a signed 32-bit one.
std::optional<double> radixValue(const QString& digits, int radix)
{
    if (digits.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : digits) {
        const int d = hexDigitValue(c);
        if (d < 0 || d >= radix)
            return std::nullopt;
        value = value * radix + d;
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (value <= 0xFFFF)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

// Reads "<integer digits>.<fraction digits>E<exponent>" (already stripped of separators) as a double.
// nullopt on overflow; an underflow reads as 0.
std::optional<double> decimalValue(const std::string& intDigits, const std::string& fracDigits,
                                   long long exponent)
{
    std::string text = (intDigits.empty() ? std::string("0") : intDigits);
    if (!fracDigits.empty())
        text += '.' + fracDigits;
    text += 'e' + std::to_string(exponent);
    double value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)ptr;
    if (ec == std::errc())
        return value;
    if (ec != std::errc::result_out_of_range)
        return std::nullopt;
    // Out of range: decide between overflow and underflow by the position of the first digit.
    const std::string all = intDigits + fracDigits;
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    const long long magnitude = static_cast<long long>(intDigits.size()) - static_cast<long long>(first) + exponent;
    if (magnitude > 0)
        return std::nullopt;
    return 0.0;
}

// Reads optional sign and digits of an exponent at text[i] (just after the E or D);
// returns the index after it, or -1 when no digit follows.
int scanExponent(const QString& text, int i, long long& exponent)
{
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= text.size() || !isAsciiDigit(text[i]))
        return -1;
    long long value = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        // Saturate: anything this large over- or underflows a double anyway.
        if (value < 100000)
            value = value * 10 + (text[i].unicode() - '0');
        ++i;
    }
    exponent = negative ? -value : value;
    return i;
}

bool isExponentMark(QChar c)
{
    const char16_t u = c.toLower().unicode();
    return u == 'e' || u == 'd';
}

} // namespace

std::optional<double> NumericValue(const QString& text, const QLocale& locale)
{
    const QString decimalPoint = locale.decimalPoint();
    const QString currency = locale.currencySymbol();
    const int n = text.size();
    int i = 0;
    auto startsHere = [&](const QString& s) {
        return !s.isEmpty() && QStringView(text).mid(i).startsWith(s);
    };

    bool plus = false, minus = false, paren = false, closed = false, currencySeen = false;
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
        } else if (!plus && !minus && (c == QLatin1Char('+') || c == QLatin1Char('-'))) {
            (c == QLatin1Char('-') ? minus : plus) = true;
            ++i;
        } else if (!paren && c == QLatin1Char('(')) {
            paren = true;
            ++i;
        } else if (!currencySeen && startsHere(currency)) {
            currencySeen = true;
            i += currency.size();
        } else {
            break;
        }
    }

    std::optional<double> value;
    if (i + 1 < n && text[i] == QLatin1Char('&')
        && (text[i + 1].toLower() == QLatin1Char('h') || text[i + 1].toLower() == QLatin1Char('o'))) {
        const int radix = text[i + 1].toLower() == QLatin1Char('h') ? 16 : 8;
        i += 2;
        const int start = i;
        while (i < n && hexDigitValue(text[i]) >= 0)
            ++i;
        value = radixValue(text.mid(start, i - start), radix);
        if (!value)
            return std::nullopt;
    } else {
        std::string intDigits, fracDigits;
        bool seenDecimal = false;
        while (i < n) {
            const QChar c = text[i];
            if (isAsciiDigit(c)) {
                (seenDecimal ? fracDigits : intDigits) += static_cast<char>(c.unicode());
                ++i;
            } else if (!seenDecimal && startsHere(decimalPoint)) {
                seenDecimal = true;
                i += decimalPoint.size();
            } else {
                break;
            }
        }
        if (intDigits.empty() && fracDigits.empty())
            return std::nullopt;
        long long exponent = 0;
        if (i < n && isExponentMark(text[i])) {
            const int after = scanExponent(text, i + 1, exponent);
            if (after < 0)
                return std::nullopt;
            i = after;
        }
        value = decimalValue(intDigits, fracDigits, exponent);
        if (!value)
            return std::nullopt;
    }

    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
        } else if (!plus && !minus && !paren && (c == QLatin1Char('+') || c == QLatin1Char('-'))) {
            (c == QLatin1Char('-') ? minus : plus) = true;
            ++i;
        } else if (paren && !closed && c == QLatin1Char(')')) {
            closed = true;
            ++i;
        } else if (!currencySeen && startsHere(currency)) {
            currencySeen = true;
            i += currency.size();
        } else {
            return std::nullopt;
        }
    }
    if (paren && (!closed || plus || minus))
        return std::nullopt;
    return (minus || paren) ? -*value : *value;
}

bool IsNumeric(const QString& text, const QLocale& locale)
{
    return NumericValue(text, locale).has_value();
}

double Val(const QString& text, bool* readWholeText)
{
    // Val ignores blanks, tabs and line feeds wherever they stand.
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            s += c;
    }
    const int n = s.size();
    int i = 0;
    double result = 0;

    if (n >= 2 && s[0] == QLatin1Char('&')
        && (s[1].toLower() == QLatin1Char('h') || s[1].toLower() == QLatin1Char('o'))) {
        const int radix = s[1].toLower() == QLatin1Char('h') ? 16 : 8;
        i = 2;
        while (i < n && hexDigitValue(s[i]) >= 0 && hexDigitValue(s[i]) < radix)
            ++i;
        const std::optional<double> value = radixValue(s.mid(2, i - 2), radix);
        result = value.value_or(0);
        if (!value && i > 2) {
            // Too wide for 32 bits: the plain unsigned value.
            double v = 0;
            for (QChar c : s.mid(2, i - 2))
                v = v * radix + hexDigitValue(c);
            result = v;
        }
    } else {
        bool negative = false;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
            negative = s[i] == QLatin1Char('-');
            ++i;
        }
        std::string intDigits, fracDigits;
        while (i < n && isAsciiDigit(s[i]))
            intDigits += static_cast<char>(s[i++].unicode());
        if (i < n && s[i] == QLatin1Char('.')) {
            ++i;
            while (i < n && isAsciiDigit(s[i]))
                fracDigits += static_cast<char>(s[i++].unicode());
        }
        long long exponent = 0;
        const bool anyDigit = !intDigits.empty() || !fracDigits.empty();
        if (anyDigit && i < n && isExponentMark(s[i])) {
            const int after = scanExponent(s, i + 1, exponent);
            if (after >= 0)
                i = after;
        }
        if (anyDigit) {
            // A reading beyond the double range stays infinite rather than failing.
            const std::optional<double> value = decimalValue(intDigits, fracDigits, exponent);
            result = value.value_or(std::numeric_limits<double>::infinity());
        }
        if (negative)
            result = -result;
    }
    if (readWholeText)
        *readWholeText = (i == n);
    return result;
}

double Val(const QString& text)
{
    return Val(text, nullptr);
}

} // namespace services

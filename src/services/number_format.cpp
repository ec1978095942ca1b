// Result formatting, single-precision rounding and plain decimal text.
#include "services/number_format.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace services {

namespace {

// |value| as significant decimal digits d1 d2 ... with value = d1.d2d3... x 10^exponent.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significantDigits(double magnitude, int count)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", count - 1, magnitude);
    const std::string text(buffer);
    const auto e = text.find('e');
    Digits result;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            result.digits += text[i];
    }
    result.exponent = std::stoi(text.substr(e + 1));
    return result;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits)
{
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

QString plainText(double value, int significant, const QLocale& locale)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0)
        return QStringLiteral("0");
    Digits d = significantDigits(std::fabs(value), significant);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    std::string integerPart, fraction;
    if (d.exponent >= 0) {
        const auto pointAt = static_cast<std::size_t>(d.exponent) + 1;
        if (d.digits.size() <= pointAt) {
            integerPart = d.digits + std::string(pointAt - d.digits.size(), '0');
        } else {
            integerPart = d.digits.substr(0, pointAt);
            fraction = d.digits.substr(pointAt);
        }
    } else {
        integerPart = "0";
        fraction = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    QString text = QString::fromStdString(integerPart);
    if (!fraction.empty())
        text += locale.decimalPoint() + QString::fromStdString(fraction);
    return value < 0 ? QLatin1Char('-') + text : text;
}

} // namespace

QString FormatFixed3(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return QString::number(value);
    constexpr int decimals = 3;
    const Digits d = significantDigits(std::fabs(value), 15);
    // Digits that stay: those before the decimal point and three after it.
    const int keep = d.exponent + 1 + decimals;
    std::string units; // the rounded magnitude in thousandths
    if (keep < 0) {
        units = "0";
    } else if (keep == 0) {
        units = d.digits[0] >= '5' ? "1" : "0";
    } else if (keep >= static_cast<int>(d.digits.size())) {
        units = d.digits + std::string(static_cast<std::size_t>(keep) - d.digits.size(), '0');
    } else {
        units = d.digits.substr(0, static_cast<std::size_t>(keep));
        if (d.digits[static_cast<std::size_t>(keep)] >= '5')
            increment(units);
    }
    if (units.size() < decimals + 1)
        units.insert(0, decimals + 1 - units.size(), '0');
    std::string integerPart = units.substr(0, units.size() - decimals);
    const auto firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);
    const QString text = QString::fromStdString(integerPart) + locale.decimalPoint()
        + QString::fromStdString(units.substr(units.size() - decimals));
    return value < 0 ? QLatin1Char('-') + text : text;
}

float ToSingle(double value)
{
    // Beyond the largest single (plus half a step) the value is out of range: infinity, as the
    // hardware rounds, rather than a conversion the language leaves undefined.
    constexpr double limit = 3.4028235677973366e38; // 2^128 - 2^103
    if (std::fabs(value) >= limit)
        return value > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

QString DecimalText(double value, const QLocale& locale)
{
    return plainText(value, 15, locale);
}

QString DecimalTextSingle(float value, const QLocale& locale)
{
    return plainText(static_cast<double>(value), 7, locale);
}

QString VariantText(const QVariant& value, const QLocale& locale)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return DecimalText(value.toDouble(), locale);
    case QMetaType::Float:
        return DecimalTextSingle(value.toFloat(), locale);
    default:
        return value.toString();
    }
}

} // namespace services

#include "core/SettingsValues.h"

#include "core/LanthornError.h"

#include <cmath>
#include <limits>

namespace lanthorn {

namespace {

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

std::int64_t roundHalfEven(double value, std::int64_t low, std::int64_t high)
{
    if (!std::isfinite(value))
        throw LanthornError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
    const double rounded = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high))
        throw LanthornError(ErrorNumber::Overflow, QStringLiteral("Overflow"));
    return static_cast<std::int64_t>(rounded);
}

} // namespace

double NumericValue(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    if (i + 1 < n && text[i] == u'&' && (text[i + 1] == u'H' || text[i + 1] == u'h')) {
        double value = 0;
        for (i += 2; i < n && hexDigit(text[i]) >= 0; ++i)
            value = value * 16 + hexDigit(text[i]);
        return value;
    }

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0;
    for (; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i)
        value = value * 10 + (text[i].unicode() - u'0');
    if (i < n && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < n && text[i].unicode() >= u'0' && text[i].unicode() <= u'9'; ++i) {
            value += (text[i].unicode() - u'0') * scale;
            scale /= 10;
        }
    }
    return negative ? -value : value;
}

int ToInteger(double value)
{
    return static_cast<int>(roundHalfEven(value, -32768, 32767));
}

std::int32_t ToLong(double value)
{
    return static_cast<std::int32_t>(
        roundHalfEven(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool BooleanText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = trimmed.toDouble(&isNumber);
    if (isNumber)
        return number != 0.0;
    if (trimmed.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive) && trimmed.size() > 2)
        return NumericValue(trimmed) != 0.0;
    throw LanthornError(ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch"));
}

QString BoolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString NumberText(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 15);
}

} // namespace lanthorn

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/numeric.h"

#include "platform/runtimeerror.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>
#include <optional>

namespace blinket {

double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

namespace {

template <typename Int> Int toInteger(double value)
{
    if (std::isnan(value))
        throw RuntimeError::overflow();
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        throw RuntimeError::overflow();
    return static_cast<Int>(rounded);
}

// The user's decimal separator, and the plain point as well: a learner on a comma locale
// who types 6.5 means six and a half. Built once per separator, since a run reads the
// minutes box at every step.
const QRegularExpression &numberGrammar()
{
    static QString point;
    static QRegularExpression grammar;
    const QString current = QLocale::system().decimalPoint();
    if (grammar.pattern().isEmpty() || current != point) {
        point = current;
        grammar.setPattern(
            QStringLiteral(R"(^ *([+-]?)([0-9]*)(?:(?:\.|%1)([0-9]*))?(?:[eEdD]([+-]?[0-9]+))? *$)")
                .arg(QRegularExpression::escape(point)));
        grammar.optimize();
    }
    return grammar;
}

std::optional<double> parseNumber(const QString &text)
{
    const QRegularExpressionMatch match = numberGrammar().match(text);
    if (!match.hasMatch() || (match.captured(2).isEmpty() && match.captured(3).isEmpty()))
        return std::nullopt;
    QString normal = match.captured(1) + match.captured(2);
    if (normal.size() == match.captured(1).size())
        normal += QLatin1Char('0');
    if (!match.captured(3).isEmpty())
        normal += QLatin1Char('.') + match.captured(3);
    if (!match.captured(4).isEmpty())
        normal += QLatin1Char('e') + match.captured(4);
    bool ok = false;
    const double value = QLocale::c().toDouble(normal, &ok);
    if (!ok || !std::isfinite(value)) {
        // The grammar holds, so the value is out of range: too small to tell from zero, or
        // too large for a double.
        if (match.captured(4).startsWith(QLatin1Char('-')))
            return 0.0;
        throw RuntimeError::overflow();
    }
    return value;
}

} // namespace

qint16 toInt16(double value)
{
    return toInteger<qint16>(value);
}

qint32 toInt32(double value)
{
    return toInteger<qint32>(value);
}

qint16 add16(qint16 a, qint16 b)
{
    return toInt16(static_cast<double>(a) + static_cast<double>(b));
}

qint16 multiply16(qint16 a, qint16 b)
{
    return toInt16(static_cast<double>(a) * static_cast<double>(b));
}

double divide(double dividend, double divisor)
{
    if (divisor == 0.0) {
        if (dividend == 0.0 || std::isnan(dividend))
            throw RuntimeError::overflow();
        throw RuntimeError::divisionByZero();
    }
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient))
        throw RuntimeError::overflow();
    return quotient;
}

double multiply(double a, double b)
{
    const double product = a * b;
    if (!std::isfinite(product))
        throw RuntimeError::overflow();
    return product;
}

double textToNumber(const QString &text)
{
    const std::optional<double> value = parseNumber(text);
    if (!value)
        throw RuntimeError::typeMismatch();
    return *value;
}

QString formatNumber(double value, int significantDigits)
{
    if (value == 0.0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', significantDigits).toUpper();
    text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return text;
}

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>
#include <QtGlobal>

namespace blinket {

// Nearest integer, a value exactly halfway going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// Conversions and arithmetic that raise Overflow instead of wrapping or truncating.
qint16 toInt16(double value);
qint32 toInt32(double value);
qint16 add16(qint16 a, qint16 b);
qint16 multiply16(qint16 a, qint16 b);
// a / b in double precision; Division by zero for b == 0 (0 / 0 is an Overflow).
double divide(double dividend, double divisor);
// a * b in double precision; Overflow when the product leaves the finite range.
double multiply(double a, double b);

// Reads a number typed in the user's locale; leading and trailing spaces are allowed.
// Text that is not a number (the empty text too) is a Type mismatch; a number too large
// for a double is an Overflow.
double textToNumber(const QString &text);

// The general number format: at most the given number of significant digits, no trailing
// zeros, the user's decimal separator, E notation for very large and very small values.
QString formatNumber(double value, int significantDigits);
// The digits a single-precision and a double-precision number are shown with.
constexpr int singleDigits = 7;
constexpr int doubleDigits = 15;

} // namespace blinket

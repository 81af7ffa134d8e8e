// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "settings/fieldreader.h"

#include "platform/numeric.h"
#include "platform/runtimeerror.h"
#include "settings/settingserrors.h"

#include <QIODevice>

#include <charconv>
#include <cmath>

namespace blinket {

namespace {

constexpr char quote = '"';

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool endsField(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

// An optional sign, decimal digits and at most one decimal point, with a digit somewhere.
bool isNumberForm(QByteArrayView text)
{
    if (!text.isEmpty() && (text.front() == '+' || text.front() == '-'))
        text = text.sliced(1);
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (isDigit(c))
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

double numberValue(QByteArrayView text)
{
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text = text.sliced(1);
    }
    double magnitude = 0.0;
    const char *const end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, magnitude, std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: before the point that is too large, after it too
        // small to matter.
        for (const char c : text) {
            if (c == '.')
                break;
            if (c != '0')
                throw RuntimeError::overflow();
        }
        magnitude = 0.0;
    } else if (result.ec != std::errc() || result.ptr != end) {
        throw RuntimeError::typeMismatch();
    }
    return negative ? -magnitude : magnitude;
}

} // namespace

bool FieldReader::atEnd() const
{
    return m_device.atEnd();
}

char FieldReader::take()
{
    char c = 0;
    if (!m_device.getChar(&c))
        throw inputPastEndOfFile();
    return c;
}

void FieldReader::skipSpaces()
{
    char c = 0;
    while (m_device.peek(&c, 1) == 1 && c == ' ')
        m_device.skip(1);
}

void FieldReader::skipLineEnd(char ended)
{
    char c = 0;
    if (ended == '\r' && m_device.peek(&c, 1) == 1 && c == '\n')
        m_device.skip(1);
}

QByteArray FieldReader::readQuoted()
{
    QByteArray bytes;
    char c = 0;
    while (m_device.getChar(&c)) {
        if (c == quote) {
            // Two double quotes in a row stand for one inside the text.
            char next = 0;
            if (m_device.peek(&next, 1) != 1 || next != quote)
                break;
            m_device.skip(1);
        }
        bytes += c;
    }
    // What stands between the closing quote and the end of the field is not part of it.
    while (m_device.getChar(&c)) {
        if (endsField(c)) {
            skipLineEnd(c);
            break;
        }
    }
    return bytes;
}

QByteArray FieldReader::readPlain()
{
    QByteArray bytes;
    char c = 0;
    while (m_device.getChar(&c)) {
        if (endsField(c)) {
            skipLineEnd(c);
            break;
        }
        bytes += c;
    }
    return bytes;
}

Field FieldReader::next()
{
    skipSpaces();
    if (atEnd())
        throw inputPastEndOfFile();
    char first = 0;
    m_device.peek(&first, 1);
    if (first == quote) {
        take();
        return {Field::Kind::Text, 0.0, QString::fromLocal8Bit(readQuoted())};
    }
    const QByteArray bytes = readPlain();
    if (bytes.isEmpty())
        return {};
    QByteArrayView trimmed(bytes);
    while (trimmed.endsWith(' '))
        trimmed.chop(1);
    if (isNumberForm(trimmed))
        return {Field::Kind::Number, numberValue(trimmed), QString()};
    return {Field::Kind::Text, 0.0, QString::fromLocal8Bit(bytes)};
}

QString fieldText(const Field &field)
{
    switch (field.kind) {
    case Field::Kind::Empty:
        return QString();
    case Field::Kind::Number:
        return formatNumber(field.number, doubleDigits);
    case Field::Kind::Text:
        break;
    }
    return field.text;
}

double fieldNumber(const Field &field)
{
    switch (field.kind) {
    case Field::Kind::Empty:
        return 0.0;
    case Field::Kind::Number:
        return field.number;
    case Field::Kind::Text:
        break;
    }
    return textToNumber(field.text);
}

} // namespace blinket

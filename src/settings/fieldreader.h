// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace blinket {

// One field of the settings file: nothing at all, a number, or text.
struct Field
{
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0.0;
    QString text;

    friend bool operator==(const Field &, const Field &) = default;
};

// Reads the settings file field by field. Commas and line ends (CR LF, or a lone CR or LF)
// end a field; spaces before a field and after a number are skipped; a field that opens
// with a double quote runs to the next one, commas and line ends included (two double quotes
// in a row stand for one inside it), and anything after the closing quote up to the next
// comma or line end is dropped. Text is in the
// system's 8-bit encoding.
class FieldReader
{
public:
    explicit FieldReader(QIODevice &device) : m_device(device) {}

    // The next field; Input past end of file when none is left.
    Field next();

private:
    bool atEnd() const;
    char take();
    void skipSpaces();
    void skipLineEnd(char ended);
    QByteArray readQuoted();
    QByteArray readPlain();

    QIODevice &m_device;
};

// The field as text for a text box: a number in the general format with fifteen digits,
// nothing as empty text.
QString fieldText(const Field &field);
// The field as a number: nothing is 0; text must read as a number (Type mismatch if not).
double fieldNumber(const Field &field);

} // namespace blinket

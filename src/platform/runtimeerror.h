// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

#include <exception>
#include <string>

namespace blinket {

// An error that escapes a handler: a number and a description, reported to the learner.
class RuntimeError : public std::exception
{
public:
    RuntimeError(int number, QString description);

    int number() const { return m_number; }
    const QString &description() const { return m_description; }
    // "Run-time error '6': Overflow"
    QString report() const;
    const char *what() const noexcept override { return m_what.c_str(); }

    static RuntimeError overflow() { return {6, QStringLiteral("Overflow")}; }
    static RuntimeError divisionByZero() { return {11, QStringLiteral("Division by zero")}; }
    static RuntimeError typeMismatch() { return {13, QStringLiteral("Type mismatch")}; }

private:
    int m_number;
    QString m_description;
    std::string m_what;
};

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/runtimeerror.h"

namespace blinket {

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_what(report().toStdString())
{}

QString RuntimeError::report() const
{
    return QStringLiteral("Run-time error '%1': %2").arg(m_number).arg(m_description);
}

} // namespace blinket

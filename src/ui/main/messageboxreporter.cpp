// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/messageboxreporter.h"

#include <QMessageBox>

namespace blinket {

void MessageBoxReporter::report(const RuntimeError &error)
{
    QMessageBox::critical(m_window, QStringLiteral("Morse"), error.report());
}

} // namespace blinket

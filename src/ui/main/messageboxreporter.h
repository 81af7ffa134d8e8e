// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/errorguard.h"

#include <QPointer>
#include <QWidget>

namespace blinket {

// Shows "Run-time error 'N': description" in a message box over the window.
class MessageBoxReporter : public ErrorReporter
{
public:
    explicit MessageBoxReporter(QWidget *window) : m_window(window) {}
    void report(const RuntimeError &error) override;

private:
    QPointer<QWidget> m_window;
};

} // namespace blinket

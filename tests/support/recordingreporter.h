// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "platform/errorguard.h"

#include <QStringList>

namespace blinket {

// Keeps the reports of errors that escaped a handler, instead of showing message boxes.
class RecordingReporter : public ErrorReporter
{
public:
    void report(const RuntimeError &error) override { reports << error.report(); }
    QStringList reports;
};

} // namespace blinket

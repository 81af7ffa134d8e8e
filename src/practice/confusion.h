// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QChar>

namespace blinket {

// A character sent and read as another, and how often.
struct Confusion
{
    QChar sent;
    QChar readAs;
    int count = 0;

    friend bool operator==(const Confusion &, const Confusion &) = default;
};

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

namespace blinket {

// Hands a web address to the learner's browser and returns without waiting for it.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // Raises a RuntimeError when no browser can be started.
    virtual void open(const QString &address) = 0;
};

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

namespace blinket {

// The run options of our own, beyond the original window; a default one changes nothing.
struct RunOptions
{
    // Words a minute for the letters, typed like the speed; empty (or blank) for none.
    QString letterSpeed;
    // What random runs draw from; empty, or exactly A to Z, for the letters A to Z.
    QString characters;
};

} // namespace blinket

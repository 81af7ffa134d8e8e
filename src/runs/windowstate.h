// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

namespace blinket {

// The window-level state, owned by the window and lent to the parts that need it: what a
// run reads and leaves behind, and the point the lamp is centred on.
struct WindowState
{
    QString Letter;       // the letter being sent
    qint16 Unit = 0;      // milliseconds per time unit; 0 until the first run
    QString Speed;        // the speed text as a run or Save last took it
    qint16 RunMode = 0;   // 0 random letters, 1 the speed check
    qint16 Running = 0;   // 1 from the start of a run, 0 after Stop
    qint16 AnchorTop = 0; // twips
    qint16 AnchorLeft = 0;
};

} // namespace blinket

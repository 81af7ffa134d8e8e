// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// The Progress window as a module the program loads when the learner first opens it: Qt
// Charts, which draws it, and the libraries it brings take a good part of the start time to
// load, for a window most starts never open.

#include "ui/progress/progresswindow.h"

extern "C" Q_DECL_EXPORT blinket::ProgressView *
blinketMakeProgressWindow(blinket::PracticeHistory &history, QWidget *parent)
{
    return new blinket::ProgressWindow(history, parent);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "ui/progressview.h"

namespace blinket {

// Loads the Progress window's module, the first time, and makes a Progress window over the
// source, owned by parent. The module is looked for beside the program (as it is built) and
// where it is installed; a module that cannot be found or loaded raises a RuntimeError saying
// why.
ProgressView *openProgressWindow(ProgressSource &source, QWidget *parent);

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QWidget>

namespace blinket {

class PracticeHistory;

// What the main window knows of the Progress window, which lives in a module of its own.
class ProgressView : public QWidget
{
public:
    using QWidget::QWidget;

    // Reads the practice history again and shows what it says.
    virtual void refresh() = 0;
};

// The module's one entry: a new Progress window over the history, a window of its own
// owned by parent.
using MakeProgressView = ProgressView *(*)(PracticeHistory &history, QWidget *parent);

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include "practice/progressreport.h"

#include <QString>
#include <QWidget>
#include <QtPlugin>

// The one boundary between the program and the Progress window's module. The module links Qt
// alone: it gets plain values (ProgressReport) and talks back through ProgressSource, whose
// functions are all virtual, so that nothing of ours is linked into it twice.

namespace blinket {

// What the Progress window asks of the program.
class ProgressSource
{
public:
    virtual ~ProgressSource() = default;

    // Everything the window shows, the practice history read afresh.
    virtual ProgressReport report() = 0;
    // Writes every run to a CSV file; empty when written, else what went wrong.
    virtual QString exportCsv(const QString &path) = 0;
    // Forgets every stored run; empty when forgotten, else what went wrong. The window is
    // refreshed through refresh() when the history has changed.
    virtual QString forgetHistory() = 0;
    // Starts a run of the lesson (its number as kept: 101 to 108 for a Hebrew one), or of weak
    // letters, at the speed and minutes the main window shows, as its own buttons do.
    virtual void startLesson(int lesson) = 0;
    virtual void startWeakLetters() = 0;
};

// What the main window knows of the Progress window.
class ProgressView : public QWidget
{
public:
    using QWidget::QWidget;

    // Reads the practice history again and shows what it says.
    virtual void refresh() = 0;
};

// The module's one entry: it makes Progress windows, each a window of its own owned by
// parent, over a source that outlives it.
class ProgressModule
{
public:
    virtual ~ProgressModule() = default;
    virtual ProgressView *makeWindow(ProgressSource &source, QWidget *parent) = 0;
};

} // namespace blinket

#define BLINKET_PROGRESS_MODULE_IID "example.corvale.blinket.ProgressModule/1"
Q_DECLARE_INTERFACE(blinket::ProgressModule, BLINKET_PROGRESS_MODULE_IID)

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// The Progress window as a module the program loads when the learner first opens it: Qt
// Charts, which draws it, and the libraries it brings take a good part of the start time to
// load, for a window most starts never open.

#include "ui/progress/progresswindow.h"
#include "ui/progressview.h"

#include <QObject>

namespace blinket {

namespace {

class ProgressPlugin : public QObject, public ProgressModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BLINKET_PROGRESS_MODULE_IID)
    Q_INTERFACES(blinket::ProgressModule)
public:
    ProgressView *makeWindow(ProgressSource &source, QWidget *parent) override
    {
        return new ProgressWindow(source, parent);
    }
};

} // namespace

} // namespace blinket

#include "progressmodule.moc"

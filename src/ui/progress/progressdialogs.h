// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace blinket {

// The questions the Progress window asks the learner, apart from the window so that tests can
// answer them.
class ProgressDialogs
{
public:
    virtual ~ProgressDialogs() = default;
    // Where to export the history to; empty when the learner cancels.
    virtual QString saveFileName(QWidget &window) = 0;
    // Whether the learner really wants every stored run forgotten.
    virtual bool confirmForget(QWidget &window) = 0;
};

// The desktop's own dialogs: a file dialog and a question box over the window.
class StandardProgressDialogs : public ProgressDialogs
{
    Q_DECLARE_TR_FUNCTIONS(blinket::StandardProgressDialogs)
public:
    QString saveFileName(QWidget &window) override;
    bool confirmForget(QWidget &window) override;
};

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace blinket {

// Tells the learner something before a run, and returns once they have read it: nothing is
// ever shown over a running lamp.
class Notices
{
public:
    virtual ~Notices() = default;
    virtual void tell(const QString &text) = 0;
};

// In a box over the window, which the learner closes.
class MessageBoxNotices : public Notices
{
public:
    explicit MessageBoxNotices(QWidget *window) : m_window(window) {}
    void tell(const QString &text) override;

private:
    QPointer<QWidget> m_window;
};

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QObject>

namespace blinket {

// Tells when the widget it watches receives the keyboard focus from another control (a
// click or the Tab key); the focus coming back with the reactivated window does not count.
class FocusWatcher : public QObject
{
    Q_OBJECT
public:
    // Watches widget and is owned by it.
    explicit FocusWatcher(QWidget *widget);

signals:
    void focusIn();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace blinket

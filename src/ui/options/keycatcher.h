// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QPushButton>

namespace blinket {

// A button that, once pressed, takes the next key pressed as a key chosen: any one key, a
// modifier alone, Tab and Space among them, which a key sequence editor would not take or
// would pass on. Esc, or leaving the button, gives up.
class KeyCatcher : public QPushButton
{
    Q_OBJECT
public:
    KeyCatcher(const QString &caption, QWidget *parent);

signals:
    // A key chosen (a Qt::Key), without the modifiers held with it.
    void caught(int key);

protected:
    bool event(QEvent *event) override;

private:
    void setCatching(bool catching);

    QString m_caption;
    bool m_catching = false;
};

} // namespace blinket

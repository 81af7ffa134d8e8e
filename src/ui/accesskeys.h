// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

#include <QObject>

class QKeyEvent;

namespace blinket {

// Access keys by the key's place, on any layout: Alt with the key where a Latin layout has X
// presses the button marked E&xit, whatever the layout active writes on that key (ס on the
// Israeli one, whose own letters Qt matches with no access key). Qt's own matching goes first;
// what it leaves, a key of no Latin letter held with Alt, is matched here, in the window the
// key was typed in.
class AccessKeys : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The Latin letter on the key a key event came from, or 0 for none.
    static char latinLetter(const QKeyEvent &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace blinket

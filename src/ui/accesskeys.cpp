// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/accesskeys.h"

#include "practice/copytext.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

#include <array>

namespace blinket {

namespace {

// The letter keys by the numbers the window system gives the keys (those of X and Wayland on a
// PC keyboard): the rows from Q, from A and from Z.
struct KeyRow
{
    quint32 first;
    const char *letters;
};
constexpr std::array<KeyRow, 3> letterRows{
    {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}}};

} // namespace

char AccessKeys::latinLetter(const QKeyEvent &key)
{
    const quint32 scanCode = key.nativeScanCode();
    for (const KeyRow &row : letterRows) {
        const quint32 length = quint32(qstrlen(row.letters));
        if (scanCode >= row.first && scanCode < row.first + length)
            return row.letters[scanCode - row.first];
    }
    // Without a key number (a key made up by a program): a Hebrew letter's key.
    if (key.key() > 0 && key.key() < 0x10000) {
        const QChar latin = copyCharacter(QChar(char16_t(key.key())), {});
        if (latin >= u'A' && latin <= u'Z')
            return char(latin.unicode());
    }
    return 0;
}

bool AccessKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto &key = static_cast<const QKeyEvent &>(*event);
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    // Alt alone with a key Qt matched no letter to.
    if (held != Qt::AltModifier || (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z))
        return false;
    const auto *widget = qobject_cast<const QWidget *>(watched);
    const char letter = latinLetter(key);
    if (!widget || letter == 0)
        return false;
    const QKeySequence wanted(Qt::ALT | Qt::Key(Qt::Key_A + (letter - 'A')));
    for (QAbstractButton *button : widget->window()->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && button->isEnabled() && button->window() == widget->window() &&
            QKeySequence::mnemonic(button->text()) == wanted) {
            button->animateClick();
            return true;
        }
    }
    // A label's access key gives the keyboard to the box it names.
    for (QLabel *label : widget->window()->findChildren<QLabel *>()) {
        QWidget *buddy = label->buddy();
        if (buddy && label->isVisible() && buddy->isEnabled() &&
            label->window() == widget->window() &&
            QKeySequence::mnemonic(label->text()) == wanted) {
            buddy->setFocus(Qt::ShortcutFocusReason);
            // Brought into view, as Tab brings a box, where the window scrolls.
            for (QWidget *above = buddy->parentWidget(); above; above = above->parentWidget()) {
                if (auto *scrolled = qobject_cast<QScrollArea *>(above))
                    scrolled->ensureWidgetVisible(buddy);
            }
            return true;
        }
    }
    return false;
}

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <functional>

namespace blinket {

// What a uniform draw r, 0 <= r < 1, makes a character to send.
using LetterChoice = std::function<QChar(float r)>;

// The character at a uniform draw r, 0 <= r < 1, among characters, each as likely; a draw out
// of range still gives one of them. characters must not be empty.
QChar drawFrom(QStringView characters, float r);

// The even draw of a random run among characters, those that cannot be sent left out. The
// letters A to Z (exactly those, or none that can be sent) are drawn by the letter's code, as
// the A to Z run always drew them.
LetterChoice evenChoice(const QString &characters);

} // namespace blinket

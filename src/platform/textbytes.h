// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QByteArrayView>
#include <QString>

namespace blinket {

// How much of a file's start tells whether it is text.
inline constexpr qsizetype textProbeBytes = 64 * 1024;

// Whether the start of a file reads as text: no NUL byte, and hardly a control character
// besides white space, as there are in a program, a picture or an archive.
bool looksLikeText(QByteArrayView start);

// Whether the file at path starts as text (the first textProbeBytes); a file that cannot be
// read is no text.
bool fileLooksLikeText(const QString &path);

} // namespace blinket

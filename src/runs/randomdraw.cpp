// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/randomdraw.h"

#include "platform/numeric.h"
#include "signal/characters.h"

#include <algorithm>
#include <cmath>

namespace blinket {

QChar drawFrom(QStringView characters, float r)
{
    const auto size = characters.size();
    const auto place = qsizetype(std::floor(double(r) * double(size)));
    return characters[std::clamp<qsizetype>(place, 0, size - 1)];
}

LetterChoice evenChoice(const QString &characters)
{
    QString sendable;
    for (const QChar c : characters) {
        if (characterIndex(c) >= 0 && !sendable.contains(c))
            sendable += c;
    }
    if (sendable.isEmpty() || sendable == charactersOf(CharacterChoice{})) {
        return [](float r) {
            // In double precision the largest draw stays below 91, one past Z.
            const double code = std::floor(double(r) * 26.0 + 65.0);
            return QChar(char16_t(toInt16(code)));
        };
    }
    return [sendable](float r) { return drawFrom(sendable, r); };
}

} // namespace blinket

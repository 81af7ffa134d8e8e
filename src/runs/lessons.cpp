// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/lessons.h"

#include <algorithm>

namespace blinket {

std::optional<Lesson> lessonAt(qint16 index)
{
    const auto found = std::ranges::find(lessons, index, &Lesson::index);
    if (found == lessons.end())
        return std::nullopt;
    return *found;
}

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

#include <cmath>

namespace blinket {

// An accuracy in whole percent: "89%". Cut down rather than rounded, so that 89.6 % does not
// show as the 90% of a mastered lesson, nor 99.6 % as a perfect run.
inline QString wholePercent(double accuracy)
{
    return QString::number(static_cast<int>(std::floor(accuracy))) + u'%';
}

} // namespace blinket

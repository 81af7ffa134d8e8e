// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/copyscore.h"

#include <QStringView>

#include <vector>

namespace blinket {

// The cheapest alignment of a copy with the letters sent, in reading order: a wrong, missed or
// extra letter costs one, a right one nothing. Of equally cheap readings it gives the one
// chosen by the preference described in alignment.cpp. Letters are compared as they are.
std::vector<AlignedLetter> alignCopy(QStringView sent, QStringView copy);

} // namespace blinket

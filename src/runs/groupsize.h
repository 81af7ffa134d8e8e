// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

namespace blinket {

// Runs send their characters in groups of this many, and every window shows them so.
inline constexpr int groupSize = 5;

} // namespace blinket

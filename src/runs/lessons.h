// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QStringView>

#include <optional>

namespace blinket {

// The letters a lesson button draws from, in the order of its draws; nothing for an index
// that has no button.
std::optional<QStringView> lessonLetters(qint16 index);

} // namespace blinket

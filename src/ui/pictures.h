// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace blinket {

// Our own small drawings, shipped as resources.
QPixmap hourglassPicture();
QPixmap lifeRingPicture();
QPixmap beerMugPicture();
QCursor pointingHandCursor();
QIcon programIcon();

} // namespace blinket

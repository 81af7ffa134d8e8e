// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

class QWidget;

namespace blinket {

// Our own small drawings, shipped as resources.
QPixmap hourglassPicture();
QPixmap lifeRingPicture();
QPixmap beerMugPicture();
QCursor pointingHandCursor();
// Gives the window the program icon in all its sizes, the large ones after its first paint.
void setProgramIcon(QWidget *window);

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "settings/colourvalue.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace blinket {

// Background and text colours of controls are kept as colour values on the widget itself and
// resolved into its palette; refreshColours() resolves them again after the desktop's palette
// changed, so that system colours follow it.
// The colour to paint now; system colours come from the palette given.
QColor resolveColour(ColourValue value, const QPalette &palette);

void setBackColour(QWidget *widget, ColourValue value);
ColourValue backColour(const QWidget *widget);
void setForeColour(QWidget *widget, ColourValue value);
void refreshColours(QWidget *root);

} // namespace blinket

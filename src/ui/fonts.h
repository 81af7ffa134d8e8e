// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QFont>
#include <QString>

namespace blinket {

// Maps the window's stored font names onto fonts a Linux desktop has ("Aharoni" onto
// Culmus's "Aharoni CLM", "MS Sans Serif" onto a common sans). Safe to call more than once.
void installFontSubstitutions();

// A font given in points at the stored 96 dots per inch, sized in pixels so that the text
// keeps its place in the window on any screen.
QFont storedFont(const QString &family, double points, bool bold = false, bool underline = false);
// The font of controls that name none.
QFont dialogFont();
// A font factor times as large and bold, for a headline: in pixels where it is given in pixels
// (a window beside the main one), in points where it is given in points.
QFont headlineFont(QFont font, double factor);

} // namespace blinket

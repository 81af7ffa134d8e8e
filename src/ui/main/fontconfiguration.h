// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

namespace blinket {

// Reading the desktop's fonts is the largest single step of the start, and only the first
// control that measures text needs them. The program starts the reading on a thread of its
// own before anything else, so that it runs while the application connects to the display and
// the window builds its first controls. All four are called from the thread that shows
// windows, in this order; each is harmless if the one before it was never called.

// Starts reading the font configuration, before the application object exists.
void startReadingFonts();
// The application object exists: the reading goes on to list the fonts for Qt.
void applicationStarted();
// Waits until the font configuration has been read. Until then nothing may ask for a font: it
// would have the configuration read a second time instead of waiting for the first reading.
// Qt waits for the listing by itself.
void waitForFontConfiguration();
// Waits for the whole reading; called before the application object goes.
void finishReadingFonts();

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale
#pragma once

class QApplication;

namespace blinket {

// The practice windows in the desktop's language: in a Hebrew locale their texts and Qt's own
// (the buttons of dialogs) in Hebrew, laid out right to left; in any other, English, with
// counts in their English plural forms. The main window keeps its own captions and direction.
// Called once, after the application is made and before any window.
void installTranslations(QApplication &app);

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/qtplatform.h"
#include "practice/practicesession.h"
#include "ui/main/fontconfiguration.h"
#include "ui/main/form1.h"
#include "ui/translations.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    blinket::startReadingFonts();
    QApplication app(argc, argv);
    blinket::applicationStarted();
    QApplication::setApplicationName(QStringLiteral("blinket"));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral(BLINKET_APP_ID));
    blinket::installTranslations(app);
    blinket::QtPlatform platform;
    // The practice history's folder follows XDG_DATA_HOME; the session outlives every window
    // that shows it.
    blinket::PracticeSession session(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    blinket::Form1 window(platform, session);
    window.show();
    const int status = QApplication::exec();
    blinket::finishReadingFonts();
    return status;
}

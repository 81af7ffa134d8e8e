// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "platform/desktopurlopener.h"

#include "platform/runtimeerror.h"

#include <QDesktopServices>
#include <QUrl>

namespace blinket {

void DesktopUrlOpener::open(const QString &address)
{
    // The opener is started detached; whether the browser then finds the page is its business.
    if (!QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode)))
        throw RuntimeError(
            53, QStringLiteral("File not found: no web browser could be started to open %1")
                    .arg(address));
}

} // namespace blinket

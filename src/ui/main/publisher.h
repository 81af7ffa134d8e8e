// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

namespace blinket {

// The publisher's web host; the links and the domain label are all derived from it.
inline const QString publisherHost = QStringLiteral("www.corvale.example");

// The host less its first label, as the domain label shows it.
inline QString publisherDomain()
{
    return publisherHost.section(QLatin1Char('.'), 1);
}
inline QString homePageAddress()
{
    return QStringLiteral("http://") + publisherHost;
}
inline QString downloadPageAddress()
{
    return homePageAddress() + QStringLiteral("/comunicat/blinket_dn_load.htm");
}

} // namespace blinket

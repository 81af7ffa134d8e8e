// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/pictures.h"

#include <QString>

namespace blinket {

QPixmap hourglassPicture()
{
    return QPixmap(QStringLiteral(":/pictures/hourglass.png"));
}

QPixmap lifeRingPicture()
{
    return QPixmap(QStringLiteral(":/pictures/lifering.png"));
}

QPixmap beerMugPicture()
{
    return QPixmap(QStringLiteral(":/pictures/beermug.png"));
}

QCursor pointingHandCursor()
{
    // The hot spot is the tip of the raised index finger.
    return QCursor(QPixmap(QStringLiteral(":/pictures/pointinghand.png")), 13, 2);
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/blinket-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace blinket

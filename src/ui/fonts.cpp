// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/fonts.h"

#include <QStringList>

#include <cmath>

namespace blinket {

void installFontSubstitutions()
{
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("Aharoni"), QStringLiteral("Aharoni CLM"));
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("DejaVu Sans"),
                                    QStringLiteral("Liberation Sans"), QStringLiteral("FreeSans")});
        return true;
    }();
    Q_UNUSED(installed);
}

QFont storedFont(const QString &family, double points, bool bold, bool underline)
{
    installFontSubstitutions();
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    // Both stored fonts have every letter the window shows, Hebrew and Latin: looking for
    // fallback fonts, script by script, only costs the start time.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont headlineFont(QFont font, double factor)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(static_cast<int>(font.pixelSize() * factor));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(true);
    return font;
}

QFont dialogFont()
{
    return storedFont(QStringLiteral("MS Sans Serif"), 8.25);
}

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/copycheck/copymarks.h"

#include "runs/groupsize.h"

namespace blinket {

namespace {

constexpr int groupsPerLine = 8;
// A line also ends here when extra letters stretch it, so that it never runs off the view.
constexpr int placesPerLine = 48;

// Colours that stay apart for the common kinds of colour blindness (blue against orange),
// with the shapes carrying the meaning on their own.
const QString rightStyle = QStringLiteral("color:#1b5e20");
const QString wrongStyle =
    QStringLiteral("color:#c62828;font-weight:bold;text-decoration:underline");
const QString missedStyle = QStringLiteral("color:#e65100;font-weight:bold");
const QString extraStyle = QStringLiteral("color:#0d47a1;font-style:italic");

QString span(const QString &style, const QString &text)
{
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(style, text.toHtmlEscaped());
}

} // namespace

QString copyMarksHtml(const std::vector<AlignedLetter> &aligned)
{
    QString html = QStringLiteral("<pre style=\"font-family:'DejaVu Sans Mono',monospace\">");
    // The line being built: the row of letters sent over the row of letters typed.
    QString sentRow;
    QString typedRow;
    int places = 0;
    int groups = 0;
    int inGroup = 0; // sent letters of the group under way; extra letters belong to none
    const auto endLine = [&] {
        if (places > 0)
            html += sentRow + QLatin1Char('\n') + typedRow + QStringLiteral("\n\n");
        sentRow.clear();
        typedRow.clear();
        places = 0;
        groups = 0;
    };
    for (const AlignedLetter &place : aligned) {
        switch (place.mark) {
        case Mark::Right:
            sentRow += QString(place.sent);
            typedRow += span(rightStyle, QString(place.typed));
            break;
        case Mark::Wrong:
            sentRow += QString(place.sent);
            typedRow += span(wrongStyle, QString(place.typed));
            break;
        case Mark::Missed:
            sentRow += QString(place.sent);
            typedRow += span(missedStyle, QStringLiteral("–"));
            break;
        case Mark::Extra:
            sentRow += span(extraStyle, QStringLiteral("+"));
            typedRow += span(extraStyle, QString(place.typed));
            break;
        }
        ++places;
        if (place.mark != Mark::Extra && ++inGroup == groupSize) {
            inGroup = 0;
            sentRow += QStringLiteral("  ");
            typedRow += QStringLiteral("  ");
            if (++groups == groupsPerLine)
                endLine();
        } else if (places >= placesPerLine) {
            endLine();
        }
    }
    endLine();
    return html + QStringLiteral("</pre>");
}

QString copyMarksLegendHtml()
{
    return QStringLiteral("Under each letter sent, what you typed: %1 right, %2 wrong, "
                          "%3 missed, %4 extra (a %5 above it).")
        .arg(span(rightStyle, QStringLiteral("A")), span(wrongStyle, QStringLiteral("B")),
             span(missedStyle, QStringLiteral("–")), span(extraStyle, QStringLiteral("C")),
             span(extraStyle, QStringLiteral("+")));
}

} // namespace blinket

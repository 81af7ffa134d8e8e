// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/runscsv.h"

#include "practice/runfields.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace blinket {

QString csvField(const QString &text)
{
    const bool quoted =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n');
    if (!quoted)
        return text;
    QString field = text;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

namespace {

// A figure with `decimals` places after a dot, whatever the desktop's locale; empty for one
// that is no number.
QString figureField(double figure, int decimals)
{
    return std::isfinite(figure) ? QString::number(figure, 'f', decimals) : QString();
}

// A keying's figures, or as many empty fields for any other run: the merit whole, the speed to
// a tenth of a word a minute, the ratios and spreads to a hundredth.
QStringList keyingFields(const std::optional<KeyingFigures> &keying)
{
    if (!keying)
        return QStringList(8, QString());
    return {QString::number(keying->merit),         figureField(keying->wordsPerMinute, 1),
            figureField(keying->dashRatio, 2),      figureField(keying->elementGapRatio, 2),
            figureField(keying->letterGapRatio, 2), figureField(keying->wordGapRatio, 2),
            figureField(keying->dotSpread, 2),      figureField(keying->dashSpread, 2)};
}

} // namespace

QByteArray runsAsCsv(const std::vector<RunRecord> &runs)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QStringLiteral("id,started,kind,lesson,speed,unit,minutes,elapsed_seconds,"
                                  "sent,copy,right,wrong,missed,extra,accuracy,readings,repeats,"
                                  "merit,keyed_wpm,dash_ratio,element_gap_ratio,letter_gap_ratio,"
                                  "word_gap_ratio,dot_spread,dash_spread,timing,light") +
                   lineEnd;
    for (const RunRecord &run : runs) {
        QStringList fields = {
            QString::number(run.id),
            startedText(run.startedUtc),
            kindWord(run.kind),
            QString::number(run.lesson),
            csvField(run.speed),
            QString::number(run.unit),
            csvField(run.minutes),
            QString::number(run.elapsedSeconds, 'g', QLocale::FloatingPointShortest),
            csvField(run.sent),
            csvField(run.copy),
            QString::number(run.right),
            QString::number(run.wrong),
            QString::number(run.missed),
            QString::number(run.extra),
            QString::number(run.accuracy()),
            csvField(readingsText(run.outcomes)),
            QString::number(run.repeats),
        };
        fields += keyingFields(run.keying);
        fields << timingWord(run.timing) << csvField(lightText(run.light));
        text += fields.join(u',') + lineEnd;
    }
    return text.toUtf8();
}

} // namespace blinket

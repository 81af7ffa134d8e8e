// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/runscsv.h"

#include "practice/runfields.h"

#include <QLocale>
#include <QStringList>

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

QByteArray runsAsCsv(const std::vector<RunRecord> &runs)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QStringLiteral("id,started,kind,lesson,speed,unit,minutes,elapsed_seconds,"
                                  "sent,copy,right,wrong,missed,extra,accuracy,readings,repeats") +
                   lineEnd;
    for (const RunRecord &run : runs) {
        const QStringList fields = {
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
        text += fields.join(u',') + lineEnd;
    }
    return text.toUtf8();
}

} // namespace blinket

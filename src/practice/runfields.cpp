// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/runfields.h"

#include "signal/characters.h"

namespace blinket {

namespace {

constexpr QChar missedMark = u'-';

// The value of count decimal digits at text[from], or -1 when one of them is not a digit.
int digitsAt(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

QString readingsText(const std::vector<LetterOutcome> &outcomes)
{
    QString text(qsizetype(outcomes.size()), missedMark);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        if (!outcomes[i].missed())
            text[qsizetype(i)] = outcomes[i].readAs;
    }
    return text;
}

std::optional<std::vector<LetterOutcome>> outcomesFromReadings(QStringView sent,
                                                               QStringView readings)
{
    if (sent.size() != readings.size())
        return std::nullopt;
    std::vector<LetterOutcome> outcomes(std::size_t(sent.size()));
    for (qsizetype i = 0; i < sent.size(); ++i) {
        const QChar reading = readings[i];
        if (characterIndex(sent[i]) < 0 || (reading != missedMark && characterIndex(reading) < 0))
            return std::nullopt;
        outcomes[std::size_t(i)] = {sent[i], reading == missedMark ? QChar() : reading};
    }
    return outcomes;
}

QString startedText(const QDateTime &started)
{
    return started.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime startedFromText(QStringView text)
{
    // Loading the statistics reads thousands of these; the fixed form we write is read by
    // hand, which is several times quicker than the general ISO reader.
    static constexpr QStringView form = u"0000-00-00T00:00:00.000Z";
    if (text.size() == form.size() && text[4] == u'-' && text[7] == u'-' && text[10] == u'T' &&
        text[13] == u':' && text[16] == u':' && text[19] == u'.' && text[23] == u'Z') {
        const QDate date(digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2));
        const QTime time(digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2),
                         digitsAt(text, 20, 3));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    QDateTime parsed = QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
    return parsed.isValid() ? parsed.toUTC() : QDateTime();
}

QString timingWord(Timing timing)
{
    return timing == Timing::International ? QStringLiteral("international")
                                           : QStringLiteral("own");
}

std::optional<Timing> timingFromWord(QStringView word)
{
    if (word == u"own")
        return Timing::Own;
    if (word == u"international")
        return Timing::International;
    return std::nullopt;
}

QString recordProblem(const RunRecord &run)
{
    if (!run.startedUtc.isValid())
        return QStringLiteral("the run has no start time");
    if (run.outcomes.size() != std::size_t(run.sent.size()))
        return QStringLiteral("the run has %1 letter outcomes for %2 letters sent")
            .arg(run.outcomes.size())
            .arg(run.sent.size());
    for (qsizetype i = 0; i < run.sent.size(); ++i) {
        const LetterOutcome &outcome = run.outcomes[std::size_t(i)];
        if (characterIndex(run.sent[i]) < 0 || outcome.sent != run.sent[i] ||
            (!outcome.missed() && characterIndex(outcome.readAs) < 0))
            return QStringLiteral("letter %1 of the run does not match its outcome").arg(i + 1);
    }
    return {};
}

} // namespace blinket

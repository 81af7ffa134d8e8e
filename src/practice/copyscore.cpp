// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/copyscore.h"

#include "practice/accuracy.h"
#include "practice/alignment.h"
#include "practice/copytext.h"
#include "signal/characters.h"

#include <vector>

namespace blinket {

namespace {

// For each character of a sent text that counts, whether it begins a group: the first does,
// and each that follows a space.
std::vector<bool> groupStarts(QStringView sent, QStringView runCharacters)
{
    std::vector<bool> starts;
    bool afterSpace = true;
    for (const QChar c : sent) {
        if (!copyCharacter(c, runCharacters).isNull()) {
            starts.push_back(afterSpace);
            afterSpace = false;
        } else if (c.isSpace()) {
            afterSpace = true;
        }
    }
    return starts;
}

// Counts the groups and those read right, as the places come in reading order.
class GroupCount
{
public:
    void add(const AlignedLetter &place)
    {
        if (place.mark == Mark::Extra) {
            m_extraPending = true;
            return;
        }
        if (place.startsGroup) {
            close();
            m_open = true;
            m_right = true;
        } else if (m_extraPending) {
            m_right = false; // an extra character inside the group
        }
        m_extraPending = false;
        m_right = m_right && place.mark == Mark::Right;
    }
    void close()
    {
        if (!m_open)
            return;
        ++groups;
        groupsRight += m_right ? 1 : 0;
        m_open = false;
    }

    int groups = 0;
    int groupsRight = 0;

private:
    bool m_open = false;
    bool m_right = true;
    bool m_extraPending = false;
};

} // namespace

QChar LetterTally::mostOftenReadAs() const
{
    int best = 0;
    QChar letter;
    for (int i = 0; i < int(readAs.size()); ++i) {
        if (readAs[i] > best) {
            best = readAs[i];
            letter = characterAt(i);
        }
    }
    return letter;
}

int CopyScore::percent() const
{
    return wholePercent(right, sent, extra);
}

QString CopyScore::summary() const
{
    return QStringLiteral("%1 of %2 right (%3)")
        .arg(QString::number(right), QString::number(sent), percentText(percent()));
}

CopyScore scoreCopy(const QString &sent, const QString &copy, QStringView runCharacters)
{
    CopyScore score;
    const QString sentCharacters = copyCharacters(sent, runCharacters);
    const QString copied =
        copyCharacters(copy, runCharacters, copyLimit(sentCharacters.size()), &score.leftOut);
    score.aligned = alignCopy(sentCharacters, copied);
    const std::vector<bool> starts = groupStarts(sent, runCharacters);
    GroupCount groups;
    for (AlignedLetter &place : score.aligned) {
        if (place.mark == Mark::Extra) {
            ++score.extra;
            groups.add(place);
            continue;
        }
        place.startsGroup = starts[std::size_t(score.sent)];
        groups.add(place);
        ++score.sent;
        // A character outside the table (a caller's own, in a test) is scored but not tallied.
        const int sent = characterIndex(place.sent);
        LetterTally unlisted;
        LetterTally &tally = sent >= 0 ? score.letters[std::size_t(sent)] : unlisted;
        ++tally.sent;
        switch (place.mark) {
        case Mark::Right:
            ++score.right;
            ++tally.right;
            break;
        case Mark::Wrong:
            ++score.wrong;
            if (const int typed = characterIndex(place.typed); typed >= 0)
                ++tally.readAs[std::size_t(typed)];
            break;
        case Mark::Missed:
            ++score.missed;
            ++tally.missed;
            break;
        case Mark::Extra:
            break;
        }
    }
    groups.close();
    score.groups = groups.groups;
    score.groupsRight = groups.groupsRight;
    return score;
}

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "practice/runrecord.h"

#include <QDateTime>

#include <random>

namespace blinket {

// A run of 120 to 180 random letters, an hour after the one numbered before it: all of A to Z,
// a lesson, or weak letters. Letters are read right 85 % of the time, wrong 8 %, missed 7 %,
// like a learner half way.
inline RunRecord madeUpRun(std::mt19937 &random, int number)
{
    std::uniform_int_distribution<int> letter(0, 25);
    std::uniform_int_distribution<int> length(120, 180);
    std::uniform_int_distribution<int> kind(0, 13); // 0: A to Z, 1-12: a lesson, 13: weak
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    RunRecord run;
    run.startedUtc = QDateTime(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC).addSecs(3600LL * number);
    const int which = kind(random);
    run.kind = which == 0 ? RunKind::AtoZ : which == 13 ? RunKind::WeakLetters : RunKind::Lesson;
    run.lesson = run.kind == RunKind::Lesson ? which : 0;
    run.speed = QStringLiteral("13");
    run.unit = 92;
    run.minutes = QStringLiteral("3");
    run.elapsedSeconds = 180.0;
    const int count = length(random);
    for (int i = 0; i < count; ++i) {
        const QChar sent(char16_t(u'A' + letter(random)));
        const double roll = chance(random);
        QChar read;
        if (roll < 0.85) {
            read = sent;
            ++run.right;
        } else if (roll < 0.93) {
            read = QChar(char16_t(u'A' + (sent.unicode() - u'A' + 1 + letter(random) % 25) % 26));
            ++run.wrong;
        } else {
            ++run.missed;
        }
        run.sent += sent;
        if (!read.isNull())
            run.copy += read;
        run.outcomes.push_back({sent, read});
    }
    return run;
}

} // namespace blinket

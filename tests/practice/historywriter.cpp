// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Stores runs into a practice history for the tests that need another process:
//   practice_historywriter FOLDER many COUNT   stores COUNT small runs
//   practice_historywriter FOLDER then-big     stores one small run, then one of 4 million
//                                              letters (long enough to be killed mid-write)
//   practice_historywriter FOLDER fill-disk    stores a small run, one too big for a small
//                                              disk, counts the runs and stores another
// Prints "stored ID" after each run stored and "failed: MESSAGE" for a run that was not; it
// stops at the first failure but when filling the disk.

#include "practice/practicehistory.h"

#include <QCoreApplication>

#include <cstdio>

using namespace blinket;

namespace {

RunRecord runOf(const QString &letters, int number)
{
    RunRecord run;
    run.startedUtc = QDateTime(QDate(2026, 12, 8), QTime(15, 0), Qt::UTC).addSecs(number);
    run.speed = QStringLiteral("13");
    run.unit = 92;
    run.minutes = QStringLiteral("3");
    run.elapsedSeconds = 180;
    run.sent = letters;
    run.copy = letters;
    run.right = int(letters.size());
    for (const QChar letter : letters)
        run.outcomes.push_back({letter, letter});
    return run;
}

bool store(PracticeHistory &history, const RunRecord &run)
{
    const std::optional<qint64> id = history.store(run);
    if (!id) {
        std::printf("failed: %s\n", qPrintable(history.lastError()));
        std::fflush(stdout);
        return false;
    }
    std::printf("stored %lld\n", static_cast<long long>(*id));
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3)
        return 2;
    PracticeHistory history(arguments[1]);
    if (arguments[2] == u"many" && arguments.size() == 4) {
        const int count = arguments[3].toInt();
        for (int i = 0; i < count; ++i) {
            if (!store(history, runOf(QStringLiteral("PARIS"), i)))
                return 1;
        }
        return 0;
    }
    if (arguments[2] == u"then-big") {
        if (!store(history, runOf(QStringLiteral("SOS"), 0)))
            return 1;
        return store(history, runOf(QString(4'000'000, u'E'), 1)) ? 0 : 1;
    }
    if (arguments[2] == u"fill-disk") {
        store(history, runOf(QStringLiteral("SOS"), 0));
        store(history, runOf(QString(1'000'000, u'E'), 1));
        std::printf("runs %d\n", history.runCount().value_or(-1));
        return store(history, runOf(QStringLiteral("TMO"), 2)) ? 0 : 1;
    }
    return 2;
}

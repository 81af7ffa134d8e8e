// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Measures the practice history at the size of years of daily practice: 10,000 runs of about
// 150 letters each, about 1.5 million letter outcomes. Prints the time to store one more run,
// to open the history, load every run and work out everything the Progress window shows, and
// to work out the weak-letter weights; each the median of several tries, with the fastest and
// slowest.
//
// Usage: bench_practicehistory [folder]
// Without a folder the history is made in a temporary one (about a minute: each run is
// stored on its own, synced to disk, as the program stores them). A folder that already
// holds the 10,000 runs is used as it is.

#include "practice/practicehistory.h"
#include "madeupruns.h"
#include "practice/practicestats.h"
#include "practice/progressreport.h"
#include "practice/weakletters.h"
#include "timing.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <random>
#include <vector>

using namespace blinket;

namespace {

constexpr int historyRuns = 10000;
constexpr int tries = 7;

long peakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
    std::mt19937 random(20261208);

    {
        PracticeHistory history(folder);
        int stored = history.runCount().value_or(0);
        if (stored < historyRuns) {
            std::fprintf(stderr, "storing %d runs in %s ...\n", historyRuns - stored,
                         qPrintable(folder));
            const auto start = Clock::now();
            for (; stored < historyRuns; ++stored) {
                if (!history.store(madeUpRun(random, stored))) {
                    std::fprintf(stderr, "%s\n", qPrintable(history.lastError()));
                    return 1;
                }
            }
            std::printf("%-58s %8.2f ms each on average\n", "storing the history, run by run",
                        milliseconds(Clock::now() - start) / historyRuns);
        }
    }
    const QFileInfo file(folder + QStringLiteral("/history.sqlite"));
    std::printf("history: %s, %.1f MB\n", qPrintable(file.filePath()), double(file.size()) / 1e6);

    std::vector<RunRecord> runs;
    {
        PracticeHistory history(folder);
        runs = history.allRuns().value_or(std::vector<RunRecord>());
    }
    std::size_t outcomes = 0;
    for (const RunRecord &run : runs)
        outcomes += run.outcomes.size();
    std::printf("%zu runs, %zu letter outcomes\n\n", runs.size(), outcomes);

    int number = historyRuns;
    measure("store one more run (history already open)", tries, [&] {
        static PracticeHistory open(folder);
        if (!open.store(madeUpRun(random, number++)))
            std::printf("failed: %s\n", qPrintable(open.lastError()));
    });
    measure("store one more run (opening the history first)", tries, [&] {
        PracticeHistory history(folder);
        if (!history.store(madeUpRun(random, number++)))
            std::printf("failed: %s\n", qPrintable(history.lastError()));
    });

    std::vector<RunRecord> loaded;
    measure("open and load every run", tries, [&] {
        PracticeHistory history(folder);
        loaded = history.allRuns().value_or(std::vector<RunRecord>());
    });
    measure("statistics of the Progress window from loaded runs", tries,
            [&] { progressReport(loaded); });
    ProgressReport report;
    measure("open, load and every statistic together", tries, [&] {
        PracticeHistory history(folder);
        report = progressReport(history.allRuns().value_or(std::vector<RunRecord>()));
    });
    std::array<double, sendableCount> weights{};
    measure("weak-letter weights from loaded runs", tries,
            [&] { weights = letterWeights(loaded); });
    measure("open, load and weak-letter weights together", tries, [&] {
        PracticeHistory history(folder);
        weights = letterWeights(history.allRuns().value_or(std::vector<RunRecord>()));
    });
    measure("150 weighted draws", tries, [&] {
        std::mt19937 draws(1);
        for (int i = 0; i < 150; ++i)
            weightedLetter(weights, float(draws() >> 8) * 0x1p-24f);
    });

    std::printf("\npeak memory: %.1f MB\n", double(peakMemoryKiB()) / 1024.0);
    std::printf(
        "weakest letter %c, next lesson %d; most frequent confusion: %s; %zu points\n",
        report.weakest ? char(report.weakest->unicode()) : '-', report.nextLesson.value_or(0),
        report.confusions.empty() ? "none" : qPrintable(confusionText(report.confusions.front())),
        report.series.front().runs.size());
    return 0;
}

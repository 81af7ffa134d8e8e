// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Scores a long copy with 10 % errors and prints the time and memory it took, and beside it
// the plain full-table alignment of a shorter copy (the scorer's reference in the tests), the
// scorer on that same shorter copy, and the scorer's worst case: a copy unrelated to the
// letters sent, where the band must cover the whole table.
//
// Usage: bench_copyscoring [letters] [reference letters]     (defaults: 20000 and 3000)
// Wall time and the process's CPU time are both shown: on a busy machine the wall time grows.
// Memory is the process's peak resident size while the scoring ran (VmHWM, reset before each
// measurement through /proc/self/clear_refs) and its growth over the size just before.

#include "practice/copyscore.h"

#include "copywitherrors.h"
#include "fulltablealignment.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>

using namespace blinket;
using Clock = std::chrono::steady_clock;

namespace {

// A size from /proc/self/status in MB, or -1.
double statusMegabytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return -1;
}

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

bool resetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

void measure(const char *what, int letters, const std::function<CopyScore()> &score)
{
    const bool reset = resetPeak();
    const double before = statusMegabytes("VmRSS");
    const double cpuStart = cpuMilliseconds();
    const Clock::time_point start = Clock::now();
    const CopyScore result = score();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double cpuMs = cpuMilliseconds() - cpuStart;
    const double peak = statusMegabytes("VmHWM");
    std::printf("%-31s %7d %8.0f %8.0f %8.1f %9.1f%s   %s\n", what, letters, ms, cpuMs, peak,
                peak - before, reset ? "" : " (peak not reset)", qPrintable(result.summary()));
}

CopyScore referenceScore(const QString &sent, const QString &copy)
{
    CopyScore score;
    score.aligned = fullTableAlignment(sent, copy);
    for (const AlignedLetter &place : score.aligned) {
        score.sent += place.mark != Mark::Extra;
        score.right += place.mark == Mark::Right;
    }
    return score;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int letters = arguments.size() > 1 ? arguments[1].toInt() : 20000;
    const int referenceLetters = arguments.size() > 2 ? arguments[2].toInt() : 3000;

    std::mt19937 random(2024);
    const QString sent = randomLetters(letters, random);
    const CopyWithErrors copy = copyWithErrors(sent, 0.10, random);
    const QString shortSent = randomLetters(referenceLetters, random);
    const CopyWithErrors shortCopy = copyWithErrors(shortSent, 0.10, random);
    const QString unrelated = randomLetters(letters, random);

    std::printf("Copies with 10 %% errors: %d put in the long one (%lld letters typed), %d in "
                "the short one (%lld typed).\n\n",
                copy.errors, static_cast<long long>(copy.copy.size()), shortCopy.errors,
                static_cast<long long>(shortCopy.copy.size()));
    std::printf("%-31s %7s %8s %8s %8s %9s\n", "", "letters", "wall ms", "CPU ms", "peak MB",
                "growth MB");
    measure("scorer, 10 % errors", letters, [&] { return scoreCopy(sent, copy.copy); });
    measure("scorer, 10 % errors", referenceLetters,
            [&] { return scoreCopy(shortSent, shortCopy.copy); });
    measure("full table, 10 % errors", referenceLetters,
            [&] { return referenceScore(shortSent, shortCopy.copy); });
    measure("scorer, unrelated copy (worst)", letters, [&] { return scoreCopy(sent, unrelated); });
    return 0;
}

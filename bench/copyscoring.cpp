// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Scores copies of runs of 200, 2,000 and 20,000 letters and prints the time and memory each
// took. Four copies of each run: the letters sent with 10 % errors; unrelated letters of the
// same length; unrelated letters at the longest copy the window takes (twice the letters sent
// and 50 more); the letters sent followed by extra letters up to that length.
//
// Usage: bench_copyscoring [letters sent ...]     (default: 200 2000 20000)
// Times are the median of 5 tries (3 from 10,000 letters sent; 1 when a try takes over a
// minute), wall and CPU time of the process: on a busy machine the wall time grows. Memory is
// the process's peak resident size over the tries (VmHWM, reset before each try through
// /proc/self/clear_refs) and its growth over the size just before.

#include "practice/copyscore.h"

#include "copywitherrors.h"

#include "memory.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

using namespace blinket;
using Clock = std::chrono::steady_clock;

namespace {

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void measure(const char *what, const QString &sent, const QString &copy)
{
    const int tries = sent.size() >= 10000 ? 3 : 5;
    std::vector<double> wall;
    std::vector<double> cpu;
    double peak = 0;
    double growth = 0;
    bool reset = true;
    CopyScore result;
    for (int i = 0; i < tries; ++i) {
        reset = resetPeak() && reset;
        const double before = statusMegabytes("VmRSS");
        const double cpuStart = cpuMilliseconds();
        const Clock::time_point start = Clock::now();
        result = scoreCopy(sent, copy);
        wall.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        cpu.push_back(cpuMilliseconds() - cpuStart);
        const double tryPeak = statusMegabytes("VmHWM");
        peak = std::max(peak, tryPeak);
        growth = std::max(growth, tryPeak - before);
        if (wall.back() > 60'000)
            break;
    }
    std::printf("%6lld %-22s %6lld %10.2f %10.2f %5zu %8.1f %9.1f%s   %d/%d/%d/%d\n",
                static_cast<long long>(sent.size()), what, static_cast<long long>(copy.size()),
                median(wall), median(cpu), wall.size(), peak, growth,
                reset ? "" : " (peak not reset)", result.right, result.wrong, result.missed,
                result.extra);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    for (const QString &argument : app.arguments().mid(1))
        sizes.append(argument.toInt());
    if (sizes.isEmpty())
        sizes = {200, 2000, 20000};

    std::printf("%6s %-22s %6s %10s %10s %5s %8s %9s   %s\n", "sent", "copy", "typed", "wall ms",
                "CPU ms", "tries", "peak MB", "growth MB", "right/wrong/missed/extra");
    for (const int letters : sizes) {
        std::mt19937 random(2024);
        const QString sent = randomLetters(letters, random);
        const int longest = 2 * letters + 50;
        measure("10 % errors", sent, copyWithErrors(sent, 0.10, random).copy);
        measure("unrelated, same length", sent, randomLetters(letters, random));
        measure("unrelated, longest", sent, randomLetters(longest, random));
        measure("sent, then extra", sent, sent + randomLetters(longest - letters, random));
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace blinket {

using Clock = std::chrono::steady_clock;

inline double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

// The value below which a share p (0 to 1) of the values lie.
inline double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[std::size_t(p * double(values.size() - 1) + 0.5)];
}

// Prints the median, fastest and slowest of times taken, in milliseconds.
inline void report(const char *what, std::vector<double> taken)
{
    std::sort(taken.begin(), taken.end());
    std::printf("%-58s %8.2f ms  (fastest %.2f, slowest %.2f, %zu tries)\n", what,
                taken[taken.size() / 2], taken.front(), taken.back(), taken.size());
}

// Times an action several times, and reports it.
inline void measure(const char *what, int times, const std::function<void()> &action)
{
    std::vector<double> taken;
    for (int i = 0; i < times; ++i) {
        const auto start = Clock::now();
        action();
        taken.push_back(milliseconds(Clock::now() - start));
    }
    report(what, taken);
}

} // namespace blinket

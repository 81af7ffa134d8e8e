// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Runs one long A-to-Z run of the real window on the Qt platform at a time unit of 0 ms
// (speed 4000), so that every step costs only what the program itself spends on it, and
// prints the cost of a step over the first and the last thousand letters of the run. A step
// must cost the same however long the run has gone on.
//
// Usage: bench_longrun [letters]     (default 12000, at least 2000)

#include "platform/qtplatform.h"
#include "practice/practicesession.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace blinket;
using Clock = std::chrono::steady_clock;

namespace {

// Notes the moment of every step's loop test, which reads the clock once, and presses Stop
// once the run has taken as many steps as asked for.
class SteppingPlatform : public QtPlatform
{
public:
    explicit SteppingPlatform(std::size_t steps) : m_steps(steps) {}

    double steadySeconds() override
    {
        stepStarts.push_back(Clock::now());
        if (stepStarts.size() == m_steps + 1 && stop)
            stop->click();
        return QtPlatform::steadySeconds();
    }

    std::vector<Clock::time_point> stepStarts;
    QPushButton *stop = nullptr;

private:
    std::size_t m_steps;
};

struct Figures
{
    double median;
    double mean;
};

// Microseconds per step over the steps that sent letters [first, first + count).
Figures overLetters(const std::vector<double> &letterSteps, std::size_t first, std::size_t count)
{
    std::vector<double> part(letterSteps.begin() + long(first),
                             letterSteps.begin() + long(first + count));
    double sum = 0;
    for (const double us : part)
        sum += us;
    std::sort(part.begin(), part.end());
    return {part[part.size() / 2], sum / double(part.size())};
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::size_t letters =
        std::max<std::size_t>(argc > 1 ? std::size_t(std::atol(argv[1])) : 12000, 2000);
    // Every sixth step is a gap between groups and sends no letter.
    const std::size_t steps = letters + letters / 5;

    SteppingPlatform platform(steps);
    PracticeSession session(QDir::tempPath()); // nothing is typed: nothing is kept
    Form1 form(platform, session);
    form.show();
    QCoreApplication::processEvents();
    platform.stop = form.findChild<QPushButton *>(QStringLiteral("cmdStop"));
    form.findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(QStringLiteral("4000"));
    form.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("600"));
    form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();

    // Step i runs from its loop test to the next one; steps 6, 12, ... are gaps.
    std::vector<double> letterSteps;
    for (std::size_t i = 0; i + 1 < platform.stepStarts.size(); ++i) {
        if ((i + 1) % 6 != 0) {
            letterSteps.push_back(std::chrono::duration<double, std::micro>(
                                      platform.stepStarts[i + 1] - platform.stepStarts[i])
                                      .count());
        }
    }
    if (letterSteps.size() < 2000) {
        std::printf("the run sent only %zu letters\n", letterSteps.size());
        return 1;
    }
    const Figures first = overLetters(letterSteps, 0, 1000);
    const Figures last = overLetters(letterSteps, letterSteps.size() - 1000, 1000);
    std::printf("%zu letters in %zu steps\n", letterSteps.size(), platform.stepStarts.size() - 1);
    std::printf("  first 1000 letters: median %.1f us, mean %.1f us a step\n", first.median,
                first.mean);
    std::printf("  last 1000 letters:  median %.1f us, mean %.1f us a step\n", last.median,
                last.mean);
    std::printf("  last / first: median %.2f, mean %.2f\n", last.median / first.median,
                last.mean / first.mean);
    return 0;
}

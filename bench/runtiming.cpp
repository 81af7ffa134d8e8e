// Runs real A-to-Z runs on the Qt platform and prints how exactly the lamp keeps time:
// each element's actual duration less its nominal one, the run's elapsed time over the
// sum of its nominal pauses, and the CPU time the process used meanwhile.
//
// Usage: bench_runtiming [speed] [seconds]     (defaults: 40 words a minute, 20 seconds)

#include "platform/qtplatform.h"
#include "ui/form1.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace blinket;
using Clock = std::chrono::steady_clock;

namespace {

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The sleep as a plain nested event loop ended by a precise timer, for comparison.
class PlainLoopPlatform : public QtPlatform
{
public:
    void Sleep(qint32 ms) override
    {
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(std::max(ms, 0));
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
};

// Times every element from its event processing to the end of its sleep.
class MeasuringPlatform : public Platform
{
public:
    explicit MeasuringPlatform(Platform &inner) : m_inner(inner) {}

    void processEvents() override
    {
        m_elementStart = Clock::now();
        if (firstEvents == Clock::time_point())
            firstEvents = m_elementStart;
        m_inner.processEvents();
        eventsMs.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - m_elementStart).count());
    }
    void Sleep(qint32 ms) override
    {
        const Clock::time_point sleepStart = Clock::now();
        m_inner.Sleep(ms);
        sleepLateness.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - sleepStart).count() -
            std::max(ms, 0));
        const double actual =
            std::chrono::duration<double, std::milli>(Clock::now() - m_elementStart).count();
        lateness.push_back(actual - std::max(ms, 0));
        nominalMs += std::max(ms, 0);
        lastSleepEnd = Clock::now();
    }
    float Timer() override { return m_inner.Timer(); }
    void Randomize(float seed) override { m_inner.Randomize(seed); }
    float Rnd() override { return m_inner.Rnd(); }

    std::vector<double> lateness;
    std::vector<double> sleepLateness;
    std::vector<double> eventsMs;
    double nominalMs = 0;
    Clock::time_point firstEvents;
    Clock::time_point lastSleepEnd;

private:
    Platform &m_inner;
    Clock::time_point m_elementStart;
};

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(p * double(values.size() - 1) + 0.5);
    return values[index];
}

void measure(const char *name, Platform &sleeper, const QString &speed, double seconds)
{
    MeasuringPlatform platform(sleeper);
    Form1 form(platform);
    form.show();
    QCoreApplication::processEvents();
    form.Combo1->setEditText(speed);
    form.Text2->setText(QString::number(seconds / 60.0, 'g', 17));

    const double cpuBefore = cpuSeconds();
    const Clock::time_point wallBefore = Clock::now();
    form.Command1->click();
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    const double cpu = cpuSeconds() - cpuBefore;
    const auto ms = [](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    };
    std::printf("  reducing the window %.1f ms, restoring it %.1f ms\n",
                ms(platform.firstEvents - wallBefore), ms(Clock::now() - platform.lastSleepEnd));

    const std::vector<double> &late = platform.lateness;
    std::printf("%s: %zu elements at speed %s over %.1f s\n", name, late.size(), qPrintable(speed),
                wall);
    std::printf("  element overshoot ms: median %.3f  p99 %.3f  max %.3f\n", percentile(late, 0.5),
                percentile(late, 0.99), *std::max_element(late.begin(), late.end()));
    std::printf("  of which the sleep alone: median %.3f  p99 %.3f; event processing: median "
                "%.3f  p99 %.3f\n",
                percentile(platform.sleepLateness, 0.5), percentile(platform.sleepLateness, 0.99),
                percentile(platform.eventsMs, 0.5), percentile(platform.eventsMs, 0.99));
    double eventsTotal = 0;
    for (const double ms : platform.eventsMs)
        eventsTotal += ms;
    double sleepOver = 0;
    for (const double ms : platform.sleepLateness)
        sleepOver += ms;
    std::printf("  time over nominal: %.1f ms in all; sleeps overshoot %.1f, event processing %.1f, "
                "the rest %.1f\n",
                wall * 1000.0 - platform.nominalMs, sleepOver, eventsTotal,
                wall * 1000.0 - platform.nominalMs - sleepOver - eventsTotal);
    std::printf("  elapsed / nominal: %.5f\n", wall * 1000.0 / platform.nominalMs);
    std::printf("  cpu / wall: %.2f %%\n", 100.0 * cpu / wall);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString speed = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("40");
    const double seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 20.0;

    PlainLoopPlatform plain;
    measure("plain nested event loop", plain, speed, seconds);
    QtPlatform platform;
    measure("QtPlatform", platform, speed, seconds);
    return 0;
}

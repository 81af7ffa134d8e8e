// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Runs real A-to-Z runs on the Qt platform and prints how exactly the lamp keeps time:
// how long each lamp state lasted (from one switch to the next) less its nominal time, the
// run's elapsed time over the sum of its nominal pauses, and the CPU time the process used
// meanwhile. A plain nested event loop is measured first, for comparison, and the program is
// measured once more with keys typed all through the run.
//
// Usage: bench_runtiming [speed] [seconds] [letter speed] [light]
//        (defaults: 40 words a minute, 20 seconds, no letter speed, no light)
// With a letter speed, a run with the letters sent at that speed (and the gaps lengthened to
// keep the pace) is measured too, right after the plain one, in the same way. With a light,
// written as the history keeps it ("distance haze=60 shimmer=80 sky=dusk shutter=60 hand=30"),
// so is a run under that light, and the lamp's frames are counted: how often it was painted
// while the run went on. With a shutter the lamp is half open half the shutter's time after
// each switch measured here, so the lengths between switches are the lengths between the
// moments it is half open.
// Without a display it runs on Qt's offscreen platform; under Xvfb or a desktop it paints.

#include "platform/qtplatform.h"
#include "practice/practicesession.h"
#include "settings/optionsfile.h"
#include "signal/lightconditions.h"
#include "timing.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace blinket;

namespace {

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The sleep as a plain nested event loop ended by a precise timer.
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

// Notes when each element switched the lamp (just before its own event processing) and
// how long the event processing took. Typing, it also queues a key press and release
// every typingEvery, as a quick learner typing the copy would: the keys wait in the queue
// for the next event processing, as keys from the keyboard do.
class MeasuringPlatform : public Platform
{
public:
    static constexpr std::chrono::milliseconds typingEvery{150};

    MeasuringPlatform(Platform &inner, bool typing) : m_inner(inner), m_typing(typing) {}

    void processEvents() override
    {
        m_eventsStart = Clock::now();
        if (m_typing && m_eventsStart - m_lastKey >= typingEvery) {
            m_lastKey = m_eventsStart;
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget()
                                                          : QApplication::activeWindow();
            if (target) {
                QCoreApplication::postEvent(target,
                                            new QKeyEvent(QEvent::KeyPress, Qt::Key_E,
                                                          Qt::NoModifier, QStringLiteral("e")));
                QCoreApplication::postEvent(target,
                                            new QKeyEvent(QEvent::KeyRelease, Qt::Key_E,
                                                          Qt::NoModifier, QStringLiteral("e")));
                ++keysTyped;
            }
        }
        m_inner.processEvents();
        eventsMs.push_back(milliseconds(Clock::now() - m_eventsStart));
    }
    void Sleep(qint32 ms) override
    {
        switches.push_back(m_eventsStart);
        nominalMs.push_back(std::max(ms, 0));
        m_inner.Sleep(ms);
        lastWake = Clock::now();
    }
    void awaitEvents(qint32 ms) override { m_inner.awaitEvents(ms); }
    float Timer() override { return m_inner.Timer(); }
    double steadySeconds() override { return m_inner.steadySeconds(); }
    void Randomize(float seed) override { m_inner.Randomize(seed); }
    float Rnd() override { return m_inner.Rnd(); }

    std::vector<Clock::time_point> switches;
    std::vector<qint32> nominalMs;
    std::vector<double> eventsMs;
    Clock::time_point lastWake;
    int keysTyped = 0;

private:
    Platform &m_inner;
    bool m_typing;
    Clock::time_point m_eventsStart;
    Clock::time_point m_lastKey;
};

// Notes when a widget was painted.
class PaintTimes : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            times.push_back(Clock::now());
        return false;
    }

    std::vector<Clock::time_point> times;
};

void measure(const char *name, Platform &sleeper, const QString &speed, double seconds,
             bool typing = false)
{
    MeasuringPlatform platform(sleeper, typing);
    // Whatever is typed is kept in the practice history under XDG_DATA_HOME.
    PracticeSession session(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    Form1 form(platform, session);
    form.show();
    QCoreApplication::processEvents();
    form.findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(speed);
    form.findChild<QLineEdit *>(QStringLiteral("Text2"))
        ->setText(QString::number(seconds / 60.0, 'g', 17));

    PaintTimes lampPaints;
    form.findChild<QWidget *>(QStringLiteral("pic1"))->installEventFilter(&lampPaints);
    const double cpuBefore = cpuSeconds();
    form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    const double cpu = cpuSeconds() - cpuBefore;

    // Each lamp state lasts from its element's switch to the next one's.
    std::vector<double> overshoot;
    for (std::size_t i = 0; i + 1 < platform.switches.size(); ++i) {
        overshoot.push_back(milliseconds(platform.switches[i + 1] - platform.switches[i]) -
                            platform.nominalMs[i]);
    }
    double nominal = 0;
    for (const qint32 ms : platform.nominalMs)
        nominal += ms;
    const double elapsed = milliseconds(platform.lastWake - platform.switches.front());

    std::printf("%s: %zu elements at speed %s in %.1f s\n", name, platform.switches.size(),
                qPrintable(speed), elapsed / 1000.0);
    std::printf("  lamp state overshoot ms: median %.3f  p99 %.3f  max %.3f\n",
                percentile(overshoot, 0.5), percentile(overshoot, 0.99),
                *std::max_element(overshoot.begin(), overshoot.end()));
    std::printf("  event processing ms: median %.3f  p99 %.3f\n",
                percentile(platform.eventsMs, 0.5), percentile(platform.eventsMs, 0.99));
    std::printf("  elapsed / nominal: %.5f\n", elapsed / nominal);
    std::printf("  cpu / wall: %.2f %%\n", 100.0 * cpu / (elapsed / 1000.0));
    if (typing)
        std::printf("  keys typed: %d\n", platform.keysTyped);
    std::vector<double> frameGaps;
    for (std::size_t i = 0; i + 1 < lampPaints.times.size(); ++i)
        frameGaps.push_back(milliseconds(lampPaints.times[i + 1] - lampPaints.times[i]));
    std::printf("  lamp painted: %zu times, %.1f a second; between paints, median %.2f ms\n",
                lampPaints.times.size(), double(lampPaints.times.size()) / (elapsed / 1000.0),
                percentile(frameGaps, 0.5));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The run the learner types is kept in a practice history, and the options in their
    // file: in folders of their own here.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dataHome.filePath(QStringLiteral("config")).toLocal8Bit());
    const QString speed = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("40");
    const double seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 20.0;
    const QString letterSpeed = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    PlainLoopPlatform plain;
    measure("plain nested event loop", plain, speed, seconds);
    QtPlatform platform;
    measure("QtPlatform", platform, speed, seconds);
    if (!letterSpeed.isEmpty()) {
        Options options;
        options.letterSpeed = letterSpeed;
        writeOption(*optionsFile(), OptionKey::LetterSpeed, options);
        QtPlatform fast;
        measure(qPrintable(QStringLiteral("QtPlatform, letters at %1").arg(letterSpeed)), fast,
                speed, seconds);
        writeOption(*optionsFile(), OptionKey::LetterSpeed, Options());
    }
    if (argc > 4) {
        const std::optional<LightConditions> light = lightFromText(QString::fromLocal8Bit(argv[4]));
        if (!light) {
            std::fprintf(stderr, "not a light: %s\n", argv[4]);
            return 2;
        }
        Options options;
        options.light = *light;
        for (const OptionKey key :
             {OptionKey::LightDistance, OptionKey::LightHaze, OptionKey::LightShimmer,
              OptionKey::LightSky, OptionKey::LightShutter, OptionKey::LightHand})
            writeOption(*optionsFile(), key, options);
        QtPlatform lit;
        measure(qPrintable(QStringLiteral("QtPlatform, light: %1").arg(lightText(*light))), lit,
                speed, seconds);
        for (const OptionKey key :
             {OptionKey::LightDistance, OptionKey::LightHaze, OptionKey::LightShimmer,
              OptionKey::LightSky, OptionKey::LightShutter, OptionKey::LightHand})
            writeOption(*optionsFile(), key, Options());
    }
    QtPlatform typedOn;
    measure("QtPlatform, the learner typing", typedOn, speed, seconds, true);
    return 0;
}

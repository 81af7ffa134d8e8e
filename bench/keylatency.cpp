// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Key to light: how long from a press of the lamp key to the lamp being painted lit, for the
// real window keying (Blinket's main window, its keying exercise started) or for a bare Qt
// window that shows a lamp while a key is held, the yardstick. Run by keylatency.sh.
//
// The press goes to the X server through its test extension on a second connection of this
// process, so that it reaches the window as a key from the keyboard would; its time is taken
// on the steady clock just before it is sent, and the paint's as the lamp gets its paint event
// while lit. Each press is held a moment after the lamp lit, and the next one follows the
// lamp's going dark after a gap, both drawn at random so that presses meet the event loop at
// every phase.
//
// Prints each press's milliseconds on a line of its own ("missed" when the lamp did not light
// within a second), then the median, 99th percentile and largest on standard error.
// Usage: bench_keylatency bare|blinket [presses] [seed]     (defaults: 200, 1)
#include "platform/qtplatform.h"
#include "practice/practicesession.h"
#include "timing.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

// After Qt's headers, whose names Xlib's macros (Bool, Status) would otherwise replace.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <random>

using namespace blinket;

namespace {

constexpr int warmUpPresses = 5;
constexpr int missedAfterMs = 1000;

// The yardstick: a window of Blinket's size whose lamp, a child widget, shows while Space is
// held, as Blinket's lamp does.
class BareWindow : public QWidget
{
public:
    BareWindow()
    {
        setWindowTitle(QStringLiteral("Morse"));
        setFixedSize(763, 488);
        m_lamp.setObjectName(QStringLiteral("pic1"));
        m_lamp.setGeometry(364, 170, 41, 33);
        m_lamp.setAutoFillBackground(true);
        QPalette lit;
        lit.setColor(QPalette::Window, Qt::white);
        m_lamp.setPalette(lit);
        m_lamp.hide();
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
            m_lamp.show();
    }
    void keyReleaseEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
            m_lamp.hide();
    }

private:
    QWidget m_lamp{this};
};

// Presses and releases Space through XTest and times each press to the lamp's lit paint.
class KeyToLight : public QObject
{
public:
    KeyToLight(QWidget &lamp, int presses, unsigned seed)
        : m_lamp(lamp), m_presses(presses), m_random(seed),
          m_display(XOpenDisplay(nullptr), XCloseDisplay)
    {
        if (!m_display)
            qFatal("bench_keylatency: cannot open a second connection to the display");
        m_space = XKeysymToKeycode(m_display.get(), XK_space);
        m_lamp.installEventFilter(this);
        m_step.setSingleShot(true);
        m_step.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_step, &QTimer::timeout, this, [this] { m_next(); });
    }

    void start()
    {
        after(0, [this] { press(); });
    }

    std::vector<double> taken;
    int missed = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_lamp)
            return false;
        if (event->type() == QEvent::Paint && m_pressedAt && m_lamp.isVisible()) {
            const double ms = milliseconds(Clock::now() - *m_pressedAt);
            m_pressedAt.reset();
            if (++m_done > warmUpPresses) {
                taken.push_back(ms);
                std::printf("%.3f\n", ms);
            }
            after(draw(40, 120), [this] { release(); });
        } else if (event->type() == QEvent::Hide && m_releasing) {
            m_releasing = false;
            next();
        }
        return false;
    }

private:
    int draw(int least, int most) { return std::uniform_int_distribution(least, most)(m_random); }

    // One step is due at a time: a new one replaces the one waiting.
    void after(int ms, std::function<void()> step)
    {
        m_next = std::move(step);
        m_step.start(ms);
    }

    void send(bool press)
    {
        XTestFakeKeyEvent(m_display.get(), m_space, press, CurrentTime);
        XFlush(m_display.get());
    }

    void press()
    {
        m_pressedAt = Clock::now();
        send(true);
        after(missedAfterMs, [this] {
            // The first presses may come before the exercise takes keys: they are the warm-up.
            m_pressedAt.reset();
            if (++m_done > warmUpPresses) {
                ++missed;
                std::puts("missed");
            }
            release();
        });
    }

    void release()
    {
        m_releasing = m_lamp.isVisible();
        send(false);
        if (!m_releasing)
            next();
    }

    void next()
    {
        if (m_done >= warmUpPresses + m_presses) {
            // Enter ends Blinket's keying, which holds the thread until then; the bare window
            // lets it pass.
            const KeyCode enter = XKeysymToKeycode(m_display.get(), XK_Return);
            XTestFakeKeyEvent(m_display.get(), enter, True, CurrentTime);
            XTestFakeKeyEvent(m_display.get(), enter, False, CurrentTime);
            XFlush(m_display.get());
            m_step.stop();
            QCoreApplication::quit();
            return;
        }
        after(draw(60, 250), [this] { press(); });
    }

    QWidget &m_lamp;
    int m_presses;
    std::mt19937 m_random;
    std::unique_ptr<Display, decltype(&XCloseDisplay)> m_display;
    KeyCode m_space = 0;
    QTimer m_step;
    std::function<void()> m_next;
    std::optional<Clock::time_point> m_pressedAt;
    bool m_releasing = false;
    int m_done = 0;
};

// Waits, handling events, until the window has the keyboard.
bool activate(QWidget &window)
{
    window.show();
    window.activateWindow();
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!window.isActiveWindow() && Clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return window.isActiveWindow();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int presses = argc > 2 ? std::atoi(argv[2]) : 200;
    const unsigned seed = argc > 3 ? unsigned(std::atoi(argv[3])) : 1;
    if ((which != u"bare" && which != u"blinket") || presses < 1) {
        std::fputs("usage: bench_keylatency bare|blinket [presses] [seed]\n", stderr);
        return 2;
    }

    // The keying ends kept in a practice history, and the options are read from their file:
    // in folders of their own here.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dataHome.filePath(QStringLiteral("config")).toLocal8Bit());

    std::unique_ptr<QWidget> window;
    std::unique_ptr<PracticeSession> session;
    QtPlatform platform;
    if (which == u"bare") {
        window = std::make_unique<BareWindow>();
    } else {
        session = std::make_unique<PracticeSession>(
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        window = std::make_unique<Form1>(platform, *session);
    }
    if (!activate(*window)) {
        std::fputs("bench_keylatency: the window never got the keyboard\n", stderr);
        return 1;
    }
    auto *lamp = window->findChild<QWidget *>(QStringLiteral("pic1"));
    KeyToLight keying(*lamp, presses, seed);
    if (which == u"blinket") {
        auto *button = window->findChild<QPushButton *>(QStringLiteral("keyingButton"));
        if (!button) {
            std::fputs("bench_keylatency: no keying button in this build\n", stderr);
            return 1;
        }
        // The exercise may hold the thread while it runs: started from the event loop, it
        // leaves the timers that press the key running.
        QTimer::singleShot(0, button, &QPushButton::click);
    }
    keying.start();
    QApplication::exec();
    window->close();

    if (keying.taken.empty()) {
        std::fputs("bench_keylatency: the lamp never lit\n", stderr);
        return 1;
    }
    std::fprintf(stderr, "%s: median %.2f ms  p99 %.2f ms  max %.2f ms  (%zu presses, %d missed)\n",
                 qPrintable(which), percentile(keying.taken, 0.5), percentile(keying.taken, 0.99),
                 *std::max_element(keying.taken.begin(), keying.taken.end()), keying.taken.size(),
                 keying.missed);
    return 0;
}

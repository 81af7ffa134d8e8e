// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Runs a real message drill on the Qt platform with a learner of the bench's own, who answers
// each wait of the lamp with Enter a moment after it begins (the call, then the station
// identity again and again, as a wrong answer has it sent anew), and prints the time from
// each answer to the lamp's next flash, and how exactly the lamp keeps time meanwhile: each
// lamp state against its nominal time, as bench_runtiming measures a plain run.
//
// Usage: bench_drill [speed] [seconds]     (defaults: 20 words a minute, 30 seconds)
// Without a display it runs on Qt's offscreen platform; under Xvfb or a desktop it paints.

#include "platform/qtplatform.h"
#include "practice/practicesession.h"
#include "timing.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

using namespace blinket;

namespace {

// The learner: answers a wait (the lamp dark in short slices) after a moment to think, and
// ends the drill with Stop when the time is up. Notes each element's switch and nominal time.
class AnsweringPlatform : public QtPlatform
{
public:
    static constexpr qint32 waitSlice = 10;
    static constexpr int thinkMs = 120;

    explicit AnsweringPlatform(double seconds)
        : m_end(Clock::now() +
                std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds)))
    {
        m_thinking.setSingleShot(true);
        m_thinking.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_thinking, &QTimer::timeout, [this] {
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(m_window,
                                            new QKeyEvent(type, Qt::Key_Return, Qt::NoModifier));
            m_answeredAt = Clock::now();
        });
    }
    void answerIn(QWidget &window) { m_window = &window; }

    void processEvents() override
    {
        const auto now = Clock::now();
        if (now >= m_end)
            m_window->findChild<QPushButton *>(QStringLiteral("cmdStop"))->click();
        m_switchedAt = now;
        QtPlatform::processEvents();
        if (m_answeredAt && m_window->findChild<QWidget *>(QStringLiteral("pic1"))->isVisible()) {
            answerToFlash.push_back(milliseconds(Clock::now() - *m_answeredAt));
            m_answeredAt.reset();
        }
    }
    void Sleep(qint32 ms) override
    {
        if (ms == waitSlice) {
            if (!m_waitingSince) {
                // The lamp state before a wait lasts as long as the learner takes: not timed.
                if (!elements.empty())
                    elements.back().timed = false;
                m_waitingSince = Clock::now();
                // The answer comes when the learner is ready, whenever that falls in the
                // slices of the wait, as a key does; it waits in the queue till the next look.
                m_thinking.start(thinkMs + m_answers++ % 10);
            }
        } else {
            m_waitingSince.reset();
            elements.push_back({m_switchedAt, ms, true});
        }
        QtPlatform::Sleep(ms);
    }

    struct Element
    {
        Clock::time_point switchedAt;
        qint32 nominalMs;
        bool timed;
    };
    std::vector<Element> elements;
    std::vector<double> answerToFlash;

private:
    QWidget *m_window = nullptr;
    Clock::time_point m_end;
    Clock::time_point m_switchedAt;
    std::optional<Clock::time_point> m_waitingSince;
    std::optional<Clock::time_point> m_answeredAt;
    QTimer m_thinking;
    int m_answers = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    const QString speed = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("20");
    const double seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 30.0;

    AnsweringPlatform platform(seconds);
    PracticeSession session(home.path());
    Form1 form(platform, session);
    platform.answerIn(form);
    form.show();
    QCoreApplication::processEvents();
    form.findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(speed);
    form.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("1"));
    form.findChild<QPushButton *>(QStringLiteral("drillButton"))->click();

    std::vector<double> overshoot;
    const auto &elements = platform.elements;
    for (std::size_t i = 0; i + 1 < elements.size(); ++i) {
        if (elements[i].timed)
            overshoot.push_back(milliseconds(elements[i + 1].switchedAt - elements[i].switchedAt) -
                                elements[i].nominalMs);
    }
    std::printf("message drill at speed %s for %.0f s: %zu answers, %zu lamp states timed\n",
                qPrintable(speed), seconds, platform.answerToFlash.size(), overshoot.size());
    std::printf("  answer to next flash ms: median %.3f  p99 %.3f  max %.3f\n",
                percentile(platform.answerToFlash, 0.5), percentile(platform.answerToFlash, 0.99),
                percentile(platform.answerToFlash, 1.0));
    std::printf("  lamp state overshoot ms: median %.3f  p99 %.3f  max %.3f\n",
                percentile(overshoot, 0.5), percentile(overshoot, 0.99),
                percentile(overshoot, 1.0));
    return 0;
}

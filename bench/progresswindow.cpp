// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Measures opening the Progress window on years of daily practice: 10,000 runs of about 150
// letters each, about 1.5 million letter outcomes. Prints the time from making the window to
// its first paint (reading the history, working out the statistics, filling the charts,
// laying out and painting), split into those steps, and the time to refresh an open window
// after a run was stored; each the median of several tries, with the fastest and slowest.
//
// Usage: bench_progresswindow [--runs N] [--grab FILE.png] [folder]
// Without a folder the history is made in a temporary one (a few seconds). A folder that
// already holds N runs (10,000 unless asked otherwise) is used as it is. --grab saves a
// picture of the window as it first opens, at its own size. The window is drawn by Qt's
// offscreen platform unless QT_QPA_PLATFORM names another.

#include "ui/progress/progresswindow.h"
#include "madeupruns.h"
#include "practice/practicehistory.h"
#include "practice/practicesession.h"
#include "timing.h"
#include "ui/progressbridge.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPixmap>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <vector>

using namespace blinket;

namespace {

constexpr int tries = 7;

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++painted[watched];
        return false;
    }
    std::map<QObject *, int> painted;
};

// Shows the window and returns once both charts have been painted, and the events that
// painting left behind have run.
bool showAndPaint(ProgressWindow &window)
{
    PaintCounter counter;
    std::vector<QWidget *> canvases;
    for (QChartView *chart : window.findChildren<QChartView *>()) {
        // The merit chart of keyings is shown only for a history that has them.
        if (!chart->isVisibleTo(&window))
            continue;
        canvases.push_back(chart->viewport());
        chart->viewport()->installEventFilter(&counter);
    }
    window.show();
    QElapsedTimer waited;
    waited.start();
    const auto allPainted = [&] {
        return std::all_of(canvases.begin(), canvases.end(),
                           [&](QWidget *canvas) { return counter.painted[canvas] > 0; });
    };
    while (!allPainted()) {
        if (waited.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::processEvents();
    return true;
}

long peakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    // Off the screen by default, so that the figures do not depend on a desktop's compositor.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    int historyRuns = 10000;
    QString grabPath;
    QString folder;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"--runs" && i + 1 < arguments.size()) {
            historyRuns = arguments[++i].toInt();
        } else if (arguments[i] == u"--grab" && i + 1 < arguments.size()) {
            grabPath = arguments[++i];
        } else if (!arguments[i].startsWith(u'-') && folder.isEmpty()) {
            folder = arguments[i];
        } else {
            std::fprintf(stderr, "usage: bench_progresswindow [--runs N] [--grab FILE.png] "
                                 "[folder]\n");
            return 2;
        }
    }
    QTemporaryDir temporary;
    if (folder.isEmpty())
        folder = temporary.path();

    std::mt19937 random(20261208);
    {
        PracticeHistory history(folder);
        int stored = history.runCount().value_or(0);
        if (stored < historyRuns)
            std::fprintf(stderr, "storing %d runs in %s ...\n", historyRuns - stored,
                         qPrintable(folder));
        for (; stored < historyRuns; ++stored) {
            if (!history.store(madeUpRun(random, stored))) {
                std::fprintf(stderr, "%s\n", qPrintable(history.lastError()));
                return 1;
            }
        }
    }
    const QFileInfo file(folder + QStringLiteral("/history.sqlite"));
    std::size_t outcomes = 0;
    std::size_t runCount = 0;
    {
        PracticeHistory history(folder);
        const std::vector<RunRecord> runs = history.allRuns().value_or(std::vector<RunRecord>());
        runCount = runs.size();
        for (const RunRecord &run : runs)
            outcomes += run.outcomes.size();
    }
    std::printf("history: %s, %.1f MB, %zu runs, %zu letter outcomes\n",
                qPrintable(file.filePath()), double(file.size()) / 1e6, runCount, outcomes);
    std::printf("platform: %s\n\n", qPrintable(QGuiApplication::platformName()));

    // The window asks the program for its report as it does in the program: through a
    // bridge over a practice session, whose history is opened afresh each time.
    const auto nothing = [] {};
    const auto noLesson = [](int) {};
    // A window shown once before, so that fonts and styles are loaded as they are by the time
    // a learner opens the Progress window from the main one.
    {
        PracticeSession session(folder);
        ProgressBridge bridge(session, noLesson, nothing);
        ProgressWindow window(bridge);
        window.refresh();
        if (!showAndPaint(window)) {
            std::fprintf(stderr, "the window was never painted\n");
            return 1;
        }
        if (!grabPath.isEmpty()) {
            if (!window.grab().save(grabPath)) {
                std::fprintf(stderr, "could not save %s\n", qPrintable(grabPath));
                return 1;
            }
            std::printf("picture of the window (%dx%d) saved as %s\n\n", window.width(),
                        window.height(), qPrintable(grabPath));
        }
    }

    std::vector<double> making, refreshing, painting, opening;
    for (int i = 0; i < tries; ++i) {
        const auto start = Clock::now();
        // The history is opened afresh each time: its first read also checks the whole file.
        PracticeSession session(folder);
        ProgressBridge bridge(session, noLesson, nothing);
        ProgressWindow window(bridge);
        const auto made = Clock::now();
        window.refresh();
        const auto refreshed = Clock::now();
        if (!showAndPaint(window)) {
            std::fprintf(stderr, "the window was never painted\n");
            return 1;
        }
        const auto painted = Clock::now();
        making.push_back(milliseconds(made - start));
        refreshing.push_back(milliseconds(refreshed - made));
        painting.push_back(milliseconds(painted - refreshed));
        opening.push_back(milliseconds(painted - start));
    }
    report("make the window", making);
    report("refresh: read every run, statistics, charts and table", refreshing);
    report("show, lay out and paint the first time", painting);
    report("open the window: all of the above", opening);

    {
        PracticeSession session(folder);
        ProgressBridge bridge(session, noLesson, nothing);
        ProgressWindow window(bridge);
        window.refresh();
        showAndPaint(window);
        measure("refresh an open window and paint it again", tries, [&] {
            window.refresh();
            QCoreApplication::processEvents();
            window.repaint();
        });
    }
    std::printf("\npeak memory: %.1f MB\n", double(peakMemoryKiB()) / 1024.0);
    return 0;
}

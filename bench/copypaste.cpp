// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// Pastes a 2 MB text into the copy box of the Copy check window, over runs of 200 and 2,000
// letters, and prints whether the window keeps answering and what memory it takes. A 10 ms
// timer ticks throughout: its longest gap is the longest the event loop was held, by the
// paste, the scoring, the marks and the store a moment later. Memory is the resident size
// (VmRSS) before the paste, its peak (VmHWM, reset before the paste) and after the window has
// settled, each after giving freed memory back (malloc_trim).
//
// Usage: bench_copypaste [letters sent ...]     (default: 200 2000)
// The window is drawn by Qt's offscreen platform unless QT_QPA_PLATFORM names another.

#include "typedrun.h"
#include "ui/copycheck/copybox.h"
#include "ui/copycheck/copycheckwindow.h"
#include "ui/fonts.h"

#include "timing.h"

#include "memory.h"

#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QTimer>

#include <malloc.h>

#include <cstdio>
#include <random>

using namespace blinket;

namespace {

constexpr qsizetype pastedCharacters = 2 * 1024 * 1024;
// How long the loop runs after the paste: past the store half a second after the change.
constexpr int settleMs = 1500;

// Letters in groups of five, as the results box shows a run.
QString groups(int letters, std::mt19937 &random)
{
    QString text;
    for (int i = 0; i < letters; ++i) {
        if (i > 0 && i % 5 == 0)
            text += QStringLiteral("  ");
        text += QChar(char16_t(u'A' + random() % 26));
    }
    return text;
}

// Words of letters with spaces and line ends between them, as a text pasted from elsewhere.
QString pastedText(std::mt19937 &random)
{
    QString text;
    text.reserve(pastedCharacters);
    while (text.size() < pastedCharacters) {
        const int length = 1 + int(random() % 9);
        for (int i = 0; i < length; ++i)
            text += QChar(char16_t(u'a' + random() % 26));
        text += random() % 12 == 0 ? u'\n' : u' ';
    }
    text.truncate(pastedCharacters);
    return text;
}

void measure(int letters)
{
    std::mt19937 random(2026);
    QTemporaryDir folder;
    PracticeSession session(folder.path());
    typedRun(session, groups(letters, random), QString());
    QWidget main;
    main.setFont(dialogFont());
    CopyCheckWindow window(session, &main);
    window.showLastRun();
    window.show();
    auto *box = window.findChild<CopyBox *>(QStringLiteral("copy"));
    QApplication::clipboard()->setText(pastedText(random));

    // Everything the window made as it opened is drawn before the size is taken.
    QTimer::singleShot(200, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    malloc_trim(0);
    const double before = statusMegabytes("VmRSS");
    const bool reset = resetPeak();

    Clock::time_point last = Clock::now();
    double longestGap = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const Clock::time_point now = Clock::now();
        longestGap = std::max(longestGap, milliseconds(now - last));
        last = now;
    });
    tick.start(10);
    double pasteMs = 0;
    QTimer::singleShot(50, box, [&] {
        const Clock::time_point start = Clock::now();
        box->paste();
        pasteMs = milliseconds(Clock::now() - start);
    });
    QTimer::singleShot(50 + settleMs, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    tick.stop();
    const double peak = statusMegabytes("VmHWM");
    malloc_trim(0);
    const double after = statusMegabytes("VmRSS");

    std::printf("%6d %10.1f %12.1f %10.1f %9.1f%s %9.1f %9.1f   %d/%d\n", letters, pasteMs,
                longestGap, before, peak, reset ? "" : "*", after, after - before,
                session.score().sent, session.score().extra);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QList<int> sizes;
    for (const QString &argument : app.arguments().mid(1))
        sizes.append(argument.toInt());
    if (sizes.isEmpty())
        sizes = {200, 2000};
    std::printf("Pasting %lld characters into the copy box\n",
                static_cast<long long>(pastedCharacters));
    std::printf("%6s %10s %12s %10s %9s %9s %9s   %s\n", "sent", "paste ms", "longest gap",
                "before MB", "peak MB", "after MB", "growth MB", "sent/extra scored");
    for (const int letters : sizes)
        measure(letters);
    return 0;
}

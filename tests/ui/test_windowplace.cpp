// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "practice/practicesession.h"
#include "ui/copycheck/copycheckwindow.h"
#include "ui/options/optionswindow.h"
#include "ui/progress/progresswindow.h"
#include "ui/progressbridge.h"
#include "ui/windowplace.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace blinket;

namespace {

// The main window at the screen's top left, as a window manager places a new window; its
// lamp and Stop, in screen coordinates.
const QRect mainWindow(0, 0, 763, 488);
const QList<QRect> lampAndStop{QRect(384, 184, 33, 33), QRect(8, 432, 81, 25)};
// The speed and the minutes, in the main window's own coordinates.
const QList<QRect> speedAndMinutes{QRect(656, 216, 57, 21), QRect(656, 248, 57, 19)};

} // namespace

class TestWindowPlace : public QObject
{
    Q_OBJECT
private slots:
    void firstPlace_data();
    void firstPlace();
    void thePlaceTheLearnerGaveIsKept();
    void everyPracticeWindowFitsASmallScreen_data();
    void everyPracticeWindowFitsASmallScreen();
};

void TestWindowPlace::firstPlace_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QList<QRect>>("others");
    QTest::addColumn<QRect>("place");
    const QList<QRect> none;
    QTest::newRow("beside, on a wide screen")
        << QRect(0, 0, 1920, 1080) << mainWindow << none << QRect(771, 0, 720, 660);
    QTest::newRow("below, shorter, on 1280 x 1024")
        << QRect(0, 0, 1280, 1024) << mainWindow << none << QRect(0, 496, 720, 528);
    QTest::newRow("to the left of a main window moved right")
        << QRect(0, 0, 1600, 900) << QRect(830, 100, 763, 488) << none << QRect(102, 100, 720, 660);
    QTest::newRow("below and shorter on 1024 x 768, yet usable")
        << QRect(0, 0, 1024, 768) << mainWindow << none << QRect(0, 496, 720, 272);
    QTest::newRow("no usable room beside: over it, clear of the lamp, Stop, speed and minutes")
        << QRect(0, 0, 1024, 768) << QRect(0, 0, 763, 600) << none << QRect(97, 275, 720, 493);
    QTest::newRow("a panel at the top of the screen")
        << QRect(0, 30, 1920, 1050) << QRect(0, 30, 763, 488) << none << QRect(771, 30, 720, 660);
    // A second window while the first is open.
    QTest::newRow("the second below, on a wide screen")
        << QRect(0, 0, 1920, 1080) << mainWindow << QList<QRect>{QRect(771, 0, 720, 660)}
        << QRect(0, 496, 720, 584);
    QTest::newRow("the second beside the first, on a wider screen")
        << QRect(0, 0, 2560, 1080) << mainWindow << QList<QRect>{QRect(771, 0, 720, 660)}
        << QRect(1499, 0, 720, 660);
    QTest::newRow("the second below the main window, on 1024 x 768")
        << QRect(0, 0, 1024, 768) << mainWindow << QList<QRect>{QRect(481, 0, 543, 340)}
        << QRect(0, 496, 720, 272);
    // Too small for the whole window anywhere: on the screen all the same, smaller.
    QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << mainWindow << none
                               << QRect(97, 275, 703, 325);
    QTest::newRow("the second on 800 x 600, over the first as little as can be")
        << QRect(0, 0, 800, 600) << mainWindow << QList<QRect>{QRect(97, 275, 703, 325)}
        << QRect(0, 0, 376, 267);
}

void TestWindowPlace::firstPlace()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, main);
    QFETCH(QList<QRect>, others);
    QFETCH(QRect, place);
    QList<QRect> keepClear;
    for (const QRect &part : lampAndStop + speedAndMinutes)
        keepClear << part.translated(main.topLeft());
    const QRect got = WindowPlace::firstPlace(screen, main, keepClear, others, QSize(720, 660),
                                              QSize(480, 420), QSize(288, 264), QSize(200, 150));
    QCOMPARE(got, place);
    QVERIFY(screen.contains(got));
    for (const QRect &part : keepClear)
        QVERIFY(!got.intersects(part));
}

void TestWindowPlace::thePlaceTheLearnerGaveIsKept()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QWidget main;
    main.resize(763, 488);
    main.show();
    const QRect moved(300, 150, 400, 300);
    {
        QWidget window(&main, Qt::Window);
        window.setObjectName(QStringLiteral("Somewhere"));
        new WindowPlace(window, main, [] { return QList<QRect>(); });
        window.resize(720, 660);
        window.show();
        window.setGeometry(moved);
        window.hide();
    }
    // The next start: a new window of that name opens where the learner left the last one.
    QWidget window(&main, Qt::Window);
    window.setObjectName(QStringLiteral("Somewhere"));
    new WindowPlace(window, main, [] { return QList<QRect>(); });
    window.resize(720, 660);
    window.show();
    QCOMPARE(window.geometry(), moved);
}

void TestWindowPlace::everyPracticeWindowFitsASmallScreen_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("Copy check") << QStringLiteral("copy check");
    QTest::newRow("Progress") << QStringLiteral("progress");
    QTest::newRow("Options") << QStringLiteral("options");
}

void TestWindowPlace::everyPracticeWindowFitsASmallScreen()
{
    // An 800 x 600 screen less a window manager's frame and a panel: what does not fit
    // scrolls, and the Close button stays in reach.
    QFETCH(QString, window);
    QTemporaryDir folder;
    PracticeSession session(folder.path());
    ProgressBridge bridge(
        session, [](int) {}, [] {});
    std::unique_ptr<QWidget> shown;
    if (window == u"copy check")
        shown = std::make_unique<CopyCheckWindow>(session);
    else if (window == u"progress")
        shown = std::make_unique<ProgressWindow>(bridge);
    else
        shown = std::make_unique<OptionsWindow>();
    const QSize smallest = shown->minimumSizeHint().expandedTo(shown->minimumSize());
    QVERIFY2(smallest.width() <= 780 && smallest.height() <= 540,
             qPrintable(QStringLiteral("%1 x %2").arg(smallest.width()).arg(smallest.height())));
}

QTEST_MAIN(TestWindowPlace)
#include "test_windowplace.moc"

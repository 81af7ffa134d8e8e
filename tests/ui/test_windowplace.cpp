// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/windowplace.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace blinket;

namespace {

// The main window at the screen's top left, as a window manager places a new window; its
// lamp and Stop, in screen coordinates.
const QRect mainWindow(0, 0, 763, 488);
const QList<QRect> lampAndStop{QRect(384, 184, 33, 33), QRect(8, 432, 81, 25)};

} // namespace

class TestWindowPlace : public QObject
{
    Q_OBJECT
private slots:
    void firstPlace_data();
    void firstPlace();
    void thePlaceTheLearnerGaveIsKept();
};

void TestWindowPlace::firstPlace_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QRect>("place");
    QTest::newRow("beside, on a wide screen")
        << QRect(0, 0, 1920, 1080) << mainWindow << QRect(771, 0, 720, 660);
    QTest::newRow("below, shorter, on 1280 x 1024")
        << QRect(0, 0, 1280, 1024) << mainWindow << QRect(0, 496, 720, 528);
    QTest::newRow("to the left of a main window moved right")
        << QRect(0, 0, 1600, 900) << QRect(830, 100, 763, 488) << QRect(102, 100, 720, 660);
    QTest::newRow("no room on 1024 x 768: clear of the lamp and Stop")
        << QRect(0, 0, 1024, 768) << mainWindow << QRect(425, 0, 599, 660);
    QTest::newRow("a panel at the top of the screen")
        << QRect(0, 30, 1920, 1050) << QRect(0, 30, 763, 488) << QRect(771, 30, 720, 660);
}

void TestWindowPlace::firstPlace()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, main);
    QFETCH(QRect, place);
    QList<QRect> keepClear;
    for (const QRect &part : lampAndStop)
        keepClear << part.translated(main.topLeft());
    const QRect got =
        WindowPlace::firstPlace(screen, main, keepClear, QSize(720, 660), QSize(480, 420));
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
    const QRect moved(300, 200, 500, 400);
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

QTEST_MAIN(TestWindowPlace)
#include "test_windowplace.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "platform/runtimeerror.h"
#include "platform/urlopener.h"
#include "practice/practicesession.h"
#include "recordingreporter.h"
#include "ui/main/form1.h"
#include "ui/main/publisher.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace blinket;

namespace {

class RecordingOpener : public UrlOpener
{
public:
    void open(const QString &address) override { addresses << address; }
    QStringList addresses;
};

// A desktop where no browser can be started.
class FailingOpener : public UrlOpener
{
public:
    void open(const QString &) override
    {
        ++attempts;
        throw RuntimeError(53, QStringLiteral("File not found"));
    }
    int attempts = 0;
};

// Starts work from the application's own event loop, as the program does, and returns the
// loop's exit status; a loop that nothing ends gives up after a while with -1.
int runEventLoop(std::function<void()> start)
{
    QTimer::singleShot(0, qApp, std::move(start));
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    giveUp.start(20000);
    return QCoreApplication::exec();
}

struct Window
{
    Window()
    {
        form.setErrorReporter(reporter);
        form.setUrlOpener(opener);
        form.show();
    }
    FakePlatform platform;
    RecordingReporter reporter;
    RecordingOpener opener;
    PracticeSession session{QDir::tempPath()};
    Form1 form{platform, session};
};

ClickLabel *link(Form1 &form, const char *name)
{
    return control<ClickLabel>(form, name);
}

} // namespace

class TestExitAndLinks : public QObject
{
    Q_OBJECT
private slots:
    void publisherAddresses();
    void eachLinkOpensItsOwnAddress_data();
    void eachLinkOpensItsOwnAddress();
    void windowGoesOnAfterALink();
    void aBrowserThatCannotStartIsReported();
    void endsWithStatusZero_data();
    void endsWithStatusZero();
    void endingDuringARunStopsWithinOneElement_data();
    void endingDuringARunStopsWithinOneElement();
};

void TestExitAndLinks::publisherAddresses()
{
    QCOMPARE(homePageAddress(), QStringLiteral("http://www.corvale.example"));
    QCOMPARE(downloadPageAddress(),
             QStringLiteral("http://www.corvale.example/comunicat/blinket_dn_load.htm"));
    QCOMPARE(publisherDomain(), QStringLiteral("corvale.example"));
    Window window;
    QCOMPARE(link(window.form, "Label7")->text(), QStringLiteral("corvale.example"));
}

void TestExitAndLinks::eachLinkOpensItsOwnAddress_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("address");
    const QString home = QStringLiteral("http://www.corvale.example");
    const QString download =
        QStringLiteral("http://www.corvale.example/comunicat/blinket_dn_load.htm");
    for (const char *where : {"centre", "top left", "bottom right"}) {
        QTest::addRow("Label6 %s", where)
            << QStringLiteral("Label6") << QString::fromLatin1(where) << home;
        QTest::addRow("Label7 %s", where)
            << QStringLiteral("Label7") << QString::fromLatin1(where) << home;
        QTest::addRow("Label8 %s", where)
            << QStringLiteral("Label8") << QString::fromLatin1(where) << download;
    }
}

void TestExitAndLinks::eachLinkOpensItsOwnAddress()
{
    QFETCH(QString, name);
    QFETCH(QString, where);
    QFETCH(QString, address);
    Window window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    ClickLabel *label = control<ClickLabel>(window.form, name);

    // Anywhere in the box counts, also where a picture sits over the link's corner. (The
    // settings panel reaches past the window's edge; what lies beyond is not there to click.)
    const QRect box = label->visibleRegion().boundingRect();
    const QPoint inBox = where == u"centre"     ? box.center()
                         : where == u"top left" ? box.topLeft() + QPoint(2, 2)
                                                : box.bottomRight() - QPoint(2, 2);
    const QPoint onWindow = label->mapTo(&window.form, inBox);
    QWidget *target = window.form.childAt(onWindow);
    QCOMPARE(target, label);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window.form, onWindow));

    QCOMPARE(window.opener.addresses, QStringList{address});
    QVERIFY(window.reporter.reports.isEmpty());
    QVERIFY(window.form.isVisible());
    QVERIFY(!window.platform.endRequested());
}

void TestExitAndLinks::windowGoesOnAfterALink()
{
    Window window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    QTest::mouseClick(link(window.form, "Label6"), Qt::LeftButton);
    QTest::keyClicks(control<QLineEdit>(window.form, "Text2"), QStringLiteral("5"));
    QTest::mouseClick(link(window.form, "Label8"), Qt::LeftButton);
    QTest::mouseClick(link(window.form, "Label7"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(window.form, "Text2")->text(), QStringLiteral("35"));
    QCOMPARE(window.opener.addresses,
             QStringList({homePageAddress(), downloadPageAddress(), homePageAddress()}));
    // Nothing steps into a run's event processing or sleeps.
    QVERIFY(window.platform.steps().empty());
}

void TestExitAndLinks::aBrowserThatCannotStartIsReported()
{
    Window window;
    FailingOpener failing;
    window.form.setUrlOpener(failing);
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    QTest::mouseClick(link(window.form, "Label6"), Qt::LeftButton);
    QCOMPARE(window.reporter.reports,
             QStringList{QStringLiteral("Run-time error '53': File not found")});
    QVERIFY(window.form.isVisible());
    QVERIFY(!window.platform.endRequested());

    // The window goes on working, the other links included.
    QTest::keyClicks(control<QLineEdit>(window.form, "Text2"), QStringLiteral("7"));
    QCOMPARE(control<QLineEdit>(window.form, "Text2")->text(), QStringLiteral("37"));
    QTest::mouseClick(link(window.form, "Label8"), Qt::LeftButton);
    QCOMPARE(failing.attempts, 2);
    QCOMPARE(window.reporter.reports.size(), 2);
    window.form.setUrlOpener(window.opener);
    QTest::mouseClick(link(window.form, "Label7"), Qt::LeftButton);
    QCOMPARE(window.opener.addresses, QStringList{homePageAddress()});
}

void TestExitAndLinks::endsWithStatusZero_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit clicked") << QStringLiteral("click");
    QTest::newRow("Alt+X") << QStringLiteral("alt+x");
    QTest::newRow("window closed") << QStringLiteral("close");
}

void TestExitAndLinks::endsWithStatusZero()
{
    QFETCH(QString, how);
    Window window;
    QApplication::setActiveWindow(&window.form);
    QVERIFY(QTest::qWaitForWindowActive(&window.form));
    const int status = runEventLoop([&] {
        if (how == u"click")
            QTest::mouseClick(control<QPushButton>(window.form, "Command2"), Qt::LeftButton);
        else if (how == u"alt+x")
            QTest::keyClick(&window.form, Qt::Key_X, Qt::AltModifier);
        else
            window.form.close();
    });
    QCOMPARE(status, 0);
    QVERIFY(window.form.isHidden());
    QVERIFY(window.platform.endRequested());

    // No handler runs any more.
    QTest::mouseClick(link(window.form, "Label6"), Qt::LeftButton);
    QTest::mouseClick(link(window.form, "Label8"), Qt::LeftButton);
    QVERIFY(window.opener.addresses.isEmpty());
    QVERIFY(window.reporter.reports.isEmpty());
}

void TestExitAndLinks::endingDuringARunStopsWithinOneElement_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("how");
    QTest::addColumn<qint64>("when");
    QTest::addColumn<qint64>("slept");
    // Speed 16 makes a unit of 100 ms: a lead-in of two pauses of 400 ms, then J after J,
    // each dot 50, gap 50, dash 250, gap 50, dash 250, gap 50, dash 250, closing gap 250:
    // 1200 ms a letter. The end is seen at the next event processing, and nothing is slept
    // after it.
    QTest::newRow("closed in the lead-in") << "Command1"
                                           << "close" << 100LL << 400LL;
    QTest::newRow("closed in the first dash") << "Command1"
                                              << "close" << 920LL << 1150LL;
    QTest::newRow("closed in the second letter") << "Command1"
                                                 << "close" << 2200LL << 2350LL;
    // The first lesson after start-up has no lead-in; Q is dash 250, gap 50, dash 250, gap 50,
    // dot 50, gap 50, dash 250, closing gap 250.
    QTest::newRow("closed in a lesson") << "Command3(7)"
                                        << "close" << 1300LL << 1450LL;
    // The speed check shows the whole window, Exit included, while it sends PARIS: P begins
    // with dot 50, gap 50, dash 250.
    QTest::newRow("Exit in the speed check") << "Command6"
                                             << "click" << 950LL << 1150LL;
}

void TestExitAndLinks::endingDuringARunStopsWithinOneElement()
{
    QFETCH(QString, button);
    QFETCH(QString, how);
    QFETCH(qint64, when);
    QFETCH(qint64, slept);
    Window window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    control<QComboBox>(window.form, "Combo1")->setEditText(QStringLiteral("16"));
    // J for a run of random letters, and for the lesson YQ, whose second letter is Q (the
    // same length as J), a run of Q.
    window.platform.scriptDraws(std::vector<float>(20, button == u"Command1" ? 9.5f / 26 : 0.75f));
    window.platform.at(when, [&] {
        if (how == u"click")
            QTest::mouseClick(control<QPushButton>(window.form, "Command2"), Qt::LeftButton);
        else
            window.form.close();
    });
    const int status =
        runEventLoop([&] { control<QPushButton>(window.form, qPrintable(button))->click(); });
    QCOMPARE(status, 0);
    QCOMPARE(window.platform.sleptMs(), slept);
    QCOMPARE(window.platform.steps().back().kind, FakePlatform::Kind::Events);
    QVERIFY(window.form.isHidden());
    QVERIFY(window.reporter.reports.isEmpty());
    // The run unwound without writing its result line.
    QVERIFY(!resultsText(window.form).contains(QStringLiteral("Sec.")));
}

QTEST_MAIN(TestExitAndLinks)
#include "test_exitandlinks.moc"

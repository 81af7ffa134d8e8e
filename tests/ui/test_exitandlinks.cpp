// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "platform/runtimeerror.h"
#include "platform/urlopener.h"
#include "recordingreporter.h"
#include "ui/form1.h"
#include "ui/publisher.h"

#include <QApplication>
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
    Form1 form{platform};
};

ClickLabel *link(Form1 &form, const QString &name)
{
    return form.findChild<ClickLabel *>(name);
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
    void endingDuringALetterStopsWithinOneElement_data();
    void endingDuringALetterStopsWithinOneElement();
};

void TestExitAndLinks::publisherAddresses()
{
    QCOMPARE(homePageAddress(), QStringLiteral("http://www.corvale.example"));
    QCOMPARE(downloadPageAddress(),
             QStringLiteral("http://www.corvale.example/comunicat/blinket_dn_load.htm"));
    QCOMPARE(publisherDomain(), QStringLiteral("corvale.example"));
    Window window;
    QCOMPARE(window.form.Label7->text(), QStringLiteral("corvale.example"));
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
    ClickLabel *label = link(window.form, name);
    QVERIFY(label);

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
    QTest::mouseClick(window.form.Label6, Qt::LeftButton);
    QTest::keyClicks(window.form.Text2, QStringLiteral("5"));
    QTest::mouseClick(window.form.Label8, Qt::LeftButton);
    QTest::mouseClick(window.form.Label7, Qt::LeftButton);
    QCOMPARE(window.form.Text2->text(), QStringLiteral("35"));
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
    QTest::mouseClick(window.form.Label6, Qt::LeftButton);
    QCOMPARE(window.reporter.reports,
             QStringList{QStringLiteral("Run-time error '53': File not found")});
    QVERIFY(window.form.isVisible());
    QVERIFY(!window.platform.endRequested());

    // The window goes on working, the other links included.
    QTest::keyClicks(window.form.Text2, QStringLiteral("7"));
    QCOMPARE(window.form.Text2->text(), QStringLiteral("37"));
    QTest::mouseClick(window.form.Label8, Qt::LeftButton);
    QCOMPARE(failing.attempts, 2);
    QCOMPARE(window.reporter.reports.size(), 2);
    window.form.setUrlOpener(window.opener);
    QTest::mouseClick(window.form.Label7, Qt::LeftButton);
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
            QTest::mouseClick(window.form.Command2, Qt::LeftButton);
        else if (how == u"alt+x")
            QTest::keyClick(&window.form, Qt::Key_X, Qt::AltModifier);
        else
            window.form.close();
    });
    QCOMPARE(status, 0);
    QVERIFY(window.form.isHidden());
    QVERIFY(window.platform.endRequested());

    // No handler runs any more.
    QTest::mouseClick(window.form.Label6, Qt::LeftButton);
    QTest::mouseClick(window.form.Label8, Qt::LeftButton);
    QVERIFY(window.opener.addresses.isEmpty());
    QVERIFY(window.reporter.reports.isEmpty());
}

void TestExitAndLinks::endingDuringALetterStopsWithinOneElement_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<qint64>("when");
    QTest::addColumn<qint64>("slept");
    QTest::addColumn<int>("lettersSent");
    // J at 100 ms a unit: dot 50, gap 50, dash 250, gap 50, dash 250, gap 50, dash 250,
    // closing gap 250; 1200 ms a letter. The request is seen at the next event processing,
    // and nothing is slept after it.
    QTest::newRow("closed in the first dash") << QStringLiteral("close") << 120LL << 350LL << 0;
    QTest::newRow("Exit in the first dash") << QStringLiteral("click") << 120LL << 350LL << 0;
    QTest::newRow("closed in the second letter")
        << QStringLiteral("close") << 2000LL << 2150LL << 1;
    QTest::newRow("Exit in the closing gap") << QStringLiteral("click") << 1000LL << 1200LL << 1;
}

void TestExitAndLinks::endingDuringALetterStopsWithinOneElement()
{
    QFETCH(QString, how);
    QFETCH(qint64, when);
    QFETCH(qint64, slept);
    QFETCH(int, lettersSent);
    Window window;
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    window.form.Unit = 100;
    window.platform.at(when, [&] {
        if (how == u"click")
            QTest::mouseClick(window.form.Command2, Qt::LeftButton);
        else
            window.form.close();
    });
    // A run as the run drivers make one: letters after letters until something stops it.
    ErrorGuard guard(window.reporter, &window.platform);
    int letters = 0;
    bool finished = false;
    const int status = runEventLoop([&] {
        guard.run([&] {
            for (int i = 0; i < 20; ++i) {
                window.form.elements().AtoZ(QStringLiteral("J"));
                ++letters;
            }
            finished = true;
        });
    });
    QCOMPARE(status, 0);
    QVERIFY(!finished);
    QCOMPARE(letters, lettersSent);
    QCOMPARE(window.platform.sleptMs(), slept);
    QCOMPARE(window.platform.steps().back().kind, FakePlatform::Kind::Events);
    QVERIFY(window.form.isHidden());
    QVERIFY(window.reporter.reports.isEmpty());
}

QTEST_MAIN(TestExitAndLinks)
#include "test_exitandlinks.moc"

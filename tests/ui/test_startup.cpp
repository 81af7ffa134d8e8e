// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "practice/practicesession.h"
#include "ui/main/colours.h"
#include "ui/main/form1.h"
#include "windowcontrols.h"

#include <QDir>
#include <QTest>

using namespace blinket;

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void fillsTheSpeedList();
    void seedsTheRandomNumbersFromTheClock();
    void panelsTakeTheWindowColour();
    void putsTheHintInTheResultsBox();
    void anchorsTheLampAtItsStoredCorner();
    void opensAtRest();
    void startsWithoutATimeUnit();
};

void TestStartup::fillsTheSpeedList()
{
    FakePlatform platform;
    PracticeSession session(QDir::tempPath());
    Form1 form(platform, session);
    QStringList items;
    for (int i = 0; i < control<QComboBox>(form, "Combo1")->count(); ++i)
        items << control<QComboBox>(form, "Combo1")->itemText(i);
    QCOMPARE(items, QStringList({QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("8")}));
    QCOMPARE(control<QComboBox>(form, "Combo1")->currentText(), QStringLiteral("4"));
}

void TestStartup::seedsTheRandomNumbersFromTheClock()
{
    QList<float> seeds;
    const auto firstDraws = [&seeds](double timeOfDay) {
        FakePlatform platform;
        platform.setTimeOfDay(timeOfDay);
        PracticeSession session(QDir::tempPath());
        Form1 form(platform, session);
        seeds << platform.lastSeed();
        QList<float> draws;
        for (int i = 0; i < 8; ++i)
            draws << platform.Rnd();
        return draws;
    };
    const QList<float> morning = firstDraws(36000.25);
    const QList<float> sameMoment = firstDraws(36000.25);
    const QList<float> afternoon = firstDraws(50000.5);
    QCOMPARE(seeds, (QList<float>{36000.25f, 36000.25f, 50000.5f}));
    QCOMPARE(morning, sameMoment);
    QVERIFY(morning != afternoon);
}

void TestStartup::panelsTakeTheWindowColour()
{
    FakePlatform platform;
    PracticeSession session(QDir::tempPath());
    Form1 form(platform, session);
    QCOMPARE(backColour(control<QFrame>(form, "Frame1")), backColour(&form));
    QCOMPARE(backColour(control<QFrame>(form, "Frame2")), backColour(&form));
    QCOMPARE(control<QFrame>(form, "Frame1")->palette().color(QPalette::Window),
             QColor(0x80, 0x80, 0x80));
}

void TestStartup::putsTheHintInTheResultsBox()
{
    FakePlatform platform;
    PracticeSession session(QDir::tempPath());
    Form1 form(platform, session);
    QCOMPARE(resultsText(form), QStringLiteral("בתום השידור יפיעו כאן האותיות ששודרו"));
}

void TestStartup::anchorsTheLampAtItsStoredCorner()
{
    FakePlatform platform;
    PracticeSession session(QDir::tempPath());
    Form1 form(platform, session);
    auto *lamp = control<CircleShape>(form, "pic1");
    // The slider's value is not applied at start-up.
    QCOMPARE(lamp->Width(), 615.0f);
    QCOMPARE(lamp->Height(), 495.0f);
    // The first change centres the lamp on its stored top-left corner, not on its centre.
    control<QScrollBar>(form, "HScroll1")->setValue(1000);
    QCOMPARE(lamp->Left(), 5760.0f - 500.0f);
    QCOMPARE(lamp->Top(), 2760.0f - 500.0f);
}

void TestStartup::opensAtRest()
{
    FakePlatform platform;
    PracticeSession session(QDir::tempPath());
    Form1 form(platform, session);
    QVERIFY(!control<CircleShape>(form, "pic1")->isHidden());
    QVERIFY(control<QLabel>(form, "Image1")->isHidden());
    QVERIFY(control<QPushButton>(form, "Command6")->isHidden());
    QCOMPARE(control<QLineEdit>(form, "Text2")->text(), QStringLiteral("3"));
    QCOMPARE(control<QScrollBar>(form, "HScroll1")->value(), 555);
    // Start-up reads no file, processes no events and sleeps not at all.
    QVERIFY(platform.steps().empty());
}

void TestStartup::startsWithoutATimeUnit()
{
    // No run has set the unit yet, so a lesson's lead-in, which runs on the unit of the run
    // before, has no length at all.
    FakePlatform platform;
    PracticeSession session(QDir::tempPath());
    Form1 form(platform, session);
    control<QLineEdit>(form, "Text2")->setText(QStringLiteral("0"));
    control<QPushButton>(form, "Command3", 3)->click();
    QCOMPARE(platform.durations(), (QList<qint32>{0, 0}));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"

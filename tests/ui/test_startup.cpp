// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "ui/colours.h"
#include "ui/form1.h"

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
};

void TestStartup::fillsTheSpeedList()
{
    FakePlatform platform;
    Form1 form(platform);
    QStringList items;
    for (int i = 0; i < form.Combo1->count(); ++i)
        items << form.Combo1->itemText(i);
    QCOMPARE(items, QStringList({QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("8")}));
    QCOMPARE(form.Combo1->currentText(), QStringLiteral("4"));
}

void TestStartup::seedsTheRandomNumbersFromTheClock()
{
    QList<float> seeds;
    const auto firstDraws = [&seeds](double timeOfDay) {
        FakePlatform platform;
        platform.setTimeOfDay(timeOfDay);
        Form1 form(platform);
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
    Form1 form(platform);
    QCOMPARE(backColour(form.Frame1), backColour(&form));
    QCOMPARE(backColour(form.Frame2), backColour(&form));
    QCOMPARE(form.Frame1->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
}

void TestStartup::putsTheHintInTheResultsBox()
{
    FakePlatform platform;
    Form1 form(platform);
    QCOMPARE(form.text1(), QStringLiteral("בתום השידור יפיעו כאן האותיות ששודרו"));
}

void TestStartup::anchorsTheLampAtItsStoredCorner()
{
    FakePlatform platform;
    Form1 form(platform);
    QCOMPARE(form.AnchorTop, qint16(2760));
    QCOMPARE(form.AnchorLeft, qint16(5760));
    // The slider's value is not applied at start-up.
    QCOMPARE(form.pic1->Width(), 615.0f);
    QCOMPARE(form.pic1->Height(), 495.0f);
}

void TestStartup::opensAtRest()
{
    FakePlatform platform;
    Form1 form(platform);
    QCOMPARE(form.Running, qint16(0));
    QCOMPARE(form.Unit, qint16(0));
    QVERIFY(form.Speed.isEmpty());
    QVERIFY(!form.pic1->isHidden());
    QVERIFY(form.Image1->isHidden());
    QVERIFY(form.Command6->isHidden());
    QCOMPARE(form.Text2->text(), QStringLiteral("3"));
    QCOMPARE(form.HScroll1->value(), 555);
    // Start-up reads no file, processes no events and sleeps not at all.
    QVERIFY(platform.steps().empty());
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "practice/practicesession.h"
#include "ui/main/colours.h"
#include "ui/main/form1.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QDir>
#include <QTest>

using namespace blinket;

class TestPalette : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void circleColoursTheLamp_data();
    void circleColoursTheLamp();
    void circleClicksLandOnTheTargets();
    void swatchPaintsWindowAndPanels_data();
    void swatchPaintsWindowAndPanels();
    void sameColourAgainChangesNothing();
    void systemColourLampFollowsTheDesktop();

private:
    std::unique_ptr<FakePlatform> m_platform;
    // Nothing is typed in these tests, so nothing is kept.
    PracticeSession m_session{QDir::tempPath()};
    std::unique_ptr<Form1> m_form;
};

void TestPalette::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_form = std::make_unique<Form1>(*m_platform, m_session);
}

void TestPalette::cleanup()
{
    m_form.reset();
    m_platform.reset();
}

void TestPalette::circleColoursTheLamp_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<ColourValue>("colour");
    QTest::newRow("pale red") << 0 << ColourValue(12632319);
    QTest::newRow("light red") << 1 << ColourValue(8421631);
    QTest::newRow("red") << 2 << ColourValue(255);
    QTest::newRow("window background") << 3 << ColourValue(-2147483643);
    QTest::newRow("light yellow") << 4 << ColourValue(8454143);
    QTest::newRow("yellow") << 5 << ColourValue(65535);
}

void TestPalette::circleColoursTheLamp()
{
    QFETCH(int, index);
    QFETCH(ColourValue, colour);
    // Start from another colour, so that every circle makes a difference.
    setBackColour(control<CircleShape>(*m_form, "pic1"), rgbColour(0, 0x40, 0));
    control<CircleShape>(*m_form, "pic1")->hide();
    control<QScrollBar>(*m_form, "HScroll1")->setValue(1000);
    const QRect place = control<CircleShape>(*m_form, "pic1")->geometry();
    QTest::mouseClick(control<ClickLabel>(*m_form, "Label9", index), Qt::LeftButton);
    QCOMPARE(backColour(control<CircleShape>(*m_form, "pic1")), colour);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->palette().color(QPalette::Window),
             resolveColour(colour, QApplication::palette()));
    QVERIFY(control<CircleShape>(*m_form, "pic1")->isHidden());
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->geometry(), place);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), 1000.0f);
    // The window's colour stays.
    QCOMPARE(backColour(m_form.get()), rgbColour(0x80, 0x80, 0x80));
}

void TestPalette::circleClicksLandOnTheTargets()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    for (int i = 0; i < 6; ++i) {
        const QPoint centre = control<CircleShape>(*m_form, "Shape1", i)->geometry().center();
        QCOMPARE(control<QFrame>(*m_form, "Frame2")->childAt(centre),
                 control<ClickLabel>(*m_form, "Label9", i));
        QTest::mouseClick(control<QFrame>(*m_form, "Frame2")->childAt(centre), Qt::LeftButton);
        QCOMPARE(backColour(control<CircleShape>(*m_form, "pic1")),
                 backColour(control<CircleShape>(*m_form, "Shape1", i)));
    }
}

void TestPalette::swatchPaintsWindowAndPanels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<ColourValue>("colour");
    QTest::newRow("black") << 0 << ColourValue(0);
    QTest::newRow("dark grey") << 1 << ColourValue(4210752);
    QTest::newRow("grey") << 2 << ColourValue(8421504);
    QTest::newRow("dark blue") << 3 << ColourValue(12582912);
    QTest::newRow("teal") << 4 << ColourValue(8421376);
    QTest::newRow("dark purple") << 5 << ColourValue(4194368);
}

void TestPalette::swatchPaintsWindowAndPanels()
{
    QFETCH(int, index);
    QFETCH(ColourValue, colour);
    QTest::mouseClick(control<ClickLabel>(*m_form, "Label1", (index + 1) % 6), Qt::LeftButton);
    const ColourValue lamp = backColour(control<CircleShape>(*m_form, "pic1"));
    QTest::mouseClick(control<ClickLabel>(*m_form, "Label1", index), Qt::LeftButton);
    const QColor shown = resolveColour(colour, QApplication::palette());
    for (QWidget *widget : {static_cast<QWidget *>(m_form.get()),
                            static_cast<QWidget *>(control<QFrame>(*m_form, "Frame1")),
                            static_cast<QWidget *>(control<QFrame>(*m_form, "Frame2"))}) {
        QCOMPARE(backColour(widget), colour);
        QCOMPARE(widget->palette().color(QPalette::Window), shown);
    }
    // The swatch keeps its own colour, and the lamp keeps its.
    QCOMPARE(backColour(control<ClickLabel>(*m_form, "Label1", index)), colour);
    QCOMPARE(backColour(control<CircleShape>(*m_form, "pic1")), lamp);
}

void TestPalette::sameColourAgainChangesNothing()
{
    // Grey is the window's colour at start; red the lamp's after one click.
    QTest::mouseClick(control<ClickLabel>(*m_form, "Label9", 2), Qt::LeftButton);
    const QPalette window = m_form->palette();
    const QPalette lamp = control<CircleShape>(*m_form, "pic1")->palette();
    QTest::mouseClick(control<ClickLabel>(*m_form, "Label1", 2), Qt::LeftButton);
    QTest::mouseClick(control<ClickLabel>(*m_form, "Label9", 2), Qt::LeftButton);
    QCOMPARE(m_form->palette(), window);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->palette(), lamp);
    QCOMPARE(backColour(control<CircleShape>(*m_form, "pic1")), ColourValue(255));
}

void TestPalette::systemColourLampFollowsTheDesktop()
{
    QTest::mouseClick(control<ClickLabel>(*m_form, "Label9", 2), Qt::LeftButton);
    QTest::mouseClick(control<ClickLabel>(*m_form, "Label9", 3), Qt::LeftButton);
    QCOMPARE(backColour(control<CircleShape>(*m_form, "pic1")), SystemColour::WindowBackground);
    const QPalette saved = QApplication::palette();
    QPalette desktop = saved;
    desktop.setColor(QPalette::Base, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(desktop);
    QCoreApplication::processEvents();
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->palette().color(QPalette::Window),
             QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(saved);
    QCoreApplication::processEvents();
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->palette().color(QPalette::Window),
             saved.color(QPalette::Base));
}

QTEST_MAIN(TestPalette)
#include "test_palette.moc"

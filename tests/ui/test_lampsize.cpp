// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "practice/practicesession.h"
#include "ui/main/form1.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QStyleOptionSlider>
#include <QTest>

using namespace blinket;

namespace {

TwipsRect lampBox(const Form1 &form)
{
    return {control<CircleShape>(form, "pic1")->Left(), control<CircleShape>(form, "pic1")->Top(),
            control<CircleShape>(form, "pic1")->Width(),
            control<CircleShape>(form, "pic1")->Height()};
}

// Where a part of the slider (an arrow, the track beside the thumb, the thumb) is drawn.
QPoint centreOf(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestLampSize : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lampIsACircleAroundTheAnchor_data();
    void lampIsACircleAroundTheAnchor();
    void firstChangeMovesTheLampUpAndLeft();
    void sameValueLeavesTheStartUpBox();
    void arrowKeysStepByTen();
    void arrowAndTrackClicksStep();
    void draggedThumbCountsWhenReleased();
    void sizeLeavesVisibilityAndColourAlone();
    void focusLightsTheLamp();
    void tabbingOntoTheSliderLightsTheLamp();
    void returningToTheWindowDoesNotLightTheLamp();

private:
    std::unique_ptr<FakePlatform> m_platform;
    // Nothing is typed in these tests, so nothing is kept.
    PracticeSession m_session{QDir::tempPath()};
    std::unique_ptr<Form1> m_form;
};

void TestLampSize::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_form = std::make_unique<Form1>(*m_platform, m_session);
}

void TestLampSize::cleanup()
{
    m_form.reset();
    m_platform.reset();
}

void TestLampSize::lampIsACircleAroundTheAnchor_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("left");
    QTest::newRow("smallest") << 333 << 2593.5f << 5593.5f;
    QTest::newRow("start value") << 555 << 2482.5f << 5482.5f;
    QTest::newRow("even") << 1000 << 2260.0f << 5260.0f;
    QTest::newRow("largest") << 2222 << 1649.0f << 4649.0f;
}

void TestLampSize::lampIsACircleAroundTheAnchor()
{
    QFETCH(int, value);
    QFETCH(float, top);
    QFETCH(float, left);
    // Away first, so that the start value is a change as well.
    control<QScrollBar>(*m_form, "HScroll1")->setValue(value == 1000 ? 1200 : 1000);
    control<QScrollBar>(*m_form, "HScroll1")->setValue(value);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), float(value));
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Height(), float(value));
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Top(), top);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Left(), left);
    // The widget covers the whole pixels around the circle.
    const QRectF exact = lampBox(*m_form).toPixelsF();
    QVERIFY(QRectF(control<CircleShape>(*m_form, "pic1")->geometry()).contains(exact));
    QVERIFY(control<CircleShape>(*m_form, "pic1")->width() <= int(exact.width()) + 2);
}

void TestLampSize::firstChangeMovesTheLampUpAndLeft()
{
    const TwipsRect before = lampBox(*m_form);
    QCOMPARE(before.width, 615.0);
    QCOMPARE(before.height, 495.0);
    QTest::keyClick(control<QScrollBar>(*m_form, "HScroll1"), Qt::Key_Right);
    QCOMPARE(control<QScrollBar>(*m_form, "HScroll1")->value(), 565);
    const TwipsRect after = lampBox(*m_form);
    QCOMPARE(after.width, 565.0);
    QCOMPARE(after.height, 565.0);
    // Centred on the start-up corner, not on the centre of the start-up box.
    QCOMPARE(after.left + after.width / 2, 5760.0);
    QCOMPARE(after.top + after.height / 2, 2760.0);
    QCOMPARE(after.top, 2477.5);
    QCOMPARE(after.left, 5477.5);
    // Later changes keep that centre.
    QTest::keyClick(control<QScrollBar>(*m_form, "HScroll1"), Qt::Key_Right);
    const TwipsRect later = lampBox(*m_form);
    QCOMPARE(later.left + later.width / 2, 5760.0);
    QCOMPARE(later.top + later.height / 2, 2760.0);
}

void TestLampSize::sameValueLeavesTheStartUpBox()
{
    control<QScrollBar>(*m_form, "HScroll1")->setValue(555);
    const TwipsRect box = lampBox(*m_form);
    QCOMPARE(box.left, 5760.0);
    QCOMPARE(box.top, 2760.0);
    QCOMPARE(box.width, 615.0);
    QCOMPARE(box.height, 495.0);
}

void TestLampSize::arrowKeysStepByTen()
{
    QTest::keyClick(control<QScrollBar>(*m_form, "HScroll1"), Qt::Key_Left);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), 545.0f);
    QTest::keyClick(control<QScrollBar>(*m_form, "HScroll1"), Qt::Key_Left);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), 535.0f);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Top(), 2760.0f - 267.5f);
    QTest::keyClick(control<QScrollBar>(*m_form, "HScroll1"), Qt::Key_PageDown);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), 635.0f);
}

void TestLampSize::arrowAndTrackClicksStep()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QScrollBar *bar = control<QScrollBar>(*m_form, "HScroll1");
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                      centreOf(bar, QStyle::SC_ScrollBarAddLine));
    QCOMPARE(bar->value(), 565);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), 565.0f);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                      centreOf(bar, QStyle::SC_ScrollBarAddPage));
    QCOMPARE(bar->value(), 665);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), 665.0f);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Left(), 5760.0f - 332.5f);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                      centreOf(bar, QStyle::SC_ScrollBarSubLine));
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), 655.0f);
}

void TestLampSize::draggedThumbCountsWhenReleased()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QScrollBar *bar = control<QScrollBar>(*m_form, "HScroll1");
    const QPoint thumb = centreOf(bar, QStyle::SC_ScrollBarSlider);
    const QPoint further = thumb + QPoint(60, 0);
    sendMouse(bar, QEvent::MouseButtonPress, thumb, Qt::LeftButton);
    QVERIFY(bar->isSliderDown());
    sendMouse(bar, QEvent::MouseMove, thumb + QPoint(30, 0), Qt::LeftButton);
    sendMouse(bar, QEvent::MouseMove, further, Qt::LeftButton);
    QVERIFY(bar->sliderPosition() > 555);
    // While the thumb is held the lamp keeps its size.
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), 615.0f);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Height(), 495.0f);
    sendMouse(bar, QEvent::MouseButtonRelease, further, Qt::NoButton);
    QVERIFY(!bar->isSliderDown());
    QVERIFY(bar->value() > 555);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), float(bar->value()));
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Height(), float(bar->value()));
}

void TestLampSize::sizeLeavesVisibilityAndColourAlone()
{
    control<CircleShape>(*m_form, "pic1")->hide();
    const QColor colour = control<CircleShape>(*m_form, "pic1")->palette().color(QPalette::Window);
    control<QScrollBar>(*m_form, "HScroll1")->setValue(2000);
    QVERIFY(control<CircleShape>(*m_form, "pic1")->isHidden());
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->palette().color(QPalette::Window), colour);
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), 2000.0f);
}

void TestLampSize::focusLightsTheLamp()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    control<CircleShape>(*m_form, "pic1")->hide();
    QTest::mouseClick(
        control<QScrollBar>(*m_form, "HScroll1"), Qt::LeftButton, Qt::NoModifier,
        centreOf(control<QScrollBar>(*m_form, "HScroll1"), QStyle::SC_ScrollBarSlider));
    QVERIFY(control<QScrollBar>(*m_form, "HScroll1")->hasFocus());
    QVERIFY(!control<CircleShape>(*m_form, "pic1")->isHidden());
    // Only the focus arriving lights it; the size is untouched by a click on the thumb.
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->Width(), 615.0f);
}

void TestLampSize::tabbingOntoTheSliderLightsTheLamp()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    control<QComboBox>(*m_form, "Combo1")->setFocus(Qt::OtherFocusReason);
    QVERIFY(control<QComboBox>(*m_form, "Combo1")->hasFocus());
    control<CircleShape>(*m_form, "pic1")->hide();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(control<QScrollBar>(*m_form, "HScroll1")->hasFocus());
    QVERIFY(!control<CircleShape>(*m_form, "pic1")->isHidden());
    // Leaving the slider does not put the lamp out, and only arriving lights it.
    QTest::keyClick(control<QScrollBar>(*m_form, "HScroll1"), Qt::Key_Tab);
    QVERIFY(!control<QScrollBar>(*m_form, "HScroll1")->hasFocus());
    QVERIFY(!control<CircleShape>(*m_form, "pic1")->isHidden());
    control<CircleShape>(*m_form, "pic1")->hide();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QVERIFY(control<QScrollBar>(*m_form, "HScroll1")->hasFocus());
    QVERIFY(!control<CircleShape>(*m_form, "pic1")->isHidden());
}

void TestLampSize::returningToTheWindowDoesNotLightTheLamp()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    control<QScrollBar>(*m_form, "HScroll1")->setFocus(Qt::TabFocusReason);
    QVERIFY(control<QScrollBar>(*m_form, "HScroll1")->hasFocus());
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    control<CircleShape>(*m_form, "pic1")->hide();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QVERIFY(control<QScrollBar>(*m_form, "HScroll1")->hasFocus());
    // The slider had the focus all along; it did not receive it from another control.
    QVERIFY(control<CircleShape>(*m_form, "pic1")->isHidden());
}

QTEST_MAIN(TestLampSize)
#include "test_lampsize.moc"

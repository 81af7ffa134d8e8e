// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "fakeplatform.h"
#include "practice/practicesession.h"
#include "ui/main/colours.h"
#include "ui/main/form1.h"
#include "ui/main/publisher.h"
#include "ui/main/twips.h"
#include "windowcontrols.h"

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace blinket;

namespace {

struct Expected
{
    const char *name;
    const char *parent;
    TwipsRect box;
    const char16_t *caption; // nullptr where the control has none to check
    bool visible;
};

// The window as it opens, control by control.
const Expected layout[] = {
    {"cmdStop", "Form1", {120, 6480, 1215, 375}, u"&Stop עצור ", true},
    {"Frame2", "Form1", {8880, 720, 2775, 5655}, nullptr, true},
    {"Frame1", "Form1", {120, 120, 2415, 4095}, nullptr, true},
    {"Text1", "Form1", {120, 4920, 8535, 1455}, nullptr, true},
    {"Command2", "Form1", {120, 6960, 1215, 375}, u"E&xit  סיום", true},
    {"Label11", "Form1", {10800, 7080, 735, 255}, u"Ver 1.2", true},
    {"Image1", "Form1", {6000, 2760, 210, 360}, nullptr, false},
    {"Label4(1)", "Form1", {3660, 0, 7770, 735}, u"Corvale קורבלה", true},
    {"Label4(0)", "Form1", {3720, 0, 7770, 735}, u"Corvale קורבלה", true},
    {"pic1", "Form1", {5760, 2760, 615, 495}, nullptr, true},
    {"Command6", "Frame1", {360, 3600, 1575, 375}, u"Try  נסיון", false},
    {"Command1", "Frame1", {360, 3120, 1575, 375}, u"A  to  Z", true},
    {"Command3(3)", "Frame1", {360, 960, 735, 255}, u"EISH", true},
    {"Command3(1)", "Frame1", {360, 1320, 735, 255}, u"TMO", true},
    {"Command3(4)", "Frame1", {360, 1680, 735, 255}, u"WG", true},
    {"Command3(0)", "Frame1", {360, 2040, 735, 255}, u"AUV", true},
    {"Command3(2)", "Frame1", {360, 2400, 735, 255}, u"NDB", true},
    {"Command3(5)", "Frame1", {360, 2760, 735, 255}, u"KR", true},
    {"Command3(6)", "Frame1", {1200, 960, 735, 255}, u"PX", true},
    {"Command3(9)", "Frame1", {1200, 1320, 735, 255}, u"NA", true},
    {"Command3(8)", "Frame1", {1200, 1680, 735, 255}, u"DU", true},
    {"Command3(7)", "Frame1", {1200, 2040, 735, 255}, u"YQ", true},
    {"Command3(10)", "Frame1", {1200, 2400, 735, 255}, u"LF", true},
    {"Command3(12)", "Frame1", {1200, 2760, 735, 255}, u"ZJC", true},
    {"Label10(0)", "Frame1", {120, 960, 135, 255}, u"1", true},
    {"Label10(5)", "Frame1", {120, 2760, 135, 255}, u"6", true},
    {"Label10(6)", "Frame1", {2040, 960, 255, 255}, u"7", true},
    {"Label10(10)", "Frame1", {2040, 2400, 255, 255}, u"11", true},
    {"Label10(11)", "Frame1", {1920, 2760, 375, 255}, u"12", true},
    {"Image2", "Frame1", {240, 240, 345, 315}, nullptr, true},
    {"Label8", "Frame1", {240, 240, 1815, 311}, u"עזרה", true},
    {"Command5", "Frame2", {840, 240, 1095, 375}, u"Load העלה ", true},
    {"Label3(4)", "Frame2", {600, 720, 735, 255}, u"אור", true},
    {"Label3(2)", "Frame2", {600, 960, 735, 255}, u"Light", true},
    {"Label3(3)", "Frame2", {1440, 720, 975, 255}, u"רקע", true},
    {"Label3(0)", "Frame2", {1440, 960, 975, 255}, u"background", true},
    {"Label9(0)", "Frame2", {1080, 1320, 255, 255}, u" ", true},
    {"Label9(3)", "Frame2", {720, 1320, 255, 255}, u" ", true},
    {"Label9(5)", "Frame2", {720, 2040, 255, 255}, u" ", true},
    {"Shape1(2)", "Frame2", {1080, 2040, 255, 255}, nullptr, true},
    {"Label1(0)", "Frame2", {1560, 1320, 255, 255}, u"", true},
    {"Label1(5)", "Frame2", {2040, 2040, 255, 255}, u"", true},
    {"Label2(0)", "Frame2", {120, 2520, 735, 375}, u"WPM", true},
    {"Combo1", "Frame2", {960, 2520, 855, 315}, nullptr, true},
    {"Label2(3)", "Frame2", {1800, 2520, 735, 375}, u"חמשיות בדקה", true},
    {"Label2(2)", "Frame2", {360, 3000, 495, 375}, u"דקות", true},
    {"Text2", "Frame2", {960, 3000, 855, 285}, u"3", true},
    {"Label2(1)", "Frame2", {1920, 3120, 735, 375}, u"min.", true},
    {"Label3(1)", "Frame2", {120, 3720, 2415, 255}, u"Light size  גודל האור", true},
    {"HScroll1", "Frame2", {120, 3960, 2415, 255}, nullptr, true},
    {"Command4", "Frame2", {840, 4560, 1095, 375}, u"Save שמור  ", true},
    {"Label6", "Frame2", {0, 5160, 2655, 255}, u"מוזמנים לבקר באתר קורבלה", true},
    {"Image3", "Frame2", {0, 5280, 345, 315}, nullptr, true},
    {"Label7", "Frame2", {0, 5400, 2655, 255}, nullptr, true},
};

QString captionOf(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return line->text();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(widget))
        return text->toPlainText();
    return QStringLiteral("<no caption>");
}

// The colour a control's text is painted in, and the one a colour value stands for now.
QColor textColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}
QColor shown(ColourValue value)
{
    return resolveColour(value, QApplication::palette());
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowItself();
    void controlsSitWhereTheyBelong_data();
    void controlsSitWhereTheyBelong();
    void lessonButtonsAreIndexedWithoutEleven();
    void coloursAndStyles();
    void lampIsACircleOfTheSmallerSide();
    void lampColourFollowsTheDesktopPalette();
    void focusOrder();
    void controlsOverlapInTheirStackingOrder();
    void accessKeysPressTheButtons();
    void picturesAreDrawn();
    void iconComesInAllSizesOnceTheWindowIsPainted();

private:
    std::unique_ptr<FakePlatform> m_platform;
    // Nothing is typed in these tests, so nothing is kept.
    PracticeSession m_session{QDir::tempPath()};
    std::unique_ptr<Form1> m_form;
};

void TestLayout::init()
{
    m_platform = std::make_unique<FakePlatform>();
    m_form = std::make_unique<Form1>(*m_platform, m_session);
}

void TestLayout::cleanup()
{
    m_form.reset();
    m_platform.reset();
}

void TestLayout::windowItself()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Morse"));
    QCOMPARE(m_form->size(), QSize(763, 488));
    QCOMPARE(backColour(m_form.get()), rgbColour(0x80, 0x80, 0x80));
    QCOMPARE(m_form->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
    QVERIFY(!m_form->windowIcon().isNull());
    QCOMPARE(control<QScrollBar>(*m_form, "HScroll1")->minimum(), 333);
    QCOMPARE(control<QScrollBar>(*m_form, "HScroll1")->maximum(), 2222);
    QCOMPARE(control<QScrollBar>(*m_form, "HScroll1")->value(), 555);
    QCOMPARE(control<QScrollBar>(*m_form, "HScroll1")->singleStep(), 10);
    QCOMPARE(control<QScrollBar>(*m_form, "HScroll1")->pageStep(), 100);
    QVERIFY(!control<QScrollBar>(*m_form, "HScroll1")->hasTracking());
    QCOMPARE(control<ClickLabel>(*m_form, "Label7")->text(), publisherDomain());
}

void TestLayout::controlsSitWhereTheyBelong_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(layout)); ++i)
        QTest::newRow(layout[i].name) << i;
}

void TestLayout::controlsSitWhereTheyBelong()
{
    QFETCH(int, row);
    const Expected &expected = layout[row];
    const auto *widget = m_form->findChild<QWidget *>(QLatin1String(expected.name));
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), QLatin1String(expected.parent));
    if (const auto *circle = qobject_cast<const CircleShape *>(widget)) {
        QCOMPARE(circle->Left(), float(expected.box.left));
        QCOMPARE(circle->Top(), float(expected.box.top));
        QCOMPARE(circle->Width(), float(expected.box.width));
        QCOMPARE(circle->Height(), float(expected.box.height));
    } else {
        QCOMPARE(widget->geometry(), expected.box.toPixels());
    }
    if (expected.caption)
        QCOMPARE(captionOf(widget), QString::fromUtf16(expected.caption));
    QCOMPARE(!widget->isHidden(), expected.visible);
}

void TestLayout::lessonButtonsAreIndexedWithoutEleven()
{
    QStringList members;
    for (const QPushButton *button : m_form->findChildren<QPushButton *>()) {
        if (button->objectName().startsWith(QStringLiteral("Command3(")))
            members << button->objectName();
    }
    members.sort();
    QCOMPARE(members, (QStringList{QStringLiteral("Command3(0)"), QStringLiteral("Command3(1)"),
                                   QStringLiteral("Command3(10)"), QStringLiteral("Command3(12)"),
                                   QStringLiteral("Command3(2)"), QStringLiteral("Command3(3)"),
                                   QStringLiteral("Command3(4)"), QStringLiteral("Command3(5)"),
                                   QStringLiteral("Command3(6)"), QStringLiteral("Command3(7)"),
                                   QStringLiteral("Command3(8)"), QStringLiteral("Command3(9)")}));
    QCOMPARE(control<QPushButton>(*m_form, "Command3", 12)->text(), QStringLiteral("ZJC"));
    QCOMPARE(m_form->findChild<QWidget *>(QStringLiteral("Command3(11)")), nullptr);
}

void TestLayout::coloursAndStyles()
{
    QCOMPARE(control<QFrame>(*m_form, "Frame1")->frameShape(), QFrame::NoFrame);
    QCOMPARE(control<QFrame>(*m_form, "Frame2")->frameShape(), QFrame::NoFrame);
    QCOMPARE(backColour(control<QFrame>(*m_form, "Frame2")), rgbColour(0x80, 0x80, 0x80));
    QCOMPARE(backColour(control<CircleShape>(*m_form, "pic1")), SystemColour::WindowBackground);

    QCOMPARE(textColour(control<QLabel>(*m_form, "Label4", 1)), shown(SystemColour::HighlightText));
    QCOMPARE(textColour(control<QLabel>(*m_form, "Label4", 0)), shown(SystemColour::ButtonText));
    for (const QLabel *banner :
         {control<QLabel>(*m_form, "Label4", 0), control<QLabel>(*m_form, "Label4", 1)}) {
        QVERIFY(!banner->autoFillBackground());
        QVERIFY(banner->font().bold());
        QCOMPARE(QFontInfo(banner->font()).family(), QStringLiteral("Aharoni CLM"));
        QCOMPARE(banner->font().pixelSize(), 64); // 48 points
    }
    for (const int index : {0, 1, 2, 3, 4}) {
        QCOMPARE(textColour(control<QLabel>(*m_form, "Label3", index)),
                 shown(SystemColour::HighlightText));
        QVERIFY(control<QLabel>(*m_form, "Label3", index)->alignment() & Qt::AlignHCenter);
    }
    for (const ClickLabel *link :
         {control<ClickLabel>(*m_form, "Label6"), control<ClickLabel>(*m_form, "Label7"),
          control<ClickLabel>(*m_form, "Label8")}) {
        QCOMPARE(backColour(link), SystemColour::ActiveCaptionText);
        QCOMPARE(textColour(link), shown(SystemColour::Highlight));
        QVERIFY(link->autoFillBackground());
        QVERIFY(link->font().underline());
        QVERIFY(link->alignment() & Qt::AlignHCenter);
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
    }
    const ColourValue lamps[] = {12632319, 8421631, 255, -2147483643, 8454143, 65535};
    const ColourValue backgrounds[] = {0, 4210752, 8421504, 12582912, 8421376, 4194368};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(backColour(control<CircleShape>(*m_form, "Shape1", i)), lamps[i]);
        QCOMPARE(backColour(control<ClickLabel>(*m_form, "Label1", i)), backgrounds[i]);
        QCOMPARE(control<ClickLabel>(*m_form, "Label1", i)->frameShape(), QFrame::Box);
        QCOMPARE(control<ClickLabel>(*m_form, "Label9", i)->geometry(),
                 control<CircleShape>(*m_form, "Shape1", i)->geometry());
        QVERIFY(!control<ClickLabel>(*m_form, "Label9", i)->autoFillBackground());
    }
    QCOMPARE(control<QPushButton>(*m_form, "Command1")->font().pixelSize(), 16); // 12 points
    QVERIFY(control<QPushButton>(*m_form, "Command1")->font().bold());
}

void TestLayout::lampIsACircleOfTheSmallerSide()
{
    const QImage image = m_form->grab().toImage();
    const QColor white = QApplication::palette().color(QPalette::Base);
    const QColor grey(0x80, 0x80, 0x80);
    // The box is 41 x 33 pixels at (384, 184); the circle is 33 across, centred in it.
    QCOMPARE(image.pixelColor(384 + 20, 184 + 16), white);
    QCOMPARE(image.pixelColor(384 + 5, 184 + 16), white);
    QCOMPARE(image.pixelColor(384 + 2, 184 + 16), grey);  // left of the circle
    QCOMPARE(image.pixelColor(384 + 1, 184 + 1), grey);   // corner of the box
    QCOMPARE(image.pixelColor(384 + 20, 184 + 1), white); // top of the circle
    // The edge is antialiased: some pixel on it is neither grey nor white.
    bool blended = false;
    for (int x = 384; x < 384 + 10; ++x) {
        const QColor c = image.pixelColor(x, 184 + 8);
        blended = blended || (c != white && c != grey);
    }
    QVERIFY(blended);
}

void TestLayout::lampColourFollowsTheDesktopPalette()
{
    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::Base, QColor(10, 200, 30));
    QApplication::setPalette(changed);
    QCoreApplication::processEvents();
    QCOMPARE(control<CircleShape>(*m_form, "pic1")->palette().color(QPalette::Window),
             QColor(10, 200, 30));
    QCOMPARE(control<QFrame>(*m_form, "Frame2")->palette().color(QPalette::Window),
             QColor(0x80, 0x80, 0x80));
    QApplication::setPalette(original);
}

void TestLayout::focusOrder()
{
    const QList<QWidget *> expected{control<QPushButton>(*m_form, "Command2"),
                                    control<QPlainTextEdit>(*m_form, "Text1"),
                                    control<QPushButton>(*m_form, "Command3", 12),
                                    control<QPushButton>(*m_form, "Command3", 10),
                                    control<QPushButton>(*m_form, "Command3", 9),
                                    control<QPushButton>(*m_form, "Command3", 8),
                                    control<QPushButton>(*m_form, "Command3", 7),
                                    control<QPushButton>(*m_form, "Command3", 6),
                                    control<QPushButton>(*m_form, "Command3", 5),
                                    control<QPushButton>(*m_form, "Command3", 4),
                                    control<QPushButton>(*m_form, "Command3", 3),
                                    control<QPushButton>(*m_form, "Command3", 2),
                                    control<QPushButton>(*m_form, "Command3", 1),
                                    control<QPushButton>(*m_form, "Command3", 0),
                                    control<QLineEdit>(*m_form, "Text2"),
                                    control<QComboBox>(*m_form, "Combo1"),
                                    control<QScrollBar>(*m_form, "HScroll1"),
                                    control<QPushButton>(*m_form, "Command1"),
                                    control<QPushButton>(*m_form, "cmdStop"),
                                    control<QPushButton>(*m_form, "Command4"),
                                    control<QPushButton>(*m_form, "Command5")};
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(*m_form, "Command2"));
    QList<QWidget *> visited{QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        // The combo box's line edit takes the focus for it.
        if (focus && focus->parentWidget() == control<QComboBox>(*m_form, "Combo1"))
            focus = control<QComboBox>(*m_form, "Combo1");
        visited << focus;
    }
    QCOMPARE(visited, expected);
    // Labels, pictures and panels never take the focus.
    const QList<QWidget *> unfocusable{
        control<ClickLabel>(*m_form, "Label6"), control<ClickLabel>(*m_form, "Label1", 0),
        control<ClickLabel>(*m_form, "Label9", 0), control<QLabel>(*m_form, "Image1"),
        control<QFrame>(*m_form, "Frame1")};
    for (QWidget *widget : unfocusable)
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
}

void TestLayout::controlsOverlapInTheirStackingOrder()
{
    // Bottom first; where two controls overlap, the later one is drawn over the earlier.
    const auto stack = [](const QWidget *parent) {
        QStringList names;
        for (const QObject *child : parent->children())
            if (child->isWidgetType() && !child->objectName().isEmpty())
                names << child->objectName();
        return names;
    };
    QCOMPARE(stack(m_form.get()),
             QStringLiteral(
                 "cmdStop Frame2 Frame1 Text1 Command2 Label11 Label4(1) Label4(0) "
                 "pic1 checkCopyButton progressButton optionsButton "
                 "weakLettersButton textRunButton drillButton keyingButton typingHint drillPrompt "
                 "keyingPrompt keyingRead lampOutline Image1")
                 .split(u' '));
    const QStringList settings = stack(control<QFrame>(*m_form, "Frame2"));
    const auto below = [&settings](const char *lower, const char *upper) {
        return settings.indexOf(QLatin1String(lower)) + 1 == settings.indexOf(QLatin1String(upper));
    };
    // The speed box reaches a pixel under the caption beside it.
    QVERIFY(below("Label2(0)", "Combo1"));
    QVERIFY(below("Combo1", "Label2(3)"));
    QVERIFY(below("Label2(2)", "Text2"));
    QVERIFY(below("Text2", "Label2(1)"));
    QCOMPARE(settings.last(), QStringLiteral("Label9(5)"));
}

void TestLayout::accessKeysPressTheButtons()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QSignalSpy stop(control<QPushButton>(*m_form, "cmdStop"), &QPushButton::clicked);
    QSignalSpy exit(control<QPushButton>(*m_form, "Command2"), &QPushButton::clicked);
    // A pressed access key animates the button and clicks it a moment later.
    QTest::keyClick(m_form.get(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(stop.count(), 1);
    QCOMPARE(exit.count(), 0);
    QTest::keyClick(m_form.get(), Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(exit.count(), 1);
    QCOMPARE(stop.count(), 1);
}

void TestLayout::picturesAreDrawn()
{
    QCOMPARE(control<QLabel>(*m_form, "Image1")->pixmap().size(), QSize(14, 24));
    QCOMPARE(control<QLabel>(*m_form, "Image2")->pixmap().size(), QSize(32, 32));
    QCOMPARE(control<QLabel>(*m_form, "Image3")->pixmap().size(), QSize(32, 32));
    QVERIFY(control<QLabel>(*m_form, "Image2")->hasScaledContents());
    QVERIFY(!control<QLabel>(*m_form, "Image1")->hasScaledContents());

    // The program keeps its pictures as pixels made at build time; they must show exactly
    // what the drawings do, to the last bit of every pixel.
    const auto drawn = [](const char *name) {
        return QImage(QStringLiteral(BLINKET_PICTURES_DIR "/%1.png").arg(QLatin1String(name)))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const auto shown = [](const QPixmap &pixmap) {
        return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    QCOMPARE(shown(control<QLabel>(*m_form, "Image1")->pixmap()), drawn("hourglass"));
    QCOMPARE(shown(control<QLabel>(*m_form, "Image2")->pixmap()), drawn("lifering"));
    QCOMPARE(shown(control<QLabel>(*m_form, "Image3")->pixmap()), drawn("beermug"));
    QCOMPARE(shown(control<ClickLabel>(*m_form, "Label8")->cursor().pixmap()),
             drawn("pointinghand"));
    for (const int size : {16, 32, 48, 64}) {
        const QImage icon = shown(m_form->windowIcon().pixmap(size));
        QCOMPARE(icon, drawn(QStringLiteral("blinket-%1").arg(size).toLatin1().constData()));
    }
}

void TestLayout::iconComesInAllSizesOnceTheWindowIsPainted()
{
    const QList<QSize> small{{16, 16}, {32, 32}, {48, 48}, {64, 64}};
    const QList<QSize> all = small + QList<QSize>{{128, 128}, {256, 256}};
    QCOMPARE(m_form->windowIcon().availableSizes(), small);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QTRY_COMPARE(m_form->windowIcon().availableSizes(), all);
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"

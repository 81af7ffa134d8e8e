// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/lessons.h"
#include "ui/fonts.h"
#include "ui/main/colours.h"
#include "ui/main/fontconfiguration.h"
#include "ui/main/form1.h"
#include "ui/main/owndirectionbutton.h"
#include "ui/main/pictures.h"
#include "ui/main/publisher.h"
#include "ui/main/twips.h"

#include <algorithm>

namespace blinket {

namespace {

void place(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(TwipsRect{left, top, width, height}.toPixels());
}

QFrame *panel(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setAutoFillBackground(true);
    return frame;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *widget = new OwnDirectionButton(caption, parent);
    widget->setObjectName(name);
    widget->setAutoDefault(false);
    return widget;
}

template <typename Label = QLabel>
Label *label(QWidget *parent, const QString &name, const QString &caption,
             Qt::Alignment horizontal = Qt::AlignLeft)
{
    auto *widget = new Label(caption, parent);
    widget->setObjectName(name);
    // Captions start at the top of their box, and wrap only where they must.
    widget->setAlignment(horizontal | Qt::AlignTop);
    widget->setWordWrap(true);
    widget->setTextFormat(Qt::PlainText);
    return widget;
}

void headingStyle(QLabel *widget)
{
    setForeColour(widget, SystemColour::HighlightText);
    widget->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void linkStyle(ClickLabel *widget, const QCursor &hand)
{
    widget->setAutoFillBackground(true);
    setBackColour(widget, SystemColour::ActiveCaptionText);
    setForeColour(widget, SystemColour::Highlight);
    widget->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    widget->setFont(storedFont(QStringLiteral("MS Sans Serif"), 8.25, false, true));
    widget->setCursor(hand);
}

QLabel *picture(QWidget *parent, const QString &name, const QPixmap &image, bool stretched)
{
    auto *widget = new QLabel(parent);
    widget->setObjectName(name);
    widget->setPixmap(image);
    widget->setScaledContents(stretched);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return widget;
}

QString indexed(const char *group, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index);
}

// Where each lesson's button and number stand, by lesson number; the buttons' captions and
// indexes come from the lessons themselves.
struct LessonPlace
{
    int left;
    int top;
    int tab;
};

constexpr std::array<LessonPlace, lessonCount> lessonPlaces{{
    {360, 960, 13},
    {360, 1320, 15},
    {360, 1680, 12},
    {360, 2040, 16},
    {360, 2400, 14},
    {360, 2760, 11},
    {1200, 960, 10},
    {1200, 1320, 7},
    {1200, 1680, 8},
    {1200, 2040, 9},
    {1200, 2400, 6},
    {1200, 2760, 5},
}};

const LessonPlace &placeOf(const Lesson &lesson)
{
    return lessonPlaces[std::size_t(lesson.number - 1)];
}

struct PaletteSpot
{
    int left;
    int top;
    ColourValue colour;
};

constexpr std::array<PaletteSpot, 6> lampColours{{
    {1080, 1320, rgbColour(0xFF, 0xC0, 0xC0)},
    {1080, 1680, rgbColour(0xFF, 0x80, 0x80)},
    {1080, 2040, rgbColour(0xFF, 0x00, 0x00)},
    {720, 1320, SystemColour::WindowBackground},
    {720, 1680, rgbColour(0xFF, 0xFF, 0x80)},
    {720, 2040, rgbColour(0xFF, 0xFF, 0x00)},
}};

constexpr std::array<PaletteSpot, 6> backgroundColours{{
    {1560, 1320, rgbColour(0x00, 0x00, 0x00)},
    {1560, 1680, rgbColour(0x40, 0x40, 0x40)},
    {1560, 2040, rgbColour(0x80, 0x80, 0x80)},
    {2040, 1320, rgbColour(0x00, 0x00, 0xC0)},
    {2040, 1680, rgbColour(0x00, 0x80, 0x80)},
    {2040, 2040, rgbColour(0x40, 0x00, 0x40)},
}};

} // namespace

void Form1::buildControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morse"));
    // Its places and bilingual captions are fixed, whatever direction the desktop's language
    // gives the other windows.
    setLayoutDirection(Qt::LeftToRight);
    setProgramIcon(this);
    setFont(dialogFont());
    setFixedSize(TwipsRect{0, 0, 11445, 7320}.toPixels().size());
    setAutoFillBackground(true);
    setBackColour(this, rgbColour(0x80, 0x80, 0x80));

    // Controls on the window, bottom of the stack first.
    cmdStop = button(this, QStringLiteral("cmdStop"), QStringLiteral("&Stop עצור "));
    place(cmdStop, 120, 6480, 1215, 375);

    Frame2 = panel(this, QStringLiteral("Frame2"));
    place(Frame2, 8880, 720, 2775, 5655);
    setBackColour(Frame2, rgbColour(0x80, 0x80, 0x80));

    Frame1 = panel(this, QStringLiteral("Frame1"));
    place(Frame1, 120, 120, 2415, 4095);
    setBackColour(Frame1, SystemColour::ButtonFace);

    // The first control that measures text, as its constructor lays out the empty page.
    waitForFontConfiguration();
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setTabChangesFocus(true);
    place(Text1, 120, 4920, 8535, 1455);

    Command2 = button(this, QStringLiteral("Command2"), QStringLiteral("E&xit  סיום"));
    place(Command2, 120, 6960, 1215, 375);

    Label11 = label(this, QStringLiteral("Label11"), QStringLiteral("Ver 1.2"));
    place(Label11, 10800, 7080, 735, 255);

    for (const int index : {1, 0}) {
        QLabel *banner = label(this, indexed("Label4", index), QStringLiteral("Corvale קורבלה"));
        banner->setWordWrap(false);
        banner->setFont(storedFont(QStringLiteral("Aharoni"), 48, true));
        place(banner, index == 1 ? 3660 : 3720, 0, 7770, 735);
        Label4[index] = banner;
    }
    setForeColour(Label4[1], SystemColour::HighlightText);
    setForeColour(Label4[0], SystemColour::ButtonText);

    pic1 = new LampShape([this] { return m_platform.steadySeconds(); }, this);
    pic1->setObjectName(QStringLiteral("pic1"));
    pic1->setBox({5760, 2760, 615, 495});
    setBackColour(pic1, SystemColour::WindowBackground);

    Image1 = picture(this, QStringLiteral("Image1"), hourglassPicture(), false);
    place(Image1, 6000, 2760, 210, 360);
    Image1->hide();

    // The letter-training panel.
    const QCursor hand = pointingHandCursor();
    Command6 = button(Frame1, QStringLiteral("Command6"), QStringLiteral("Try  נסיון"));
    place(Command6, 360, 3600, 1575, 375);
    Command6->hide();

    Command1 = button(Frame1, QStringLiteral("Command1"), QStringLiteral("A  to  Z"));
    Command1->setFont(storedFont(QStringLiteral("MS Sans Serif"), 12, true));
    Command1->setToolTip(QStringLiteral("START"));
    place(Command1, 360, 3120, 1575, 375);

    for (const Lesson &lesson : lessons) {
        const LessonPlace &spot = placeOf(lesson);
        QPushButton *start = button(Frame1, indexed("Command3", lesson.index),
                                    QStringView(lesson.letters).toString());
        start->setToolTip(QStringLiteral("START"));
        place(start, spot.left, spot.top, 735, 255);
        Command3[lesson.index] = start;

        const bool leftColumn = lesson.number <= 6;
        QLabel *number =
            label(Frame1, indexed("Label10", lesson.number - 1), QString::number(lesson.number),
                  leftColumn ? Qt::AlignLeft : Qt::AlignRight);
        number->setWordWrap(false);
        if (leftColumn)
            place(number, 120, spot.top, 135, 255);
        else if (lesson.number == lessonCount)
            place(number, 1920, spot.top, 375, 255);
        else
            place(number, 2040, spot.top, 255, 255);
        Label10[std::size_t(lesson.number - 1)] = number;
    }

    Label8 = label<ClickLabel>(Frame1, QStringLiteral("Label8"), QStringLiteral("עזרה"));
    linkStyle(Label8, hand);
    place(Label8, 240, 240, 1815, 311);

    Image2 = picture(Frame1, QStringLiteral("Image2"), lifeRingPicture(), true);
    place(Image2, 240, 240, 345, 315);

    // The settings panel.
    Command5 = button(Frame2, QStringLiteral("Command5"), QStringLiteral("Load העלה "));
    place(Command5, 840, 240, 1095, 375);

    struct Heading
    {
        int index;
        const char16_t *caption;
        int left;
        int top;
        int width;
    };
    for (const Heading &heading : std::initializer_list<Heading>{
             {4, u"אור", 600, 720, 735},
             {2, u"Light", 600, 960, 735},
             {3, u"רקע", 1440, 720, 975},
             {0, u"background", 1440, 960, 975},
         }) {
        QLabel *widget =
            label(Frame2, indexed("Label3", heading.index), QString::fromUtf16(heading.caption));
        headingStyle(widget);
        place(widget, heading.left, heading.top, heading.width, 255);
        Label3[heading.index] = widget;
    }

    for (int i = 0; i < 6; ++i) {
        const PaletteSpot &spot = lampColours[i];
        Shape1[i] = new CircleShape(Frame2);
        Shape1[i]->setObjectName(indexed("Shape1", i));
        Shape1[i]->setBox({double(spot.left), double(spot.top), 255, 255});
        setBackColour(Shape1[i], spot.colour);

        Label9[i] = label<ClickLabel>(Frame2, indexed("Label9", i), QStringLiteral(" "));
        place(Label9[i], spot.left, spot.top, 255, 255);
    }

    for (int i = 0; i < 6; ++i) {
        const PaletteSpot &spot = backgroundColours[i];
        Label1[i] = label<ClickLabel>(Frame2, indexed("Label1", i), QString());
        Label1[i]->setFrameShape(QFrame::Box);
        Label1[i]->setLineWidth(1);
        Label1[i]->setAutoFillBackground(true);
        setBackColour(Label1[i], spot.colour);
        place(Label1[i], spot.left, spot.top, 255, 255);
    }

    Label2[0] = label(Frame2, QStringLiteral("Label2(0)"), QStringLiteral("WPM"));
    Label2[0]->setFont(storedFont(QStringLiteral("MS Sans Serif"), 12));
    place(Label2[0], 120, 2520, 735, 375);

    Combo1 = new QComboBox(Frame2);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setEditText(QStringLiteral("4"));
    place(Combo1, 960, 2520, 855, 315);

    Label2[3] =
        label(Frame2, QStringLiteral("Label2(3)"), QStringLiteral("חמשיות בדקה"), Qt::AlignRight);
    place(Label2[3], 1800, 2520, 735, 375);

    Label2[2] = label(Frame2, QStringLiteral("Label2(2)"), QStringLiteral("דקות"));
    Label2[2]->setFont(storedFont(QStringLiteral("MS Sans Serif"), 9.75));
    place(Label2[2], 360, 3000, 495, 375);

    Text2 = new QLineEdit(QStringLiteral("3"), Frame2);
    Text2->setObjectName(QStringLiteral("Text2"));
    place(Text2, 960, 3000, 855, 285);

    Label2[1] = label(Frame2, QStringLiteral("Label2(1)"), QStringLiteral("min."));
    Label2[1]->setFont(storedFont(QStringLiteral("MS Sans Serif"), 9.75));
    place(Label2[1], 1920, 3120, 735, 375);
    for (QLabel *caption : Label2)
        setForeColour(caption, SystemColour::HighlightText);

    Label3[1] = label(Frame2, QStringLiteral("Label3(1)"), QStringLiteral("Light size  גודל האור"));
    headingStyle(Label3[1]);
    place(Label3[1], 120, 3720, 2415, 255);

    HScroll1 = new QScrollBar(Qt::Horizontal, Frame2);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(333, 2222);
    HScroll1->setValue(555);
    HScroll1->setSingleStep(10);
    HScroll1->setPageStep(100);
    // The lamp follows a dragged thumb only when it is released.
    HScroll1->setTracking(false);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    place(HScroll1, 120, 3960, 2415, 255);

    Command4 = button(Frame2, QStringLiteral("Command4"), QStringLiteral("Save שמור  "));
    place(Command4, 840, 4560, 1095, 375);

    Label6 = label<ClickLabel>(Frame2, QStringLiteral("Label6"),
                               QStringLiteral("מוזמנים לבקר באתר קורבלה"));
    linkStyle(Label6, hand);
    place(Label6, 0, 5160, 2655, 255);

    Label7 = label<ClickLabel>(Frame2, QStringLiteral("Label7"), publisherDomain());
    linkStyle(Label7, hand);
    place(Label7, 0, 5400, 2655, 255);

    Image3 = picture(Frame2, QStringLiteral("Image3"), beerMugPicture(), true);
    place(Image3, 0, 5280, 345, 315);

    // Ours, in the free space between the letter-training panel and the results box: what
    // the learner read and the options in the first row, the runs of our own in the second.
    m_checkCopyButton =
        button(this, QStringLiteral("checkCopyButton"), QStringLiteral("&Check copy  בדיקת העתקה"));
    place(m_checkCopyButton, 120, 4245, 2415, 315);
    m_progressButton =
        button(this, QStringLiteral("progressButton"), QStringLiteral("&Progress  התקדמות"));
    place(m_progressButton, 2640, 4245, 2055, 315);
    m_optionsButton =
        button(this, QStringLiteral("optionsButton"), QStringLiteral("&Options…  אפשרויות"));
    place(m_optionsButton, 4800, 4245, 2055, 315);
    m_weakLettersButton = button(this, QStringLiteral("weakLettersButton"),
                                 QStringLiteral("&Weak letters  אותיות חלשות"));
    place(m_weakLettersButton, 120, 4590, 2415, 315);
    m_textRunButton =
        button(this, QStringLiteral("textRunButton"), QStringLiteral("&Text run  טקסט"));
    place(m_textRunButton, 2640, 4590, 2055, 315);
    m_drillButton =
        button(this, QStringLiteral("drillButton"), QStringLiteral("&Message drill  תרגיל הודעה"));
    place(m_drillButton, 4800, 4590, 2640, 315);
    m_keyingButton = button(this, QStringLiteral("keyingButton"), QStringLiteral("&Keying  הקשה"));
    place(m_keyingButton, 6960, 4245, 1695, 315);
    // Between the lessons and the lamp, where even the largest lamp leaves room.
    m_typingHint = label(this, QStringLiteral("typingHint"),
                         QStringLiteral("<p>Type what you read during a run; your copy is "
                                        "checked at the end</p><p dir=\"rtl\" align=\"right\">"
                                        "הקלידו את מה שאתם קוראים במהלך השידור; ההעתקה נבדקת "
                                        "בסופו</p>"));
    m_typingHint->setTextFormat(Qt::RichText);
    setForeColour(m_typingHint, SystemColour::HighlightText);
    place(m_typingHint, 2640, 2400, 1935, 1755);

    // Shown during a message drill alone, in the desktop's language.
    m_drillPrompt = new QLabel(this);
    m_drillPrompt->setObjectName(QStringLiteral("drillPrompt"));
    m_drillPrompt->setAlignment(Qt::AlignCenter);
    m_drillPrompt->setTextFormat(Qt::PlainText);
    setForeColour(m_drillPrompt, SystemColour::HighlightText);
    m_drillPrompt->hide();

    // Shown during keying alone, in the desktop's language; what was read in a large font.
    m_keyingPrompt = new QLabel(this);
    m_keyingPrompt->setObjectName(QStringLiteral("keyingPrompt"));
    m_keyingRead = new QLabel(this);
    m_keyingRead->setObjectName(QStringLiteral("keyingRead"));
    for (QLabel *keying : {m_keyingPrompt, m_keyingRead}) {
        keying->setAlignment(Qt::AlignCenter);
        keying->setTextFormat(Qt::PlainText);
        setForeColour(keying, SystemColour::HighlightText);
        keying->hide();
    }
    m_keyingRead->setFont(headlineFont(m_keyingRead->font(), 1.6));
    m_lampOutline = new LampOutline(this);
    m_lampOutline->setObjectName(QStringLiteral("lampOutline"));
    m_lampOutline->hide();

    for (QLabel *caption : Label10)
        caption->raise();
    for (ClickLabel *target : Label9)
        target->raise();
    Image1->raise();
}

void Form1::setTabOrder()
{
    QList<QWidget *> order{Command2, Text1};
    auto byTab = lessons;
    std::ranges::sort(byTab, {}, [](const Lesson &lesson) { return placeOf(lesson).tab; });
    for (const Lesson &lesson : byTab)
        order.append(Command3.at(lesson.index));
    order += {Text2,
              Combo1,
              HScroll1,
              Command1,
              cmdStop,
              Command4,
              Command5,
              Command6,
              m_checkCopyButton,
              m_progressButton,
              m_optionsButton,
              m_weakLettersButton,
              m_textRunButton,
              m_drillButton,
              m_keyingButton};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

// The settings panel's handlers: the lamp's size and colour, the window's colour, and
// keeping them in the settings file.

#include "settings/settingserrors.h"
#include "settings/settingsfile.h"
#include "settings/settingsreader.h"
#include "settings/settingswriter.h"
#include "ui/main/arrowkeysteps.h"
#include "ui/main/colours.h"
#include "ui/main/focuswatcher.h"
#include "ui/main/form1.h"

namespace blinket {

namespace {

void setColour(QWidget *widget, ColourValue colour)
{
    if (!isValidColour(colour))
        throw invalidPropertyValue();
    setBackColour(widget, colour);
}

} // namespace

void Form1::connectSettings()
{
    // No tracking on the slider: a dragged thumb reports its value once, when released.
    connect(HScroll1, &QScrollBar::valueChanged, this,
            [this] { m_guard.run([this] { HScroll1_Change(); }); });
    new ArrowKeySteps(HScroll1);
    connect(new FocusWatcher(HScroll1), &FocusWatcher::focusIn, this,
            [this] { m_guard.run([this] { HScroll1_GotFocus(); }); });
    for (qint16 index = 0; index < qint16(Label1.size()); ++index) {
        connect(Label1[index], &ClickLabel::clicked, this,
                [this, index] { m_guard.run([this, index] { Label1_Click(index); }); });
    }
    for (qint16 index = 0; index < qint16(Label9.size()); ++index) {
        connect(Label9[index], &ClickLabel::clicked, this,
                [this, index] { m_guard.run([this, index] { Label9_Click(index); }); });
    }
    connect(Command4, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { Command4_Click(); }); });
    connect(Command5, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { Command5_Click(); }); });
}

void Form1::HScroll1_Change()
{
    const auto value = static_cast<qint16>(HScroll1->value());
    pic1->setWidth(static_cast<float>(value));
    pic1->setHeight(static_cast<float>(value));
    // The lamp is centred on the anchor; an odd size leaves it on a half twip.
    const float height = pic1->Height();
    pic1->setTop(static_cast<float>(m_state.AnchorTop - height / 2.0));
    const float width = pic1->Width();
    pic1->setLeft(static_cast<float>(m_state.AnchorLeft - width / 2.0));
    // A sky spans the room around the lamp, which grows and shrinks with it.
    if (pic1->light().sky != Sky::Own)
        update();
}

void Form1::HScroll1_GotFocus()
{
    pic1->setLit(true);
}

void Form1::Label1_Click(qint16 Index)
{
    setBackColour(this, backColour(Label1[Index]));
    setBackColour(Frame1, backColour(Label1[Index]));
    setBackColour(Frame2, backColour(Label1[Index]));
}

void Form1::Label9_Click(qint16 Index)
{
    // The colour value itself, so that a system colour keeps following the desktop.
    setBackColour(pic1, backColour(Shape1[Index]));
}

void Form1::Command4_Click()
{
    m_state.Speed = Combo1->currentText();
    writeSettingsFile(settingsFileName(),
                      {m_state.Speed, Text2->text(), static_cast<qint16>(HScroll1->value()),
                       backColour(pic1), backColour(this)});
}

void Form1::Command5_Click()
{
    // A file that is missing or cut short, or a value the window cannot take, ends the load
    // without a word; what came in before stays.
    loadSettingsFile(settingsFileName(), *this);
}

void Form1::setSpeed(const QString &text)
{
    m_state.Speed = text;
    Combo1->setEditText(m_state.Speed);
}

void Form1::setMinutes(const QString &text)
{
    Text2->setText(text);
}

void Form1::setLampSize(qint16 twips)
{
    // The slider would quietly clamp a value out of its range; the control refuses it.
    if (twips < HScroll1->minimum() || twips > HScroll1->maximum())
        throw invalidPropertyValue();
    HScroll1->setValue(twips);
}

void Form1::setLampColour(ColourValue colour)
{
    setColour(pic1, colour);
}

void Form1::setWindowColour(ColourValue colour)
{
    setColour(this, colour);
    setColour(Frame1, colour);
    setColour(Frame2, colour);
}

} // namespace blinket

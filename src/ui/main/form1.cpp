// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/form1.h"

#include "platform/numeric.h"
#include "ui/fonts.h"
#include "ui/main/colours.h"

#include <QEvent>

namespace blinket {

Form1::Form1(Platform &platform, PracticeSession &session, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_guard(m_messageBoxes, &platform),
      m_elements(*this, platform, m_state.Unit), m_runs(*this, m_elements, platform, m_state),
      m_session(session)
{
    installFontSubstitutions();
    buildControls();
    setTabOrder();
    connectRuns();
    connectSettings();
    connectExitAndLinks();
    connectPractice();
    connectOptions();
    Command2->setFocus();
    m_guard.run([this] { Form_Load(); });
}

void Form1::Form_Load()
{
    Combo1->addItem(QString::number(4));
    Combo1->addItem(QString::number(6));
    Combo1->addItem(QString::number(8));
    Combo1->setEditText(QStringLiteral("4"));
    // Seeded from the time of day, so that every start sends other letters.
    m_platform.Randomize(m_platform.Timer());
    setBackColour(Frame1, backColour(this));
    setBackColour(Frame2, backColour(this));
    Text1->setPlainText(QStringLiteral("בתום השידור יפיעו כאן האותיות ששודרו"));
    m_state.AnchorTop = toInt16(pic1->Top());
    m_state.AnchorLeft = toInt16(pic1->Left());
}

Form1::~Form1() = default;

bool Form1::event(QEvent *event)
{
    if (event->type() == QEvent::ApplicationPaletteChange)
        refreshColours(this);
    return QWidget::event(event);
}

void Form1::setLit(bool lit)
{
    pic1->setVisible(lit);
}

} // namespace blinket

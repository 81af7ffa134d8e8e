// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/form1.h"

#include "platform/numeric.h"
#include "ui/colours.h"
#include "ui/fonts.h"

#include <QEvent>

namespace blinket {

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent), m_platform(platform),
      m_messageBoxes(std::make_unique<MessageBoxReporter>(this)),
      m_guard(*m_messageBoxes, &platform), m_elements(*this, platform, Unit),
      m_runs(*this, m_elements, platform, {Letter, Unit, Speed, RunMode, Running})
{
    installFontSubstitutions();
    buildControls();
    setTabOrder();
    connectRuns();
    connectSettings();
    connectExitAndLinks();
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
    setText1(QStringLiteral("בתום השידור יפיעו כאן האותיות ששודרו"));
    AnchorTop = toInt16(pic1->Top());
    AnchorLeft = toInt16(pic1->Left());
}

QString Form1::text1() const
{
    return Text1->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void Form1::setText1(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A run extends the text at every step; adding just the new end spares laying out the
    // whole text again while the lamp is timed.
    const QString current = Text1->toPlainText();
    if (!current.isEmpty() && shown.startsWith(current)) {
        QTextCursor end(Text1->document());
        end.movePosition(QTextCursor::End);
        end.insertText(shown.sliced(current.size()));
    } else {
        Text1->setPlainText(shown);
    }
    Text1->moveCursor(QTextCursor::End);
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

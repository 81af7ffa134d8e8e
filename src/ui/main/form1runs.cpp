// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/hebrewlessons.h"
#include "runs/lessons.h"
#include "signal/characters.h"
#include "ui/lampkeywatcher.h"
#include "ui/main/form1.h"
#include "ui/main/twips.h"
#include "ui/runcontroller.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace blinket {

QAction *Form1::runAction(QPushButton *button, const std::function<void()> &start)
{
    auto *action = new QAction(button->text(), this);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::triggered, this, [this, start] { m_guard.run(start); });
    return action;
}

void Form1::connectRuns()
{
    m_aToZAction = runAction(Command1, [this] { Command1_Click(); });
    // The speed check's button is never shown: no action starts it.
    connect(Command6, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { Command6_Click(); }); });
    for (const Lesson &lesson : lessons) {
        m_lessonActions[lesson.number] =
            runAction(Command3.at(lesson.index), [this, index = lesson.index] {
                m_runs->run({RunRequest::What::Lesson, index});
            });
    }
    // The Hebrew lessons have no buttons: the Progress window starts them by their kept number.
    for (const HebrewLesson &lesson : hebrewLessons) {
        const int number = keptLessonNumber(lesson);
        auto *action = new QAction(this);
        action->setObjectName(QStringLiteral("hebrewLesson%1").arg(lesson.number));
        connect(action, &QAction::triggered, this, [this, number] {
            m_guard.run([this, number] {
                m_runs->run({RunRequest::What::HebrewLesson, 0, number});
            });
        });
        m_lessonActions[number] = action;
    }
    m_weakLettersAction =
        runAction(m_weakLettersButton, [this] { m_runs->run({RunRequest::What::WeakLetters}); });
    m_textRunAction = runAction(m_textRunButton, [this] { m_runs->run({RunRequest::What::Text}); });
    m_drillAction = runAction(m_drillButton, [this] { m_runs->run({RunRequest::What::Drill}); });
    m_keyingAction = runAction(m_keyingButton, [this] { m_runs->run({RunRequest::What::Keying}); });
    connect(cmdStop, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { cmdStop_Click(); }); });
}

void Form1::Command1_Click()
{
    m_runs->run({RunRequest::What::AtoZ});
}

void Form1::Command6_Click()
{
    m_runs->run({RunRequest::What::SpeedCheck});
}

void Form1::cmdStop_Click()
{
    m_state.Running = 0;
}

void Form1::setControlVisible(Control control, bool visible)
{
    QWidget *widget = nullptr;
    switch (control) {
    case Control::Command2:
        widget = Command2;
        break;
    case Control::Image1:
        widget = Image1;
        break;
    case Control::Label4_0:
        widget = Label4[0];
        break;
    case Control::Label4_1:
        widget = Label4[1];
        break;
    case Control::Text1:
        if (visible)
            showPendingText1();
        widget = Text1;
        break;
    case Control::Frame1:
        // Our buttons below the panel come and go with it.
        for (QWidget *ours : std::initializer_list<QWidget *>{
                 m_checkCopyButton, m_progressButton, m_optionsButton, m_weakLettersButton,
                 m_textRunButton, m_drillButton, m_keyingButton, m_typingHint})
            ours->setVisible(visible);
        widget = Frame1;
        break;
    case Control::Frame2:
        widget = Frame2;
        break;
    case Control::pic1:
        // Under a light the lamp stays in place and its shutter closes or opens.
        pic1->setLit(visible);
        return;
    }
    widget->setVisible(visible);
}

void Form1::clearText1()
{
    m_pendingText1.clear();
    Text1->clear();
    if (m_text1Option) {
        Text1->document()->setDefaultTextOption(*m_text1Option);
        m_text1Option.reset();
    }
}

void Form1::appendToText1(const QString &text)
{
    m_pendingText1 += text;
    if (!Text1->isHidden())
        showPendingText1();
}

void Form1::showPendingText1()
{
    if (m_pendingText1.isEmpty())
        return;
    QString shown = m_pendingText1;
    m_pendingText1.clear();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A run of Hebrew letters reads from the right: each line takes the direction of its own
    // text (the groups in Hebrew order, the seconds under them as written), all at the right.
    if (!m_text1Option && holdsHebrewLetters(shown)) {
        QTextDocument &document = *Text1->document();
        m_text1Option = document.defaultTextOption();
        QTextOption option = *m_text1Option;
        option.setTextDirection(Qt::LayoutDirectionAuto);
        option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        document.setDefaultTextOption(option);
    }
    QTextCursor end(Text1->document());
    end.movePosition(QTextCursor::End);
    end.insertText(shown);
    Text1->moveCursor(QTextCursor::End);
}

QString Form1::combo1Text() const
{
    return Combo1->currentText();
}

QString Form1::text2Text() const
{
    return Text2->text();
}

void Form1::showDrillStep(const DrillStep &step)
{
    using Kind = DrillStep::Kind;
    QString text;
    switch (step.kind) {
    case Kind::None:
        m_drillPrompt->hide();
        return;
    case Kind::Call:
        text = step.keyed ? tr("Answer the call: key T, or Enter") : tr("Answer the call: Enter");
        break;
    case Kind::Identity:
        if (step.keyed)
            text = step.exam ? tr("Key the identity back, or type it and key T")
                             : tr("Key the identity back, or type it and key T; Ctrl+R repeats");
        else
            text = step.exam ? tr("Type the identity, then Enter")
                             : tr("Type the identity, then Enter; Ctrl+R repeats");
        break;
    case Kind::Group:
        if (step.keyed)
            text = step.words ? tr("Word %1 of %2: type it, then key T; Ctrl+R repeats")
                              : tr("Group %1 of %2: type it, then key T; Ctrl+R repeats");
        else
            text = step.words ? tr("Word %1 of %2: type it, then Enter; Ctrl+R repeats")
                              : tr("Group %1 of %2: type it, then Enter; Ctrl+R repeats");
        text = text.arg(step.group).arg(step.groups);
        break;
    case Kind::ExamGroup:
        text = (step.words ? tr("Word %1 of %2, sent twice: type as you read")
                           : tr("Group %1 of %2, sent twice: type as you read"))
                   .arg(step.group)
                   .arg(step.groups);
        break;
    case Kind::Ending:
        if (step.keyed)
            text = step.exam ? tr("End of message: finish your copy, then key R")
                             : tr("End of message: key R, or Enter");
        else
            text = step.exam ? tr("End of message: finish your copy, then Enter")
                             : tr("End of message: Enter");
        break;
    }
    m_drillPrompt->setText(text);
    // Under the lamp, whatever its size, across the window.
    const QRect lamp = pic1->geometry();
    const int height = m_drillPrompt->sizeHint().height();
    m_drillPrompt->setGeometry(0, lamp.bottom() + height, width(), height);
    m_drillPrompt->show();
}

void Form1::showKeying(const QString &prompt, const QString &read)
{
    if (prompt.isEmpty()) {
        m_keyingPrompt->hide();
        m_keyingRead->hide();
        m_lampOutline->hide();
        return;
    }
    m_keyingPrompt->setText(tr("Send: %1").arg(prompt) + u'\n' +
                            tr("Hold %1 or the mouse on the lamp to light it; Enter when done")
                                .arg(m_lampKey->keyName()));
    // A space keeps the line's height before anything is read.
    m_keyingRead->setText(read.isEmpty() ? QStringLiteral(" ") : read);
    // Above the lamp, whatever its size, across the window; below it when it leaves no room.
    const QRect lamp = pic1->geometry();
    const int promptHeight = m_keyingPrompt->sizeHint().height();
    const int readHeight = m_keyingRead->sizeHint().height();
    int top = lamp.top() - promptHeight - readHeight;
    if (top < 0)
        top = lamp.bottom() + 1;
    m_keyingPrompt->setGeometry(0, top, width(), promptHeight);
    m_keyingRead->setGeometry(0, top + promptHeight, width(), readHeight);
    m_keyingPrompt->show();
    m_keyingRead->show();
    m_lampOutline->setGeometry(lamp);
    // Under a light the lamp paints its own dark (or a mere point), so the faint ring goes over it.
    if (pic1->light().clear())
        m_lampOutline->stackUnder(pic1);
    else
        m_lampOutline->raise();
    m_lampOutline->show();
}

} // namespace blinket

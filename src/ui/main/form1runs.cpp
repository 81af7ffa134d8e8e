// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "ui/main/form1.h"

#include "runs/lessons.h"

namespace blinket {

void Form1::connectRuns()
{
    connect(Command1, &QPushButton::clicked, this,
            [this] { startRun([this] { Command1_Click(); }, RunRecord{}); });
    // The speed check sends PARIS, not letters to read: nothing typed then is kept.
    connect(Command6, &QPushButton::clicked, this,
            [this] { startRun([this] { Command6_Click(); }); });
    for (const auto &[index, button] : Command3) {
        RunRecord lesson;
        lesson.kind = RunKind::Lesson;
        lesson.lesson = lessonAt(index)->number;
        connect(button, &QPushButton::clicked, this, [this, index, lesson] {
            startRun([this, index] { m_runs.Command3_Click(index); }, lesson);
        });
    }
    connect(cmdStop, &QPushButton::clicked, this,
            [this] { m_guard.run([this] { cmdStop_Click(); }); });
}

void Form1::Command1_Click()
{
    m_state.RunMode = 0;
    m_runs.RunDrill();
}

void Form1::Command6_Click()
{
    m_state.RunMode = 1;
    m_runs.RunDrill();
}

void Form1::cmdStop_Click()
{
    m_state.Running = 0;
}

void Form1::startRun(const std::function<void()> &handler, std::optional<RunRecord> letterRun)
{
    // The speed check shows the whole window while it sends; a second run started from there
    // would tangle both in one results box.
    if (m_runUnderWay)
        return;
    m_runUnderWay = true;
    hidePracticeWindows();
    const Options options = currentOptions();
    if (letterRun)
        beginCopy(*letterRun, runCharacters(letterRun->kind, options));
    bool failed = false;
    m_guard.run(handler, [this, &failed] {
        failed = true;
        // Collecting ends before the error is told: a key pressed to close the message is
        // the message's.
        m_copyCollector->stop();
        m_runs.restoreAfterError();
    });
    const bool completed = !failed && !m_platform.endRequested();
    // A run ends without looking at events after its last letter; keys typed while that
    // letter was sent still belong to its copy.
    if (letterRun && completed)
        m_guard.run([this] { m_platform.processEvents(); });
    m_runUnderWay = false;
    if (letterRun)
        endCopy(completed && !m_platform.endRequested());
    if (!m_platform.endRequested())
        showPracticeWindowsAgain();
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
                 m_textRunButton, m_drillButton, m_typingHint})
            ours->setVisible(visible);
        widget = Frame1;
        break;
    case Control::Frame2:
        widget = Frame2;
        break;
    case Control::pic1:
        widget = pic1;
        break;
    }
    widget->setVisible(visible);
}

void Form1::clearText1()
{
    m_pendingText1.clear();
    Text1->clear();
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

} // namespace blinket

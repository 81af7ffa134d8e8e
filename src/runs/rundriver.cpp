// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/rundriver.h"

#include "platform/numeric.h"
#include "runs/grouppause.h"
#include "runs/groupsize.h"
#include "runs/lessons.h"

#include <cmath>

namespace blinket {

namespace {

// The speed check pauses between its words for one long pause.
constexpr double tryWordPauseUnits = 4.0;

} // namespace

void RunDriver::RunDrill()
{
    RunDrill(evenChoice(QString()));
}

void RunDriver::RunDrill(const LetterChoice &choice)
{
    WindowState &state = m_sender.state();
    m_sender.startRun(state.RunMode == 1 ? tryWordPauseUnits : randomRunGapPauses * gapPauseUnits);
    if (state.RunMode == 0) {
        Platform &platform = m_sender.platform();
        sendLetters([&platform, &choice] { return QString(choice(platform.Rnd())); },
                    randomRunGapPauses);
    }
    m_sender.restoreWindow();
    if (state.RunMode == 1)
        sendTryWords();
    m_sender.writeResultLine();
}

void RunDriver::Command3_Click(qint16 Index)
{
    const std::optional<Lesson> lesson = lessonAt(Index);
    if (lesson)
        sendLesson(lesson->letters);
}

void RunDriver::sendLesson(QStringView group)
{
    if (group.isEmpty())
        return;
    RunView &view = m_sender.view();
    view.setControlVisible(RunView::Control::Image1, true);
    m_sender.state().Running = 1;
    view.setControlVisible(RunView::Control::Command2, false);
    m_sender.hideBannersResultsAndPanels();
    view.setControlVisible(RunView::Control::pic1, false);
    // The lead-in runs on the unit of the run before; the first one after start-up is empty.
    m_sender.leadIn();
    view.setControlVisible(RunView::Control::Image1, false);
    m_sender.computeUnit(lessonGapPauses * gapPauseUnits);
    m_sender.startClock();

    Platform &platform = m_sender.platform();
    sendLetters(
        [&platform, group] {
            const double draw = std::floor(double(platform.Rnd()) * double(group.size()) + 1.0);
            return group.mid(toInt16(draw) - 1, 1).toString();
        },
        lessonGapPauses);
    m_sender.writeResultLine();
    m_sender.restoreWindow();
}

void RunDriver::sendLetters(const std::function<QString()> &drawLetter, int gapPauses)
{
    WindowState &state = m_sender.state();
    qint16 groupCounter = 1;
    while (m_sender.anotherStep()) {
        state.Letter = drawLetter();
        // Every sixth step keeps the lamp dark instead, and drops the letter it drew.
        if (double(groupCounter) / 6.0 == 1.0)
            m_sender.sendGroupPause(gapPauses);
        m_sender.elements().sendCharacter(state.Letter);
        m_sender.write(state.Letter);
        if (groupCounter == groupSize + 1) {
            m_sender.write(QStringLiteral("  "));
            groupCounter = 0;
        }
        groupCounter = add16(groupCounter, 1);
    }
}

void RunDriver::sendTryWords()
{
    RunView &view = m_sender.view();
    WindowState &state = m_sender.state();
    const double words = multiply(textToNumber(view.text2Text()), textToNumber(view.combo1Text()));
    const qint16 count = toInt16(words);
    for (int word = 1; word <= count; ++word) {
        for (const QChar letter : QStringLiteral("PARIS")) {
            state.Letter = letter;
            m_sender.elements().AtoZ(state.Letter);
            view.appendToText1(state.Letter);
        }
        m_sender.elements().Dark_word();
        state.Letter = QString();
        view.appendToText1(QStringLiteral(" "));
    }
}

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/rundriver.h"

#include "platform/numeric.h"
#include "runs/grouppause.h"
#include "runs/groupsize.h"
#include "runs/lessons.h"
#include "signal/characters.h"
#include "signal/lettertiming.h"

#include <algorithm>
#include <cmath>

namespace blinket {

namespace {

// The time unit is this many milliseconds divided by the speed in words a minute.
constexpr double unitMsAtOneWordPerMinute = 1600.0;

// The speed check pauses between its words for one long pause.
constexpr double tryWordPauseUnits = 4.0;

} // namespace

void RunDriver::setOptions(const RunOptions &options)
{
    m_options.letterSpeed = options.letterSpeed;
    // Only what can be sent is drawn, and the letters A to Z alone keep the original draw.
    m_options.characters.clear();
    for (const QChar c : options.characters) {
        if (characterIndex(c) >= 0)
            m_options.characters += c;
    }
    if (m_options.characters == charactersOf(CharacterChoice{}))
        m_options.characters.clear();
}

void RunDriver::RunDrill()
{
    RunDrill(evenChoice());
}

RunDriver::LetterChoice RunDriver::evenChoice() const
{
    if (m_options.characters.isEmpty()) {
        return [](float r) {
            // In double precision the largest draw stays below 91, one past Z.
            const double code = std::floor(double(r) * 26.0 + 65.0);
            return QChar(char16_t(toInt16(code)));
        };
    }
    return [characters = m_options.characters](float r) {
        const auto size = characters.size();
        const auto place = qsizetype(std::floor(double(r) * double(size)));
        return characters[std::clamp<qsizetype>(place, 0, size - 1)];
    };
}

void RunDriver::RunDrill(const LetterChoice &choice)
{
    startRun(m_state.RunMode == 1 ? tryWordPauseUnits : randomRunGapPauses * gapPauseUnits);

    m_lettersSent.clear();
    if (m_state.RunMode == 0) {
        sendLetters([this, &choice] { return QString(choice(m_platform.Rnd())); },
                    randomRunGapPauses);
    }
    restoreWindow();
    if (m_state.RunMode == 1)
        sendTryWords();
    writeResultLine();
}

void RunDriver::Command3_Click(qint16 Index)
{
    const std::optional<Lesson> lesson = lessonAt(Index);
    if (!lesson)
        return;
    m_view.setControlVisible(Control::Image1, true);
    m_state.Running = 1;
    m_view.setControlVisible(Control::Command2, false);
    hideBannersResultsAndPanels();
    m_view.setControlVisible(Control::pic1, false);
    // The lead-in runs on the unit of the run before; the first one after start-up is empty.
    leadIn();
    m_view.setControlVisible(Control::Image1, false);
    computeUnit(lessonGapPauses * gapPauseUnits);
    startClock();

    m_lettersSent.clear();
    const QStringView group(lesson->letters);
    sendLetters(
        [this, group] {
            const double draw = std::floor(double(m_platform.Rnd()) * double(group.size()) + 1.0);
            return group.mid(toInt16(draw) - 1, 1).toString();
        },
        lessonGapPauses);
    writeResultLine();
    restoreWindow();
}

void RunDriver::TextRun(WordSource &words)
{
    startRun(randomRunGapPauses * gapPauseUnits);
    m_lettersSent.clear();
    sendWords(words);
    restoreWindow();
    writeResultLine();
}

void RunDriver::restoreAfterError()
{
    restoreWindow();
    m_view.setControlVisible(Control::Image1, false);
    m_state.Unit = 0;
    m_timing.reset();
    m_elements.setLetterTiming(std::nullopt);
}

void RunDriver::startRun(double groupPauseUnits)
{
    m_state.Running = 1;
    m_view.setControlVisible(Control::Command2, false);
    m_view.setControlVisible(Control::Image1, true);
    hideBannersResultsAndPanels();
    computeUnit(groupPauseUnits);
    m_view.setControlVisible(Control::pic1, false);
    leadIn();
    m_view.setControlVisible(Control::Image1, false);
    startClock();
}

void RunDriver::hideBannersResultsAndPanels()
{
    m_view.setControlVisible(Control::Label4_0, false);
    m_view.setControlVisible(Control::Label4_1, false);
    m_view.clearText1();
    m_view.setControlVisible(Control::Text1, false);
    m_view.setControlVisible(Control::Frame1, false);
    m_view.setControlVisible(Control::Frame2, false);
}

void RunDriver::computeUnit(double groupPauseUnits)
{
    m_state.Speed = m_view.combo1Text();
    const qint16 unit = toInt16(divide(unitMsAtOneWordPerMinute, textToNumber(m_state.Speed)));
    std::optional<LetterTiming> timing;
    if (!m_options.letterSpeed.trimmed().isEmpty()) {
        const qint16 letterUnit =
            toInt16(divide(unitMsAtOneWordPerMinute, textToNumber(m_options.letterSpeed)));
        timing = letterTiming(unit, letterUnit, groupPauseUnits);
    }
    // Both or neither: a letter speed that fails leaves the run before as it was.
    m_state.Unit = unit;
    m_timing = timing;
    m_elements.setLetterTiming(timing);
}

void RunDriver::leadIn()
{
    m_platform.processEvents();
    m_elements.Dark_word();
    m_platform.processEvents();
    m_elements.Dark_word();
}

void RunDriver::startClock()
{
    m_startSeconds = m_platform.steadySeconds();
}

bool RunDriver::anotherStep()
{
    // The time is read before the flag, and the minutes box anew at every step.
    const float now = elapsed();
    const double limit = multiply(textToNumber(m_view.text2Text()), 60.0);
    return double(now) < limit && m_state.Running != 0;
}

void RunDriver::sendLetters(const std::function<QString()> &drawLetter, int gapPauses)
{
    qint16 groupCounter = 1;
    while (anotherStep()) {
        m_state.Letter = drawLetter();
        // Every sixth step keeps the lamp dark instead, and drops the letter it drew.
        if (double(groupCounter) / 6.0 == 1.0)
            sendGroupPause(gapPauses);
        m_elements.sendCharacter(m_state.Letter);
        m_view.appendToText1(m_state.Letter);
        m_lettersSent += m_state.Letter;
        if (groupCounter == groupSize + 1) {
            const QString gap = QStringLiteral("  ");
            m_view.appendToText1(gap);
            m_lettersSent += gap;
            groupCounter = 0;
        }
        groupCounter = add16(groupCounter, 1);
    }
}

void RunDriver::sendGroupPause(int gapPauses)
{
    for (int pause = 0; pause < gapPauses; ++pause) {
        m_elements.Dark_Kav();
        m_state.Letter = QString();
        m_platform.processEvents();
        m_elements.Dark_Kav();
    }
}

void RunDriver::sendWords(WordSource &words)
{
    const QString space = QStringLiteral(" ");
    bool firstWord = true;
    while (anotherStep()) {
        const QString word = words.nextWord();
        // A source with nothing more to give ends the run rather than spin on empty words.
        if (word.isEmpty())
            return;
        if (!firstWord) {
            m_view.appendToText1(space);
            m_lettersSent += space;
            sendGroupPause(randomRunGapPauses);
        }
        firstWord = false;
        for (const QChar character : word) {
            m_state.Letter = character;
            m_elements.sendCharacter(m_state.Letter);
            m_view.appendToText1(m_state.Letter);
            m_lettersSent += m_state.Letter;
            // A long word must not keep the learner waiting after Stop.
            if (m_state.Running == 0)
                return;
        }
    }
}

void RunDriver::sendTryWords()
{
    const double words =
        multiply(textToNumber(m_view.text2Text()), textToNumber(m_view.combo1Text()));
    const qint16 count = toInt16(words);
    for (int word = 1; word <= count; ++word) {
        for (const QChar letter : QStringLiteral("PARIS")) {
            m_state.Letter = letter;
            m_elements.AtoZ(m_state.Letter);
            m_view.appendToText1(m_state.Letter);
        }
        m_elements.Dark_word();
        m_state.Letter = QString();
        m_view.appendToText1(QStringLiteral(" "));
    }
}

void RunDriver::restoreWindow()
{
    m_view.setControlVisible(Control::Text1, true);
    m_view.setControlVisible(Control::Label4_0, true);
    m_view.setControlVisible(Control::Label4_1, true);
    m_view.setControlVisible(Control::Frame1, true);
    m_view.setControlVisible(Control::Frame2, true);
    m_view.setControlVisible(Control::pic1, true);
    m_view.setControlVisible(Control::Command2, true);
}

void RunDriver::writeResultLine()
{
    m_result = {m_lettersSent, elapsed(), std::nullopt};
    m_view.appendToText1(QStringLiteral("\r\n") + formatNumber(m_result.seconds, singleDigits) +
                         QStringLiteral("  Sec."));
}

float RunDriver::elapsed() const
{
    return static_cast<float>(m_platform.steadySeconds() - m_startSeconds);
}

} // namespace blinket

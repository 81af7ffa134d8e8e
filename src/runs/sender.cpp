// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/sender.h"

#include "platform/numeric.h"
#include "signal/timeunit.h"

namespace blinket {

void Sender::startRun(double groupPauseUnits)
{
    m_state.Running = 1;
    m_view.setControlVisible(RunView::Control::Command2, false);
    m_view.setControlVisible(RunView::Control::Image1, true);
    hideBannersResultsAndPanels();
    computeUnit(groupPauseUnits);
    m_view.setControlVisible(RunView::Control::pic1, false);
    leadIn();
    m_view.setControlVisible(RunView::Control::Image1, false);
    startClock();
}

void Sender::hideBannersResultsAndPanels()
{
    m_view.setControlVisible(RunView::Control::Label4_0, false);
    m_view.setControlVisible(RunView::Control::Label4_1, false);
    m_view.clearText1();
    m_lettersSent.clear();
    m_view.setControlVisible(RunView::Control::Text1, false);
    m_view.setControlVisible(RunView::Control::Frame1, false);
    m_view.setControlVisible(RunView::Control::Frame2, false);
}

void Sender::leadIn()
{
    m_elements.beginLight(m_light, m_lightSeed++);
    m_platform.processEvents();
    m_elements.Dark_word();
    m_platform.processEvents();
    m_elements.Dark_word();
}

void Sender::computeUnit(double groupPauseUnits)
{
    m_state.Speed = m_view.combo1Text();
    const double speed = textToNumber(m_state.Speed);
    const qint16 unit = unitOfSpeed(speed);
    const bool letterSpeedGiven = !m_letterSpeed.trimmed().isEmpty();
    std::optional<LetterTiming> timing;
    std::optional<InternationalTiming> international;
    if (m_timingChosen == Timing::International) {
        std::optional<double> letterSpeed;
        if (letterSpeedGiven)
            letterSpeed = textToNumber(m_letterSpeed);
        international = internationalTiming(speed, letterSpeed);
    } else if (letterSpeedGiven) {
        timing = letterTiming(unit, unitOfSpeed(textToNumber(m_letterSpeed)), groupPauseUnits);
    }
    // All or none: a letter speed that fails leaves the run before as it was.
    m_state.Unit = unit;
    m_timing = timing;
    m_international = international;
    m_elements.setLetterTiming(timing);
    m_elements.setInternationalTiming(international);
}

void Sender::startClock()
{
    m_startSeconds = m_platform.steadySeconds();
}

bool Sender::anotherStep()
{
    // The time is read before the flag, and the minutes box anew at every step.
    const float now = elapsed();
    const double limit = multiply(textToNumber(m_view.text2Text()), 60.0);
    return double(now) < limit && !stopped();
}

void Sender::send(QChar character)
{
    m_state.Letter = character;
    m_elements.sendCharacter(m_state.Letter);
}

void Sender::write(const QString &text)
{
    m_view.appendToText1(text);
    m_lettersSent += text;
}

bool Sender::sendSigns(const QString &signs, bool written)
{
    for (const QChar sign : signs) {
        send(sign);
        if (written)
            write(m_state.Letter);
        if (stopped())
            return false;
    }
    return true;
}

void Sender::sendGroupPause(int gapPauses)
{
    if (m_international) {
        m_elements.Dark_word();
        m_state.Letter = QString();
        return;
    }
    for (int pause = 0; pause < gapPauses; ++pause) {
        m_elements.Dark_Kav();
        m_state.Letter = QString();
        m_platform.processEvents();
        m_elements.Dark_Kav();
    }
}

qint32 Sender::groupPauseMs(int gapPauses) const
{
    if (m_international)
        return m_international->wordGapMs - m_international->letterGapMs;
    const qint32 gapMs = m_timing ? toInt32(roundHalfEven(m_timing->spacingUnit * 2.5))
                                  : elementMs(m_state.Unit, 2.5);
    return gapPauses * 2 * gapMs;
}

void Sender::restoreWindow()
{
    m_view.setControlVisible(RunView::Control::Text1, true);
    m_view.setControlVisible(RunView::Control::Label4_0, true);
    m_view.setControlVisible(RunView::Control::Label4_1, true);
    m_view.setControlVisible(RunView::Control::Frame1, true);
    m_view.setControlVisible(RunView::Control::Frame2, true);
    m_view.setControlVisible(RunView::Control::pic1, true);
    m_view.setControlVisible(RunView::Control::Command2, true);
}

void Sender::writeResultLine()
{
    m_result = {m_lettersSent, elapsed(), std::nullopt, std::nullopt};
    m_view.appendToText1(QStringLiteral("\r\n") + formatNumber(m_result.seconds, singleDigits) +
                         QStringLiteral("  Sec."));
}

void Sender::restoreAfterError()
{
    restoreWindow();
    m_view.setControlVisible(RunView::Control::Image1, false);
    m_view.showDrillStep({});
    m_state.Unit = 0;
    m_timing.reset();
    m_international.reset();
    m_elements.setLetterTiming(std::nullopt);
    m_elements.setInternationalTiming(std::nullopt);
}

float Sender::elapsed() const
{
    return static_cast<float>(m_platform.steadySeconds() - m_startSeconds);
}

} // namespace blinket

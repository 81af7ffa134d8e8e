// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#include "runs/keyedreceiver.h"

namespace blinket {

namespace {

// A word's gap is seven dots: past five, the learner has finished what they keyed.
constexpr double answeredAfterDots = 5.0;

} // namespace

KeyedReceiver::KeyedReceiver(Receiver &typed, LampKey &key, double priorUnit)
    : m_typed(typed), m_key(key), m_unit(priorUnit)
{}

std::optional<ReceiverAnswer> KeyedReceiver::nextAnswer()
{
    answerKeyed();
    return m_typed.nextAnswer();
}

void KeyedReceiver::answerKeyed()
{
    const std::vector<KeyStroke> strokes = m_key.strokes();
    if (strokes.size() <= m_answered || m_key.held())
        return;
    const std::vector<KeyStroke> keyed(strokes.begin() + std::ptrdiff_t(m_answered), strokes.end());
    const KeyReading reading = readKeying(keyed, m_unit);
    if (m_key.now() - keyed.back().up < answeredAfterDots * reading.unit)
        return;
    m_answered = strokes.size();
    m_unit = reading.unit;
    QString text = reading.text;
    text.remove(u' ');
    if (text == u"T" || text == u"R")
        m_typed.acknowledgeKeyed(QString());
    else if (text.size() > 1)
        m_typed.acknowledgeKeyed(text);
}

} // namespace blinket

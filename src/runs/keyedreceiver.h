// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/lampkey.h"
#include "runs/receiver.h"

#include <cstddef>

namespace blinket {

// A message drill answered with the lamp key as a receiving station answers, besides the
// keyboard: a T keyed acknowledges (R at the end of the message), an identity keyed is typed
// back, each once a word's gap has followed it. A single other letter is a misformed T and
// answers nothing. What is typed and Enter keep working.
class KeyedReceiver : public Receiver
{
public:
    // typed: the keyboard's answers, which the keyed ones join; priorUnit: the learner's dot
    // (seconds) until the keying tells.
    KeyedReceiver(Receiver &typed, LampKey &key, double priorUnit);

    std::optional<ReceiverAnswer> nextAnswer() override;
    QString typing() const override { return m_typed.typing(); }
    void acknowledgeKeyed(const QString &keyed) override { m_typed.acknowledgeKeyed(keyed); }

    // The learner's dot as their keying last showed it.
    double unit() const { return m_unit; }

private:
    void answerKeyed();

    Receiver &m_typed;
    LampKey &m_key;
    double m_unit;
    std::size_t m_answered = 0; // strokes already taken as answers
};

} // namespace blinket

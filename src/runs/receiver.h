// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include <QString>

#include <optional>

namespace blinket {

// One answer of the learner to a message drill, as a receiving station answers a lamp: an
// acknowledgement (the receiver's T, or R at the end of the message) or a request to send the
// last group again (RPT), with what they typed since the answer before.
struct ReceiverAnswer
{
    enum class Kind { Acknowledge, Repeat };
    Kind kind;
    QString typed;
    double at = 0.0; // when it was given, on the platform's steady clock
};

// The learner answering a message drill; the window collects the answers as they come.
class Receiver
{
public:
    virtual ~Receiver() = default;
    // The learner's oldest answer not yet taken, with what they typed since the answer before
    // (already as the copy counts it), or nothing.
    virtual std::optional<ReceiverAnswer> nextAnswer() = 0;
    // What the learner has typed since their last answer, not yet given with one.
    virtual QString typing() const = 0;
    // An acknowledgement given now, after the answers already given, with keyed after what was
    // typed since the last answer: the learner answering with the lamp key.
    virtual void acknowledgeKeyed(const QString &keyed) = 0;
};

} // namespace blinket

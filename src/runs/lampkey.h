// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/keyreading.h"

#include <vector>

namespace blinket {

// The learner's lamp key, as the window collects it: while it listens, holding the key lights
// the lamp at once and letting it go darkens it, and each press is kept with its times.
class LampKey
{
public:
    virtual ~LampKey() = default;
    // From now on presses light the lamp and are kept; the strokes before are forgotten.
    virtual void listen() = 0;
    // The lamp goes dark, also under a key still held, and nothing more is kept.
    virtual void stopListening() = 0;
    // The strokes since listen(), in order; a press in progress is not among them.
    virtual std::vector<KeyStroke> strokes() const = 0;
    virtual bool held() const = 0;
    // Seconds now, on the strokes' clock.
    virtual double now() const = 0;
    // Whether the learner asked to be graded (Enter) since the last call.
    virtual bool takeFinish() = 0;
};

} // namespace blinket

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Corvale

#pragma once

#include "runs/drillstep.h"
#include "signal/lightconditions.h"

#include <QString>

namespace blinket {

// The few controls of the window that a run touches.
class RunView
{
public:
    enum class Control { Command2, Image1, Label4_0, Label4_1, Text1, Frame1, Frame2, pic1 };

    virtual ~RunView() = default;
    virtual void setControlVisible(Control control, bool visible) = 0;
    // The results box collects a run: emptied at its start, extended at every step. Line
    // ends are CR LF. Extending it must cost the same however long the text already is.
    virtual void clearText1() = 0;
    virtual void appendToText1(const QString &text) = 0;
    // The speed box and the minutes box, as typed.
    virtual QString combo1Text() const = 0;
    virtual QString text2Text() const = 0;
    // What a message drill waits for, in a line under the lamp; DrillStep::Kind::None hides it.
    virtual void showDrillStep(const DrillStep &step) = 0;
    // Above the lamp during keying: what to send, and under it what the keying reads as; an
    // empty prompt hides both.
    virtual void showKeying(const QString &prompt, const QString &read) = 0;
    // The light the lamp is seen under, from a run's start on.
    virtual void setLight(const LightConditions &light) = 0;
};

} // namespace blinket
